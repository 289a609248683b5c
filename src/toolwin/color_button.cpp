#include "toolwin/color_button.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "util/colorref.h"

namespace tv {

ColorButton::ColorButton(QWidget* parent, const QString& letter, const QRect& geometry)
    : QToolButton(parent) {
    setGeometry(geometry);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setText(letter);
    // A bold fixed-pitch face, widened so that a narrow face's O reads as the letter and
    // not as a zero.
    QFont letter_font;
    letter_font.setFamilies({QStringLiteral("Fixedsys"), QStringLiteral("Courier New"),
                             QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")});
    letter_font.setStyleHint(QFont::TypeWriter);
    letter_font.setFixedPitch(true);
    letter_font.setPixelSize(12);
    letter_font.setBold(true);
    letter_font.setStretch(140);
    setFont(letter_font);
    setColor(0);
}

uint32_t ColorButton::color() const {
    return colorRefFrom(palette().color(QPalette::Active, QPalette::ButtonText));
}

void ColorButton::setColor(uint32_t color) {
    // Only the enabled look carries the colour; a disabled button greys its letter.
    QPalette letter_palette = palette();
    const QColor letter = colorFromRef(color);
    letter_palette.setColor(QPalette::Active, QPalette::ButtonText, letter);
    letter_palette.setColor(QPalette::Inactive, QPalette::ButtonText, letter);
    setPalette(letter_palette);
}

QColor ColorButton::outlineFor(const QColor& letter) {
    const int luma = (299 * letter.red() + 587 * letter.green() + 114 * letter.blue()) / 1000;
    return luma >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void ColorButton::paintEvent(QPaintEvent* /*event*/) {
    // The button face without its text, then the letter as an outlined shape.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    QPainterPath letter;
    letter.addText(0, 0, font(), text());
    const QRectF bounds = letter.boundingRect();
    const QPointF shift = QRectF(rect()).center() - bounds.center();
    letter.translate(std::round(shift.x()), std::round(shift.y()));

    painter.setRenderHint(QPainter::Antialiasing);
    if (isEnabled()) {
        const QColor fill = palette().color(QPalette::Active, QPalette::ButtonText);
        // The outline is stroked first, twice as wide as it shows: the letter covers its
        // inner half.
        painter.strokePath(letter,
                           QPen(outlineFor(fill), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(letter, fill);
    } else {
        painter.fillPath(letter, palette().color(QPalette::Disabled, QPalette::ButtonText));
    }
}

bool ColorButton::chooseColor(Dialogs& dialogs) {
    const std::optional<uint32_t> chosen = dialogs.chooseColor(color());
    if (chosen) {
        setColor(*chosen);
    }
    return chosen.has_value();
}

}  // namespace tv
