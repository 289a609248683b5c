// The export of the solid on screen as a mesh file: the 3D view's context menu with its
// Ctrl+E shortcut, the export dialog, the progress window and the messages. The file is
// written as Save writes: into a temporary file, renamed over the target when complete.
#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QKeySequence>
#include <QMenu>

#include "app/fomenu.h"
#include "lang/format_text.h"
#include "objfile/mesh_file_name.h"
#include "objfile/solid_export.h"
#include "view3d/scene_controls.h"
#include "view3d/view3d_widget.h"

namespace tv {

void Tform_fomenu::buildViewMenu() {
    popup_view = new QMenu(this);
    popup_view->setObjectName(QStringLiteral("popup_view"));
    mi_export = new QAction(popup_view);
    mi_export->setObjectName(QStringLiteral("mi_export"));
    mi_export->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // Application-wide like the file band's keys, so that it works while a floating tool
    // window has the focus; a modal window still blocks it.
    mi_export->setShortcutContext(Qt::ApplicationShortcut);
    popup_view->addAction(mi_export);
    addAction(mi_export);
    connect(mi_export, &QAction::triggered, this, &Tform_fomenu::mi_exportClick);

    // The OpenGL view leaves its context menu to the panel it fills.
    panel_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel_view, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        mi_export->setText(uiText(kTextExportMenu));
        popup_view->popup(panel_view->mapToGlobal(at));
    });
}

void Tform_fomenu::mi_exportClick() {
    const std::optional<ExportChoice> chosen =
        dialogs().exportFileName(export_choice_, uiText(kTextExportFilter),
                                 uiText(kTextExportCaption), uiText(kTextExportScale));
    if (!chosen) {
        return;
    }
    const MeshFileChoice file =
        meshFileOfName(chosen->file_name.toStdString(), chosen->filter_index);
    const QString path = QFileInfo(QString::fromStdString(file.path)).absoluteFilePath();
    export_choice_ = {path, chosen->filter_index, chosen->scale};

    SolidExportSettings settings;
    settings.format = file.format;
    settings.axis = axis();
    settings.segments = kSegmentsRange.clamp(segments());
    settings.scale = chosen->scale;

    // The progress window rests the view while it lives: a frame of a large solid would cost
    // as much as a good share of its export.
    ExportResult result;
    {
        const std::unique_ptr<ProgressWindow> window = dialogs().progress(
            uiText(kTextExportCaption), uiFormat(kTextExporting, {FormatArg(path.toStdString())}));
        result = exportSolid(
            profile, settings, path.toStdString(),
            [&window](double share) { return window->advance(share); }, *file_ops_);
    }

    if (result.cancelled || result.outcome == SafeSaveOutcome::Ok) {
        return;
    }
    if (result.outcome == SafeSaveOutcome::ShortWrite) {
        dialogs().message(uiText(kTextDiskFull), uiText(kTextError), MsgIcon::Error,
                          MsgButtons::Ok);
        return;
    }
    showError(kTextUnableToExport, path);
}

}  // namespace tv
