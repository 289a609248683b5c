// Applying a language file: each line "N=text" replaces a text of the text table
// (N 0..255) or a caption, hint or list item of the control that the component table
// gives N (kind N / 256, slot N % 256). Bad lines give warnings W1 and W2 and the rest
// of the file is still applied.
//
// The window code wraps the call: before it, it checks that the file can be read
// (error text 10 otherwise) and remembers the selected item of the display-mode list;
// after it, it rewrites the modified word, the untitled caption and the dialog filters,
// and selects the remembered display mode again (reselectedIndex).
#pragma once

#include <string_view>

#include "lang/language_target.h"
#include "lang/language_warning.h"
#include "lang/text_table.h"

namespace tv {

// Empties the display-mode list (slot 18; the file's 786= lines fill it again), then
// applies every line of `file_bytes` in order. `file_name` is the name the warnings
// show, such as "English.lng". Warnings are worded with the texts in force when they
// occur, so a line that sets text 0 changes the warnings of later lines.
//   W1 (no "=", or a number that is not a non-negative integer):
//       text 0 with file and row, line break, the trimmed line.
//   W2 (a number that names no suitable control):
//       the same, then a line break and text 9 with the number.
void applyLanguageFile(std::string_view file_bytes, std::string_view file_name, TextTable& texts,
                       LanguageTarget& target, const WarningSink& warn);

// The display mode to select after a language was applied: the remembered index when
// the new list is long enough, else -1 (no selection).
constexpr int reselectedIndex(int remembered, int item_count) {
    return remembered >= 0 && remembered < item_count ? remembered : -1;
}

}  // namespace tv
