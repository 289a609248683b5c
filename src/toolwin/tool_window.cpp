#include "toolwin/tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusTipEvent>

namespace tv {

namespace {

// The controls are laid out for this text size, whatever the desktop's font.
constexpr int kClientFontPixels = 11;

}  // namespace

ToolWindow::ToolWindow(ToolHost& host, QMainWindow* parent, ToolWindowId id, const QString& caption,
                       QSize client_size)
    : QDockWidget(caption, parent), host_(host), id_(id), client_(new QWidget(this)) {
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);

    QFont font = client_->font();
    font.setPixelSize(kClientFontPixels);
    client_->setFont(font);
    client_->setFixedSize(client_size);
    setWidget(client_);

    if (parent != nullptr) {
        parent->addDockWidget(Qt::TopDockWidgetArea, this);
    }
    setFloating(true);
    hide();
    connect(this, &QDockWidget::topLevelChanged, this, [this] { FormResize(); });
}

void ToolWindow::FormCreate(int stack_index) {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize window = frameGeometry().size();
        move(area.x() + area.width() - window.width(),
             area.y() + area.height() - stack_index * window.height());
    }
    fixed_client_width = client_->width();
    fixed_client_height = client_->height();
}

void ToolWindow::FormResize() {
    client_->setFixedSize(fixed_client_width, fixed_client_height);
    if (isFloating()) {
        adjustSize();
    }
}

void ToolWindow::setFixedClientHeight(int32_t height) {
    fixed_client_height = height;
    FormResize();
}

bool ToolWindow::event(QEvent* event) {
    // A status-tip event travels up to the first window and stops there; a floating tool
    // window is a window of its own, so it hands the tip on to the main window.
    if (event->type() == QEvent::StatusTip && isWindow() && parentWidget() != nullptr) {
        QStatusTipEvent tip(static_cast<QStatusTipEvent*>(event)->tip());
        QCoreApplication::sendEvent(parentWidget(), &tip);
        return true;
    }
    return QDockWidget::event(event);
}

void ToolWindow::moveEvent(QMoveEvent* event) {
    QDockWidget::moveEvent(event);
    // QDockWidget takes the place where an undocked window floats again from its last
    // resize while floating, not from its last move: a window moved since would float again
    // at an older place (at first the screen's corner). A resize to the same size, handed
    // to QDockWidget, records the place now.
    if (isFloating()) {
        QResizeEvent same_size(size(), size());
        QDockWidget::event(&same_size);
    }
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted()) {
        host_.toolWindowClosed(id_);
    }
}

}  // namespace tv
