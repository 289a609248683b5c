#include "lang/language_warning.h"

#include "lang/format_text.h"

namespace tv {

std::string rowErrorHead(const TextTable& texts, std::string_view file_name, int row) {
    return formatText(texts[kTextRowError], {file_name, row});
}

}  // namespace tv
