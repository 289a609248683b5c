#include "toolwin/speed_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tv {

namespace {

constexpr int kGlyphTextGap = 4;

}  // namespace

void SpeedButton::setCaption(const QString& caption) {
    setText(caption);
    setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    update();
}

void SpeedButton::paintEvent(QPaintEvent* event) {
    if (text().isEmpty() || icon().isNull()) {
        QToolButton::paintEvent(event);
        return;
    }
    // The style draws the face; glyph and caption are laid out as one centred group,
    // which the style would instead start at the left edge and cut off on the right.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    QStyleOptionToolButton face = option;
    face.text.clear();
    face.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, face);

    const QSize glyph = iconSize();
    const int text_width = fontMetrics().horizontalAdvance(text());
    const int group_width = glyph.width() + kGlyphTextGap + text_width;
    const QPoint origin((width() - group_width) / 2, 0);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter,
                 QRect(origin.x(), origin.y() + (height() - glyph.height()) / 2, glyph.width(),
                       glyph.height()),
                 Qt::AlignCenter, mode, isChecked() ? QIcon::On : QIcon::Off);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(
        QRect(origin.x() + glyph.width() + kGlyphTextGap, origin.y(), text_width, height()),
        Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace tv
