#include "app/qt_dialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStringList>

#include "util/colorref.h"

namespace tv {

namespace {

// The filter texts are written for systems where "*.*" matches every file; here a
// name need not hold a dot, so every file is "*".
QString hostPattern(const QString& pattern) {
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}

}  // namespace

QString toQtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList given = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QStringList patterns;
        for (const QString& pattern : given) {
            patterns << hostPattern(pattern.trimmed());
        }
        // Qt reads the patterns from the last parentheses of an entry, so a description
        // that shows its own patterns shows the ones that work here instead.
        QString description = parts[i].trimmed();
        const QString shown = QStringLiteral("(%1)").arg(parts[i + 1]);
        if (description.endsWith(shown)) {
            description.chop(shown.size());
        }
        entries << QStringLiteral("%1 (%2)").arg(description.trimmed(),
                                                 patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

MsgResult QtDialogs::message(const QString& text, const QString& caption, MsgIcon icon,
                             MsgButtons buttons) {
    QMessageBox box(owner_);
    box.setWindowTitle(caption);
    // Messages break their lines with a carriage return; Qt breaks at a line feed.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    switch (icon) {
        case MsgIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MsgButtons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgResult::Yes;
        case QMessageBox::No:
            return MsgResult::No;
        case QMessageBox::Retry:
            return MsgResult::Retry;
        case QMessageBox::Ok:
            return MsgResult::Ok;
        default:
            return MsgResult::Cancel;
    }
}

std::optional<uint32_t> QtDialogs::chooseColor(uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(colorFromRef(initial), owner_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return colorRefFrom(chosen);
}

std::optional<QString> QtDialogs::saveFileName(const QString& preset, const QString& filter) {
    const QString name =
        QFileDialog::getSaveFileName(owner_, QString(), preset, toQtFileFilter(filter));
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<QString> QtDialogs::openFileName(const QString& preset, const QString& filter) {
    // The open dialog accepts a name that does not exist; the open command reports it.
    QFileDialog dialog(owner_, QString(), preset, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<ExportChoice> QtDialogs::exportFileName(const ExportChoice& preset,
                                                      const QString& filter, const QString& caption,
                                                      const QString& scale_label) {
    QFileDialog dialog(owner_, caption, preset.file_name, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, the one that takes a further row for the scale.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = dialog.nameFilters();
    if (preset.filter_index >= 0 && preset.filter_index < filters.size()) {
        dialog.selectNameFilter(filters[preset.filter_index]);
    }
    auto* scale = new QDoubleSpinBox(&dialog);
    scale->setObjectName(QStringLiteral("export_scale"));
    scale->setDecimals(3);
    scale->setRange(0.001, 100000.0);
    scale->setValue(preset.scale);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(scale_label, &dialog), row, 0);
        grid->addWidget(scale, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ExportChoice{dialog.selectedFiles().constFirst(),
                        static_cast<int>(filters.indexOf(dialog.selectedNameFilter())),
                        scale->value()};
}

namespace {

// Shows a window-modal QProgressDialog once the task has run for half a second; from then
// on it lets the events through now and then, so that the window paints and its Cancel
// button works.
class QtProgressWindow final : public ProgressWindow {
  public:
    QtProgressWindow(QWidget* owner, QString caption, QString text)
        : owner_(owner), caption_(std::move(caption)), text_(std::move(text)) {
        clock_.start();
    }

    bool advance(double share) override {
        if (!dialog_) {
            if (clock_.elapsed() < kShowAfterMs) {
                return true;
            }
            dialog_ = std::make_unique<QProgressDialog>(text_, QProgressDialog::tr("Cancel"), 0,
                                                        kSteps, owner_);
            dialog_->setWindowTitle(caption_);
            dialog_->setWindowModality(Qt::WindowModal);
            dialog_->setMinimumDuration(0);
            dialog_->setAutoReset(false);
            dialog_->setAutoClose(false);
            dialog_->show();
        }
        if (events_.isValid() && events_.elapsed() < kEventsEveryMs) {
            return !dialog_->wasCanceled();
        }
        dialog_->setValue(static_cast<int>(share * kSteps));
        QCoreApplication::processEvents();
        events_.start();
        return !dialog_->wasCanceled();
    }

  private:
    static constexpr qint64 kShowAfterMs = 500;
    static constexpr qint64 kEventsEveryMs = 50;
    static constexpr int kSteps = 1000;
    QPointer<QWidget> owner_;
    QString caption_;
    QString text_;
    QElapsedTimer clock_;
    QElapsedTimer events_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace

std::unique_ptr<ProgressWindow> QtDialogs::progress(const QString& caption, const QString& text) {
    return std::make_unique<QtProgressWindow>(owner_, caption, text);
}

}  // namespace tv
