// Fuzzes the language-file reader: the bytes of a file applied to the text table and to
// the plain model of the windows' captions, hints and list items, then every text used
// the way the program uses it (formatted as a message, split as a hint).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "lang/component_table.h"
#include "lang/format_text.h"
#include "lang/hint_text.h"
#include "lang/language_file.h"
#include "lang/language_target.h"
#include "lang/text_decoding.h"
#include "lang/text_table.h"

namespace tv::fuzz {

namespace {

// Whether a language line may give a control of `kind` a text with `effect`.
bool kindTakes(ControlKind kind, TextEffect effect) {
    for (const ComponentKindInfo& info : kComponentKinds) {
        if (info.required == kind && info.effect == effect) {
            return true;
        }
    }
    return false;
}

// A text a line gave: valid UTF-8 (the reader decodes the file first), a part of one line
// (no line break is left in it) and never ending in a blank or control character, since
// the line was trimmed.
void checkLineText(std::string_view text) {
    FUZZ_CHECK(isValidUtf8(text));
    FUZZ_CHECK(text.find('\n') == std::string_view::npos);
    FUZZ_CHECK(text.find('\r') == std::string_view::npos);
    FUZZ_CHECK(text.empty() || static_cast<unsigned char>(text.back()) > 32);
}

void checkFormatted(std::string_view pattern) {
    const std::string formatted[] = {
        formatText(pattern, {}),
        formatText(pattern, {std::string_view("Fuzz.lng"), 7LL}),
        formatText(pattern, {-2147483648LL, std::string_view("\xC5\x91"), 3327LL}),
    };
    for (const std::string& text : formatted) {
        FUZZ_CHECK(isValidUtf8(text));
    }
}

void checkModel(const LanguageModel& model) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotTexts& texts = model.slot_texts[static_cast<size_t>(slot)];
        const ControlKind kind = componentSlot(slot).kind;
        if (texts.caption) {
            FUZZ_CHECK(kindTakes(kind, TextEffect::SetCaption));
            checkLineText(*texts.caption);
        }
        if (texts.hint) {
            FUZZ_CHECK(kindTakes(kind, TextEffect::SetHint));
            checkLineText(*texts.hint);
            const HintParts parts = splitHint(*texts.hint);
            FUZZ_CHECK(parts.tool_tip.size() <= texts.hint->size() &&
                       parts.status.size() <= texts.hint->size());
            FUZZ_CHECK(isValidUtf8(parts.tool_tip) && isValidUtf8(parts.status));
        }
        if (!texts.items.empty()) {
            FUZZ_CHECK(kindTakes(kind, TextEffect::AppendItem));
        }
        for (const std::string& item : texts.items) {
            checkLineText(item);
        }
    }
}

}  // namespace

}  // namespace tv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tv;
    using namespace tv::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(isValidUtf8(decodeText(bytes)));

    TextTable texts;
    assignDefaultTexts(texts);
    const TextTable defaults = texts;
    LanguageModel model;
    model.slot_texts[kSlotDisplayModes].items = {"Wire frame"};
    int last_row = 0;
    applyLanguageFile(bytes, "Fuzz.lng", texts, model, [&](const LanguageWarning& warning) {
        // One warning at most for each line, in file order.
        FUZZ_CHECK(warning.row > last_row);
        last_row = warning.row;
        FUZZ_CHECK(isValidUtf8(warning.text));
    });

    checkModel(model);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] != defaults[i]) {
            checkLineText(texts[i]);
        }
        checkFormatted(texts[i]);
    }
    return 0;
}
