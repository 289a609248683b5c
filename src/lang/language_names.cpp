#include "lang/language_names.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>

namespace tv {

namespace {

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The root alphabet's order, whatever the user's locale: under the C locale a collator
// compares code points, which would put Árpád after Zulu, and a national alphabet may
// give an accented letter a place of its own.
const QCollator& languageCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::English)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Upper-casing first applies the full mappings (ß to SS), which simple case folding
// alone leaves out.
QString folded(std::string_view s) {
    return fromUtf8(s).toUpper().toCaseFolded();
}

}  // namespace

bool languageNameLess(std::string_view a, std::string_view b) {
    const int order = languageCollator().compare(fromUtf8(a), fromUtf8(b));
    return order != 0 ? order < 0 : a < b;
}

bool sameLanguageName(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

size_t sortedLanguagePosition(const std::vector<std::string>& sorted, std::string_view name) {
    const auto place = std::upper_bound(
        sorted.begin(), sorted.end(), name,
        [](std::string_view n, const std::string& item) { return languageNameLess(n, item); });
    return static_cast<size_t>(place - sorted.begin());
}

}  // namespace tv
