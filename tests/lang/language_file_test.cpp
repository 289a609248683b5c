#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "lang/hint_text.h"
#include "lang/language_file.h"

namespace tv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Applies language files to a model with the default texts and records the warnings.
class ApplyLanguage : public ::testing::Test {
  protected:
    ApplyLanguage() { assignDefaultTexts(texts); }

    void apply(std::string_view bytes, std::string_view file_name = "English.lng") {
        applyLanguageFile(bytes, file_name, texts, model,
                          [this](const LanguageWarning& w) { warnings.push_back(w); });
    }

    std::vector<std::string> warningTexts() const {
        std::vector<std::string> out;
        for (const LanguageWarning& w : warnings) {
            out.push_back(w.text);
        }
        return out;
    }

    TextTable texts;
    LanguageModel model;
    std::vector<LanguageWarning> warnings;
};

TEST_F(ApplyLanguage, EachKindReachesItsControl) {
    apply(
        "12=Untitled!\n256=New|Starts anew\n516=Language:\n786=Wire frame\n786=Solid\n"
        "1042=Mode\n1301=Steps\n1567=Zoom\n1815=Move\n2067=H\n2378=Light 1\n2634=First\n"
        "2893=On\n3149=Switch\n773=Deutsch\n");
    EXPECT_THAT(warnings, IsEmpty());
    EXPECT_EQ(texts[kTextUntitled], "Untitled!");
    EXPECT_EQ(model.slot_texts[0].hint, "New|Starts anew");
    EXPECT_EQ(model.slot_texts[4].caption, "Language:");
    EXPECT_THAT(model.slot_texts[kSlotDisplayModes].items, ElementsAre("Wire frame", "Solid"));
    EXPECT_EQ(model.slot_texts[18].hint, "Mode");
    EXPECT_EQ(model.slot_texts[21].hint, "Steps");
    EXPECT_EQ(model.slot_texts[31].hint, "Zoom");
    EXPECT_EQ(model.slot_texts[23].caption, "Move");
    EXPECT_EQ(model.slot_texts[19].caption, "H");
    EXPECT_EQ(model.slot_texts[74].caption, "Light 1");
    EXPECT_EQ(model.slot_texts[74].hint, "First");
    EXPECT_EQ(model.slot_texts[77].caption, "On");
    EXPECT_EQ(model.slot_texts[77].hint, "Switch");
    EXPECT_THAT(model.slot_texts[kSlotLanguageList].items, ElementsAre("Deutsch"));
    EXPECT_FALSE(model.slot_texts[0].caption);
}

TEST_F(ApplyLanguage, CommentsOnlyEmptyTheDisplayModesAndNothingElse) {
    model.slot_texts[kSlotDisplayModes].items = {"old 1", "old 2"};
    model.slot_texts[kSlotLanguageList].items = {"English"};
    model.slot_texts[4].caption = "Nyelv:";
    TextTable before = texts;
    apply("; only a comment\r\n\r\n   ; indented comment\n\t\n");
    EXPECT_THAT(warnings, IsEmpty());
    EXPECT_THAT(model.slot_texts[kSlotDisplayModes].items, IsEmpty());
    EXPECT_THAT(model.slot_texts[kSlotLanguageList].items, ElementsAre("English"));
    EXPECT_EQ(model.slot_texts[4].caption, "Nyelv:");
    EXPECT_EQ(texts, before);
}

TEST_F(ApplyLanguage, LaterDuplicateWinsButItemsAccumulate) {
    apply("516=First\n516=Second\n5=one\n5=two\n256=a\n256=b\n786=x\n786=x\n");
    EXPECT_EQ(model.slot_texts[4].caption, "Second");
    EXPECT_EQ(texts[5], "two");
    EXPECT_EQ(model.slot_texts[0].hint, "b");
    EXPECT_THAT(model.slot_texts[18].items, ElementsAre("x", "x"));
}

TEST_F(ApplyLanguage, TextIsEverythingAfterTheFirstEqualsSign) {
    apply("12=\n0=a=b\n 13 = x \n");
    EXPECT_EQ(texts[12], "");
    EXPECT_EQ(texts[0], "a=b");
    // "13 " is not a plain integer: a warning, worded with the new text 0.
    EXPECT_THAT(warningTexts(), ElementsAre("a=b\r13 = x"));
    EXPECT_EQ(texts[13], "Torvelle files (*.tvl)|*.tvl|All files (*.*)|*.*");
}

TEST_F(ApplyLanguage, MalformedLinesGiveW1) {
    apply("=abc\n-1=abc\n12 Untitled\n0x=1\n99999999999=big\n");
    EXPECT_THAT(warningTexts(), ElementsAre("Error in English.lng at row 1\r=abc",
                                            "Error in English.lng at row 2\r-1=abc",
                                            "Error in English.lng at row 3\r12 Untitled",
                                            "Error in English.lng at row 4\r0x=1",
                                            "Error in English.lng at row 5\r99999999999=big"));
    EXPECT_EQ(texts[12], "Untitled");
}

