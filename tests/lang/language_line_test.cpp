#include <gtest/gtest.h>

#include "lang/component_table.h"
#include "lang/language_line.h"

namespace tv {
namespace {

TEST(ComponentNumber, DecimalAndHexadecimalWithOptionalSign) {
    EXPECT_EQ(parseComponentNumber("0"), 0);
    EXPECT_EQ(parseComponentNumber("516"), 516);
    EXPECT_EQ(parseComponentNumber("+786"), 786);
    EXPECT_EQ(parseComponentNumber("-1"), -1);
    EXPECT_EQ(parseComponentNumber("-0"), 0);
    EXPECT_EQ(parseComponentNumber("007"), 7);
    EXPECT_EQ(parseComponentNumber("$204"), 516);
    EXPECT_EQ(parseComponentNumber("0x1fF"), 511);
    EXPECT_EQ(parseComponentNumber("0X10"), 16);
    EXPECT_EQ(parseComponentNumber("-$10"), -16);
    EXPECT_EQ(parseComponentNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseComponentNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseComponentNumber("$7FFFFFFF"), 2147483647);
}

TEST(ComponentNumber, AnythingElseIsNotAnInteger) {
    for (const char* text :
         {"",    "+",   "-",   "$",   "0x",   "x10", "12 ", " 12", "1 2", "12a",
          "1.0", "1e3", "$-5", "$ 5", "0x-5", "--1", "+-1", "0b1", "٣",   "１２"}) {
        EXPECT_EQ(parseComponentNumber(text), -1) << '"' << text << '"';
    }
    // Too large for 32 bits, however many digits: never wraps round into range.
    EXPECT_EQ(parseComponentNumber("2147483648"), -1);
    EXPECT_EQ(parseComponentNumber("-2147483649"), -1);
    EXPECT_EQ(parseComponentNumber("$80000000"), -1);
    EXPECT_EQ(parseComponentNumber("4294967812"), -1);  // 2^32 + 516
    EXPECT_EQ(parseComponentNumber("99999999999999999999999999999999999999"), -1);
    EXPECT_EQ(parseComponentNumber("0x100000000000000204"), -1);
    EXPECT_EQ(parseComponentNumber(std::string_view("12\0", 3)), -1);
}

TEST(LanguageLine, SplitsAtTheFirstEqualsSign) {
    LanguageLine line = parseLanguageLine("0=a=b");
    EXPECT_EQ(line.kind, LanguageLine::Kind::Entry);
    EXPECT_EQ(line.number, 0);
    EXPECT_EQ(line.text, "a=b");

    line = parseLanguageLine("12=");
    EXPECT_EQ(line.kind, LanguageLine::Kind::Entry);
    EXPECT_EQ(line.text, "");

    line = parseLanguageLine("516=  Language:");  // blanks after "=" belong to the text
    EXPECT_EQ(line.number, 516);
    EXPECT_EQ(line.text, "  Language:");
}

TEST(LanguageLine, CommentsSkippedMalformedLinesReported) {
    EXPECT_EQ(parseLanguageLine("").kind, LanguageLine::Kind::Skip);
    EXPECT_EQ(parseLanguageLine(";12=x").kind, LanguageLine::Kind::Skip);
    for (const char* text : {"12 Untitled", "=abc", "-1=abc", "12 =x", "x=1", "99999999999=x"}) {
        EXPECT_EQ(parseLanguageLine(text).kind, LanguageLine::Kind::Malformed) << text;
    }
    // A large number is well-formed here; the component table refuses it.
    EXPECT_EQ(parseLanguageLine("3328=abc").kind, LanguageLine::Kind::Entry);
}

TEST(ComponentTable, SlotsOfEachWindow) {
    struct Expected {
        int slot;
        FormId form;
        const char* name;
        ControlKind kind;
    };
    const Expected expected[] = {
        {0, FormId::Fomenu, "g_uj", ControlKind::SpeedButton},
        {4, FormId::Fomenu, "l_lang", ControlKind::Label},
        {5, FormId::Fomenu, "list_lang", ControlKind::DropDownList},
        {18, FormId::Fomenu, "list_tip", ControlKind::DropDownList},
        {21, FormId::Fomenu, "szog", ControlKind::SpinEdit},
        {22, FormId::Fomenu, "g_mozg", ControlKind::SpeedButton},
        {23, FormId::Mozg, "form_mozg", ControlKind::Window},
        {27, FormId::Mozg, "tb_z", ControlKind::TrackBar},
        {28, FormId::Fomenu, "g_zoom", ControlKind::SpeedButton},
        {31, FormId::Zoom, "tb_zoom", ControlKind::TrackBar},
        {32, FormId::Nevjegy, "form_nevjegy", ControlKind::Window},
        {39, FormId::Nevjegy, "l_honlap", ControlKind::Label},
        {40, FormId::Zoom, "g_alap", ControlKind::SpeedButton},
        {41, FormId::Mozg, "g_alap", ControlKind::SpeedButton},
        {42, FormId::Fomenu, "g_forg", ControlKind::SpeedButton},
        {49, FormId::Forg, "g_fzm", ControlKind::SpeedButton},
        {55, FormId::Forg, "g_alap", ControlKind::SpeedButton},
        {56, FormId::Fomenu, "g_anyag", ControlKind::SpeedButton},
        {67, FormId::Anyag, "tb_mshininess", ControlKind::TrackBar},
        {68, FormId::Anyag, "g_alap", ControlKind::SpeedButton},
        {69, FormId::Fomenu, "g_feny", ControlKind::SpeedButton},
        {70, FormId::Feny, "form_feny", ControlKind::Window},
        {76, FormId::Feny, "rb_3", ControlKind::RadioButton},
        {79, FormId::Feny, "cb_irany", ControlKind::CheckBox},
        {87, FormId::Feny, "rb_poz", ControlKind::RadioButton},
        {91, FormId::Feny, "cb_spot", ControlKind::CheckBox},
        {97, FormId::Feny, "tb_pz", ControlKind::TrackBar},
        {98, FormId::Feny, "g_alap", ControlKind::SpeedButton},
        {99, FormId::Fomenu, "g_alap", ControlKind::SpeedButton},
        {101, FormId::Fomenu, "g_norm", ControlKind::SpeedButton},
    };
    for (const Expected& e : expected) {
        const ComponentSlot& slot = componentSlot(e.slot);
        EXPECT_EQ(slot.form, e.form) << e.slot;
        EXPECT_STREQ(slot.name, e.name) << e.slot;
        EXPECT_EQ(slot.kind, e.kind) << e.slot;
    }
    int window_count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(componentSlot(slot).kind == ControlKind::None, slot >= kFilledSlotCount) << slot;
        window_count += componentSlot(slot).kind == ControlKind::Window;
    }
    EXPECT_EQ(window_count, 6);  // every window but the main window
    EXPECT_EQ(componentSlot(-1).kind, ControlKind::None);
    EXPECT_EQ(componentSlot(256).kind, ControlKind::None);
    EXPECT_STREQ(formClassName(componentSlot(70).form), "Tform_feny");
}

TEST(ComponentTable, ResolvesKindAndSlotWithTypeCheck) {
    const auto expectRef = [](int number, TextEffect effect, int index) {
        const std::optional<ComponentRef> ref = resolveComponent(number);
        ASSERT_TRUE(ref) << number;
        EXPECT_EQ(ref->effect, effect) << number;
        EXPECT_EQ(ref->index, index) << number;
    };
    expectRef(0, TextEffect::SetText, 0);
    expectRef(255, TextEffect::SetText, 255);
    expectRef(100, TextEffect::SetText, 100);    // text 100, not slot 100
    expectRef(256, TextEffect::SetHint, 0);      // g_uj
    expectRef(516, TextEffect::SetCaption, 4);   // l_lang
    expectRef(786, TextEffect::AppendItem, 18);  // list_tip
    expectRef(773, TextEffect::AppendItem, 5);   // list_lang
    expectRef(1042, TextEffect::SetHint, 18);
    expectRef(1301, TextEffect::SetHint, 21);     // szog
    expectRef(1567, TextEffect::SetHint, 31);     // tb_zoom
    expectRef(1862, TextEffect::SetCaption, 70);  // form_feny
    expectRef(2067, TextEffect::SetCaption, 19);  // g_hatter's letter
    expectRef(2378, TextEffect::SetCaption, 74);  // rb_1
    expectRef(2634, TextEffect::SetHint, 74);
    expectRef(2893, TextEffect::SetCaption, 77);  // cb_be
    expectRef(3163, TextEffect::SetHint, 91);     // cb_spot

    // Beyond the last kind, empty slots, and a control of the wrong type.
    for (const int number : {-1, 3328, 3327, 358, 511, 2052, 260, 1024, 1793, 2048 + 74, 2816 + 74,
                             1280 + 18, 768 + 0, 1536 + 4, 2560 + 77}) {
        EXPECT_FALSE(resolveComponent(number)) << number;
    }
}

}  // namespace
}  // namespace tv
