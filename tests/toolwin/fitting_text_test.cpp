// Captions longer than their fixed boxes are drawn condensed or smaller, whole when that
// suffices, and cut short only when it does not.
#include "toolwin/fitting_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>

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

// The tool tip the label shows when the mouse rests on it; a label with none ignores it.
QString toolTipShown(FittingLabel& label) {
    QHelpEvent rest(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&label, &rest);
    return rest.isAccepted() ? QToolTip::text() : QString();
}

TEST(FittingLabel, ACaptionCutShortShowsWholeUnlessTheLabelHasAHintOfItsOwn) {
    FittingLabel label(QStringLiteral("Zoom:"), nullptr);
    label.setFont(elevenPixels());
    label.setGeometry(0, 0, 40, 14);
    label.show();
    label.grab();
    EXPECT_EQ(toolTipShown(label), QString());

    const QString long_caption = QStringLiteral("A caption far too long for its box");
    label.setText(long_caption);
    label.grab();
    EXPECT_EQ(toolTipShown(label), long_caption);

    label.setToolTip(QStringLiteral("A hint from the language file"));
    EXPECT_EQ(toolTipShown(label), QStringLiteral("A hint from the language file"));

    label.setToolTip(QString());
    label.setText(QStringLiteral("Zoom:"));
    label.grab();
    EXPECT_EQ(toolTipShown(label), QString());
}

}  // namespace
}  // namespace tv
