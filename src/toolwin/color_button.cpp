#include "toolwin/color_button.h"

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

bool ColorButton::chooseColor(Dialogs& dialogs) {
    const std::optional<uint32_t> chosen = dialogs.chooseColor(color());
    if (chosen) {
        setColor(*chosen);
    }
    return chosen.has_value();
}

}  // namespace tv
