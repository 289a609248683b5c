// How language names are compared: the alphabetical order of the language list and
// the matching of a name given in any letter case. Names are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv {

// True when `a` comes before `b` in the language list: alphabetical order in which an
// accented letter sorts with its base letter and case is ignored (Árpád, Bolgár,
// Cseh). Names the order holds equal fall back to their bytes, so the order is total.
bool languageNameLess(std::string_view a, std::string_view b);

// True when the two names are equal under full Unicode case folding (deutschä and
// DeutschÄ, Straße and STRASSE).
bool sameLanguageName(std::string_view a, std::string_view b);

// Where `name` goes in `sorted`, a list in the order of languageNameLess: after every
// name that does not come after it.
size_t sortedLanguagePosition(const std::vector<std::string>& sorted, std::string_view name);

}  // namespace tv