TEST_F(ApplyLanguage, NumbersNamingNoSuitableControlGiveW2AndChangeNothing) {
    apply("3328=abc\n358=abc\n2052=abc\n260=abc\n");
    EXPECT_THAT(
        warningTexts(),
        ElementsAre("Error in English.lng at row 1\r3328=abc\rThere is no component nr 3328",
                    "Error in English.lng at row 2\r358=abc\rThere is no component nr 358",
                    "Error in English.lng at row 3\r2052=abc\rThere is no component nr 2052",
                    "Error in English.lng at row 4\r260=abc\rThere is no component nr 260"));
    for (const SlotTexts& slot : model.slot_texts) {
        EXPECT_FALSE(slot.caption);
        EXPECT_FALSE(slot.hint);
        EXPECT_THAT(slot.items, IsEmpty());
    }
}

TEST_F(ApplyLanguage, RowsCountBlankAndCommentLines) {
    apply(
        "; comment\n\nbad line\n;\r\n\x1A"
        "bad after end of file\n");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].row, 3);
    EXPECT_EQ(warnings[0].text, "Error in English.lng at row 3\rbad line");
}

TEST_F(ApplyLanguage, WarningsUseTheTextsInForceAtTheirLine) {
    apply("x\n0=Hiba: %s, %d. sor\n9=Nincs %d\n3=Figyelem\n999=Foo\n", "Magyar.lng");
    EXPECT_THAT(warningTexts(), ElementsAre("Error in Magyar.lng at row 1\rx",
                                            "Hiba: Magyar.lng, 5. sor\r999=Foo\rNincs 999"));
    EXPECT_EQ(texts[kTextWarning], "Figyelem");
}

TEST_F(ApplyLanguage, HostileWarningTextsAreHarmless) {
    apply("0=%s%s%s%n%d%d%x%\n9=%s %d %d %s\nbad\n4000=x\n");
    EXPECT_THAT(warningTexts(), ElementsAre("English.lng3%s%n%d%d%x%\rbad",
                                            "English.lng4%s%n%d%d%x%\r4000=x\r4000 %d %d %s"));
}

TEST_F(ApplyLanguage, Windows1250FileIsDecoded) {
    apply("516=Nyelv\xE9\r\n12=N\xE9vtelen \xF5\r\n", "Magyar.lng");
    EXPECT_EQ(model.slot_texts[4].caption, "Nyelvé");
    EXPECT_EQ(texts[12], "Névtelen ő");
}

TEST_F(ApplyLanguage, TextsAccumulateOverLanguageChanges) {
    apply("516=Nyelv:\n12=Névtelen\n786=Drótváz\n773=Extra\n", "Magyar.lng");
    apply("256=New\n786=Wire frame\n773=More\n");
    EXPECT_EQ(model.slot_texts[4].caption, "Nyelv:");
    EXPECT_EQ(texts[12], "Névtelen");
    EXPECT_EQ(model.slot_texts[0].hint, "New");
    EXPECT_THAT(model.slot_texts[18].items, ElementsAre("Wire frame"));
    EXPECT_THAT(model.slot_texts[5].items, ElementsAre("Extra", "More"));
}

TEST_F(ApplyLanguage, GarbageNeverEscapesTheTables) {
    std::mt19937 random(12345);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    bytes += "\n" + std::string(1 << 20, 'x') + "\n" + std::string(3000, '9') + "=y\n516=ok";
    std::replace(bytes.begin(), bytes.end(), '\x1A', '\n');
    apply(bytes);
    EXPECT_EQ(model.slot_texts[4].caption, "ok");
    EXPECT_FALSE(warnings.empty());
    for (const LanguageWarning& w : warnings) {
        EXPECT_GT(w.row, 0);
        EXPECT_TRUE(w.text.starts_with("Error in English.lng at row "));
    }
}

TEST(DisplayModeReselect, KeptWhenTheNewListIsLongEnough) {
    EXPECT_EQ(reselectedIndex(2, 4), 2);
    EXPECT_EQ(reselectedIndex(0, 1), 0);
    EXPECT_EQ(reselectedIndex(3, 3), -1);
    EXPECT_EQ(reselectedIndex(0, 0), -1);
    EXPECT_EQ(reselectedIndex(-1, 4), -1);
}

TEST(SplitHint, ShortBeforeFirstBarLongAfterIt) {
    constexpr HintParts parts = splitHint("Save|Saves the object|really");
    static_assert(parts.tool_tip == "Save" && parts.status == "Saves the object|really");
    EXPECT_EQ(splitHint("Delete").tool_tip, "Delete");
    EXPECT_EQ(splitHint("Delete").status, "Delete");
    EXPECT_EQ(splitHint("|long").tool_tip, "");
    EXPECT_EQ(splitHint("short|").status, "");
}

}  // namespace
}  // namespace tv
