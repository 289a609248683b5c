// Captions longer than their fixed boxes are drawn condensed or smaller, whole when that
// suffices, and cut short with the full caption as tool tip only when it does not.
#include "toolwin/fitting_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace tv {
namespace {

QFont elevenPixels() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

TEST(FittingLabel, FontShrinksOnlyAsFarAsTheCaptionNeeds) {
    const QFont font = elevenPixels();
    bool fits = false;
    const QFont same = fittingFont(font, QStringLiteral("Zoom:"), QSize(60, 14), false, fits);
    EXPECT_TRUE(fits);
    EXPECT_EQ(same, font);

    const QString caption = QStringLiteral("Sebesség:");
    const int width = QFontMetrics(font).horizontalAdvance(caption);
    const QSize box(width * 3 / 4, 14);
    const QFont fitted = fittingFont(font, caption, box, false, fits);
    ASSERT_TRUE(fits);
    EXPECT_NE(fitted, font);
    EXPECT_GE(fitted.pixelSize(), kSmallestFittingPixels);
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(caption), box.width());

    // Wrapped captions fit in lines of the box's width and within its height.
    const QString wrapped = QStringLiteral("Globális környezeti fény");
    const QFont wrapped_font = fittingFont(font, wrapped, QSize(76, 28), true, fits);
    EXPECT_TRUE(fits);
    const QRect needed =
        QFontMetrics(wrapped_font).boundingRect(QRect(0, 0, 76, 28), Qt::TextWordWrap, wrapped);
    EXPECT_LE(needed.height(), 28);
}

TEST(FittingLabel, ACaptionThatCannotFitIsCutShortWithItsWholeTextAsToolTip) {
    FittingLabel label(QStringLiteral("Zoom:"), nullptr);
    label.setFont(elevenPixels());
    label.setGeometry(0, 0, 40, 14);
    label.grab();
    EXPECT_TRUE(label.toolTip().isEmpty());

    const QString long_caption = QStringLiteral("A caption far too long for its box");
    label.setText(long_caption);
    label.grab();
    EXPECT_EQ(label.toolTip(), long_caption);

    label.setText(QStringLiteral("Zoom:"));
    label.grab();
    EXPECT_TRUE(label.toolTip().isEmpty());
}

}  // namespace
}  // namespace tv
