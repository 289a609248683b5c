#include "app/control_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cstdlib>

namespace tv {

Band::Band(QWidget* bar, QSize content_size) : QFrame(bar), content_(new QWidget(this)) {
    setFrameShape(QFrame::NoFrame);
    setFixedSize(content_size.width() + kGripWidth, content_size.height());
    content_->setGeometry(kGripWidth, 0, content_size.width(), content_size.height());
    setCursor(Qt::ArrowCursor);
}

void Band::placeContentAt(QPoint content_origin) {
    move(content_origin - QPoint(kGripWidth, 0));
}

void Band::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.rect = QRect(1, 1, kGripWidth - 3, height() - 2);
    option.state |= QStyle::State_Horizontal;
    style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, &painter, this);
}

void Band::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().x() < kGripWidth) {
        dragging_ = true;
        grab_offset_ = event->position().toPoint();
        raise();
        setCursor(Qt::SizeAllCursor);
    }
}

void Band::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || parentWidget() == nullptr) {
        return;
    }
    const QSize bar = parentWidget()->size();
    QPoint to = mapToParent(event->position().toPoint()) - grab_offset_;
    to.setX(std::clamp(to.x(), 0, std::max(0, bar.width() - width())));
    to.setY(std::clamp(to.y(), 0, std::max(0, bar.height() - height())));
    move(furthestFreePosition(pos(), to));
}

bool Band::coversAnotherBand(QPoint at) const {
    const QRect area(at, size());
    for (const Band* other : parentWidget()->findChildren<Band*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->geometry().intersects(area)) {
            return true;
        }
    }
    return false;
}

QPoint Band::furthestFreePosition(QPoint from, QPoint to) const {
    // Walks from where the band stands towards where the mouse wants it and stops before
    // the first place where it would cover another band.
    const QPoint delta = to - from;
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    QPoint free = from;
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + QPoint(delta.x() * i / steps, delta.y() * i / steps);
        if (coversAnotherBand(at)) {
            break;
        }
        free = at;
    }
    return free;
}

void Band::mouseReleaseEvent(QMouseEvent* /*event*/) {
    dragging_ = false;
    setCursor(Qt::ArrowCursor);
}

ControlBar::ControlBar(QWidget* parent, int height) : QWidget(parent), height_(height) {
    setFixedHeight(height);
}

}  // namespace tv
