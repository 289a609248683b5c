#include <gtest/gtest.h>

#include "lang/format_text.h"

namespace tv {
namespace {

TEST(FormatText, PlaceholdersTakeArgumentsInOrder) {
    EXPECT_EQ(formatText("Error in %s at row %d", {"English.lng", 7}),
              "Error in English.lng at row 7");
    EXPECT_EQ(formatText("version %d.%d", {1, 0}), "version 1.0");
    EXPECT_EQ(formatText("%d", {-2147483648LL}), "-2147483648");
    EXPECT_EQ(formatText("100%% sure, %s", {"yes"}), "100% sure, yes");
    EXPECT_EQ(formatText("", {"x"}), "");
}

TEST(FormatText, ArgumentOfTheOtherKindIsShownInItsOwnForm) {
    EXPECT_EQ(formatText("row %s of %d", {"f.lng", 3}), "row f.lng of 3");
}

TEST(FormatText, HostilePatternsStayAsTheyStand) {
    // More placeholders than arguments: the extra ones are kept, nothing is read.
    EXPECT_EQ(formatText("%s %s %s %d %n", {"a"}), "a %s %s %d %n");
    EXPECT_EQ(formatText("%s%d", {}), "%s%d");
    // Widths, other conversions and a lone % at the end.
    EXPECT_EQ(formatText("%5d|%-10s|%x|%p|%", {1, "b"}), "%5d|%-10s|%x|%p|%");
    EXPECT_EQ(formatText("%%s %%%d %", {9}), "%s %9 %");
    // Upper-case letters are not placeholders.
    EXPECT_EQ(formatText("%S %D", {"a", 1}), "%S %D");
}

TEST(FormatText, ArgumentTextIsNotFormattedAgain) {
    EXPECT_EQ(formatText("%s|%d", {"%d%s%%", 5}), "%d%s%%|5");
    const std::string embedded("a\0b", 3);
    EXPECT_EQ(formatText("[%s]", {embedded}), std::string("[a\0b]", 5));
}

}  // namespace
}  // namespace tv
