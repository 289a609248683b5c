#include "toolwin/fitting_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace tv {

namespace {

bool textFits(const QFont& font, const QString& text, QSize box, bool word_wrap) {
    const QFontMetrics metrics(font);
    const int flags = word_wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), box), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

QFont fittingFont(const QFont& font, const QString& text, QSize box, bool word_wrap, bool& fits) {
    QFont fitted = font;
    fits = textFits(fitted, text, box, word_wrap);
    if (fits) {
        return fitted;
    }
    // Narrower letters first, then smaller ones: a slightly condensed caption reads better
    // than a tiny one.
    const int start = QFontInfo(font).pixelSize();
    for (int pixels = start; pixels >= kSmallestFittingPixels; --pixels) {
        fitted.setPixelSize(pixels);
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
            fitted.setStretch(stretch);
            fits = textFits(fitted, text, box, word_wrap);
            if (fits) {
                return fitted;
            }
        }
    }
    return fitted;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QRect box = contentsRect();
    bool fits = false;
    const QFont fitted = fittingFont(font(), text(), box.size(), wordWrap(), fits);
    const bool shrunk = fitted != font();
    cut_short_ = shrunk && !fits;
    if (!shrunk) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    if (fits || wordWrap()) {
        const int flags = wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        painter.drawText(box, static_cast<int>(alignment()) | flags, text());
        return;
    }
    const QString shortened = QFontMetrics(fitted).elidedText(text(), Qt::ElideRight, box.width());
    painter.drawText(box, static_cast<int>(alignment()) | Qt::TextSingleLine, shortened);
}

bool FittingLabel::event(QEvent* event) {
    // A hint of the label's own comes first; without one, a caption cut short shows whole.
    if (event->type() == QEvent::ToolTip && cut_short_ && toolTip().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void FittingComboBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    bool fits = false;
    const QFont fitted = fittingFont(font(), option.currentText, field.size(), false, fits);
    if (!fits) {
        option.currentText =
            QFontMetrics(fitted).elidedText(option.currentText, Qt::ElideRight, field.width());
    }
    painter.setFont(fitted);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace tv
