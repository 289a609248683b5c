// The language files shipped in data/lang, applied as the program applies them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/file_bytes.h"
#include "lang/language_file.h"
#include "lang/text_decoding.h"

namespace tv {
namespace {

// Speed buttons that show a letter instead of a picture.
std::string letterOf(int slot) {
    switch (slot) {
        case 19:
            return "H";
        case 20:
            return "O";
        case 73:
            return "G";
        case 61:
        case 81:
            return "D";
        case 63:
        case 83:
            return "A";
        case 65:
        case 85:
            return "S";
        default:
            return "";
    }
}

// The %s and %d of a text, in order.
std::string placeholders(const std::string& text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%') {
            out.push_back(text[i + 1]);
            ++i;
        }
    }
    return out;
}

struct Applied {
    TextTable texts;  // starts empty, so only what the file sets is there
    LanguageModel model;
    std::vector<LanguageWarning> warnings;
};

Applied applyShipped(const std::string& file_name) {
    Applied result;
    const std::optional<std::string> bytes =
        readFileBytes(std::string(TORVELLE_LANG_DATA_DIR) + file_name);
    EXPECT_TRUE(bytes) << file_name;
    if (bytes) {
        EXPECT_TRUE(isValidUtf8(*bytes)) << file_name;
        EXPECT_TRUE(bytes->starts_with(";")) << file_name;
        applyLanguageFile(*bytes, file_name, result.texts, result.model,
                          [&](const LanguageWarning& w) { result.warnings.push_back(w); });
    }
    return result;
}

void expectShortAndLongHint(const std::optional<std::string>& hint, int slot) {
    ASSERT_TRUE(hint) << "slot " << slot;
    const size_t bar = hint->find('|');
    ASSERT_NE(bar, std::string::npos) << "slot " << slot << ": " << *hint;
    EXPECT_GT(bar, 0u) << "slot " << slot;
    EXPECT_LT(bar + 1, hint->size()) << "slot " << slot;
}

// Every slot gets what its kind of control can show.
void expectCompleteLanguage(const Applied& applied) {
    for (const LanguageWarning& w : applied.warnings) {
        ADD_FAILURE() << w.text;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotTexts& got = applied.model.slot_texts[static_cast<size_t>(slot)];
        switch (componentSlot(slot).kind) {
            case ControlKind::None:
                EXPECT_FALSE(got.caption || got.hint) << slot;
                break;
            case ControlKind::Window:
            case ControlKind::Label:
                EXPECT_TRUE(got.caption) << slot;
                EXPECT_FALSE(got.hint) << slot;
                break;
            case ControlKind::RadioButton:
            case ControlKind::CheckBox:
                ASSERT_TRUE(got.caption) << slot;
                EXPECT_FALSE(got.caption->empty()) << slot;
                expectShortAndLongHint(got.hint, slot);
                break;
            case ControlKind::SpeedButton:
                EXPECT_EQ(got.caption.value_or(""), letterOf(slot)) << slot;
                expectShortAndLongHint(got.hint, slot);
                break;
            case ControlKind::DropDownList:
            case ControlKind::SpinEdit:
            case ControlKind::TrackBar:
                EXPECT_FALSE(got.caption) << slot;
                expectShortAndLongHint(got.hint, slot);
                break;
        }
        if (got.caption) {
            EXPECT_FALSE(got.caption->empty()) << slot;
        }
        if (slot != kSlotDisplayModes) {
            EXPECT_TRUE(got.items.empty()) << slot;
        }
    }
    EXPECT_EQ(applied.model.slot_texts[kSlotDisplayModes].items.size(), 4u);
    // Exactly the texts that have a built-in default are set.
    TextTable defaults;
    assignDefaultTexts(defaults);
    for (size_t index = 0; index < defaults.size(); ++index) {
        EXPECT_EQ(applied.texts[index].empty(), defaults[index].empty()) << "text " << index;
    }
}

TEST(ShippedLanguages, EnglishIsCompleteAndRestoresTheDefaults) {
    const Applied english = applyShipped("English.lng");
    expectCompleteLanguage(english);
    TextTable defaults;
    assignDefaultTexts(defaults);
    EXPECT_EQ(english.texts, defaults);
    EXPECT_EQ(english.model.slot_texts[kSlotDisplayModes].items,
              (std::vector<std::string>{"Wire frame", "Solid", "Flat shading", "Smooth shading"}));
    EXPECT_EQ(english.model.slot_texts[4].caption, "Language:");
    EXPECT_EQ(english.model.slot_texts[70].caption, "Light:");
    EXPECT_EQ(english.model.slot_texts[86].caption, "Directional");
    EXPECT_EQ(english.model.slot_texts[91].caption, "Spotlight");
}

TEST(ShippedLanguages, MagyarTranslatesEveryLine) {
    const Applied magyar = applyShipped("Magyar.lng");
    const Applied english = applyShipped("English.lng");
    expectCompleteLanguage(magyar);
    for (int index = 0; index < kTextCount; ++index) {
        const auto i = static_cast<size_t>(index);
        EXPECT_EQ(placeholders(magyar.texts[i]), placeholders(english.texts[i])) << index;
    }
    EXPECT_EQ(magyar.texts[kTextUntitled], "Névtelen");
    // The dialogs read the filter as description|pattern pairs: the patterns stay.
    EXPECT_TRUE(magyar.texts[kTextFileFilter].find("|*.tvl|") != std::string::npos);
    EXPECT_TRUE(magyar.texts[kTextFileFilter].ends_with("|*.*"));
    EXPECT_EQ(magyar.model.slot_texts[kSlotDisplayModes].items,
              (std::vector<std::string>{"Drótváz", "Tömör", "Sík árnyalás", "Sima árnyalás"}));
    EXPECT_EQ(magyar.model.slot_texts[4].caption, "Nyelv:");
    EXPECT_EQ(magyar.model.slot_texts[91].caption, "Reflektor");
    // Hints and window captions are all translated.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (english.model.slot_texts[s].hint) {
            EXPECT_NE(magyar.model.slot_texts[s].hint, english.model.slot_texts[s].hint) << slot;
        }
        if (componentSlot(slot).kind == ControlKind::Window) {
            EXPECT_NE(magyar.model.slot_texts[s].caption, english.model.slot_texts[s].caption)
                << slot;
        }
    }
}

}  // namespace
}  // namespace tv
