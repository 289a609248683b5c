// A control bar: a strip at the top of the main window holding movable bands. Each
// band carries a row of controls at fixed positions and a grip on its left by which
// the user drags it around the bar, never over another band; the window puts the bands
// back on every resize.
#pragma once

#include <QFrame>
#include <QPoint>
#include <QWidget>

namespace tv {

class Band final : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kGripWidth = 9;

    // `content_size` is the area for the controls, right of the grip.
    Band(QWidget* bar, QSize content_size);

    // Controls are children of this widget, positioned relative to the band's content.
    QWidget* content() const { return content_; }

    // Places the band so that its content starts at `content_origin` of the bar.
    void placeContentAt(QPoint content_origin);
    QPoint contentOrigin() const { return pos() + QPoint(kGripWidth, 0); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool coversAnotherBand(QPoint at) const;
    QPoint furthestFreePosition(QPoint from, QPoint to) const;

    QWidget* content_;
    bool dragging_ = false;
    QPoint grab_offset_;
};

class ControlBar final : public QWidget {
    Q_OBJECT
  public:
    ControlBar(QWidget* parent, int height);
    QSize sizeHint() const override { return QSize(width(), height_); }
    QSize minimumSizeHint() const override { return QSize(0, height_); }

  private:
    int height_;
};

}  // namespace tv
