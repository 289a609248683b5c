// The main window as a drop target: an object file dropped on it is opened as the Open
// command opens it, after the question about unsaved changes.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/fomenu.h"

namespace tv {

namespace {

// The path of the one local ".tvl" file that `data` carries, or an empty string.
QString droppedObjectFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    const QString path = url.toLocalFile();
    if (!url.isLocalFile() || !path.endsWith(QStringLiteral(".tvl"), Qt::CaseInsensitive)) {
        return {};
    }
    return path;
}

}  // namespace

void Tform_fomenu::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedObjectFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Tform_fomenu::dropEvent(QDropEvent* event) {
    const QString path = droppedObjectFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The questions and messages of the open come after the drop has ended, so that the
    // file manager the file came from is not held up while they wait for an answer.
    QTimer::singleShot(0, this, [this, path] {
        if (mayDiscardChanges()) {
            openFile(path);
        }
    });
}

}  // namespace tv
