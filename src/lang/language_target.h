// What a language file changes besides the text table: captions, hints and list items
// of the controls named by the component table. The window code implements it on the
// real widgets; LanguageModel keeps the same texts in plain arrays for tests and fuzzers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "lang/component_table.h"
#include "lang/language_names.h"

namespace tv {

// Each call names a slot whose control is of the kind the call needs (the applying
// code has checked it against the component table).
class LanguageTarget {
  public:
    virtual ~LanguageTarget() = default;

    // Removes every item of the drop-down list in `slot`.
    virtual void clearItems(int slot) = 0;
    // Adds an item to the drop-down list in `slot`: at the end, except in the language
    // list, which keeps its items in alphabetical order (languageNameLess).
    virtual void appendItem(int slot, const std::string& item) = 0;
    // Caption of a label, window, speed button, radio button or check box.
    virtual void setCaption(int slot, const std::string& caption) = 0;
    // Hint ("short|long") of a speed button, list, spin edit, track bar, radio button
    // or check box.
    virtual void setHint(int slot, const std::string& hint) = 0;
};

// The texts a language has given each slot; nothing where no file has set one.
struct SlotTexts {
    std::optional<std::string> caption;
    std::optional<std::string> hint;
    std::vector<std::string> items;
};

class LanguageModel final : public LanguageTarget {
  public:
    std::array<SlotTexts, kSlotCount> slot_texts;

    void clearItems(int slot) override { slot_texts[static_cast<size_t>(slot)].items.clear(); }
    void appendItem(int slot, const std::string& item) override {
        std::vector<std::string>& items = slot_texts[static_cast<size_t>(slot)].items;
        const size_t place =
            slot == kSlotLanguageList ? sortedLanguagePosition(items, item) : items.size();
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(place), item);
    }
    void setCaption(int slot, const std::string& caption) override {
        slot_texts[static_cast<size_t>(slot)].caption = caption;
    }
    void setHint(int slot, const std::string& hint) override {
        slot_texts[static_cast<size_t>(slot)].hint = hint;
    }
};

}  // namespace tv
