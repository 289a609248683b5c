#include "lang/language_file.h"

#include "lang/component_table.h"
#include "lang/format_text.h"
#include "lang/language_line.h"
#include "lang/text_lines.h"

namespace tv {

namespace {

std::string lineWarning(const TextTable& texts, std::string_view file_name, int row,
                        std::string_view line) {
    std::string text = rowErrorHead(texts, file_name, row);
    text.push_back(kWarningLineBreak);
    text.append(line);
    return text;
}

void applyText(const ComponentRef& ref, std::string_view text, TextTable& texts,
               LanguageTarget& target) {
    const std::string value(text);
    switch (ref.effect) {
        case TextEffect::SetText:
            texts[static_cast<size_t>(ref.index)] = value;
            break;
        case TextEffect::SetHint:
            target.setHint(ref.index, value);
            break;
        case TextEffect::SetCaption:
            target.setCaption(ref.index, value);
            break;
        case TextEffect::AppendItem:
            target.appendItem(ref.index, value);
            break;
    }
}

}  // namespace

void applyLanguageFile(std::string_view file_bytes, std::string_view file_name, TextTable& texts,
                       LanguageTarget& target, const WarningSink& warn) {
    target.clearItems(kSlotDisplayModes);
    LineReader reader(file_bytes);
    std::string_view raw;
    while (reader.next(raw)) {
        const std::string_view line = trimControls(raw);
        const LanguageLine parsed = parseLanguageLine(line);
        if (parsed.kind == LanguageLine::Kind::Skip) {
            continue;
        }
        const int row = reader.row();
        if (parsed.kind == LanguageLine::Kind::Malformed) {
            warn({row, lineWarning(texts, file_name, row, line)});
            continue;
        }
        const std::optional<ComponentRef> ref = resolveComponent(parsed.number);
        if (!ref) {
            std::string text = lineWarning(texts, file_name, row, line);
            text.push_back(kWarningLineBreak);
            text.append(formatText(texts[kTextNoComponent], {parsed.number}));
            warn({row, std::move(text)});
            continue;
        }
        applyText(*ref, parsed.text, texts, target);
    }
}

}  // namespace tv
