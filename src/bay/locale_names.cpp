#include "bay/locale_names.h"

#include <QLocale>
#include <QString>

#include <locale.h>
#include <algorithm>
#include <cctype>
#include <clocale>

namespace cw {

namespace {

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// What the C library has: newlocale fails for a name that is not installed.
bool cLibraryHas(const std::string& name) {
    locale_t loc = ::newlocale(LC_ALL_MASK, name.c_str(), locale_t(nullptr));
    if (loc == locale_t(nullptr))
        return false;
    ::freelocale(loc);
    return true;
}

// What Qt's locale data has: QLocale falls back to C (or to a language's main territory) for
// a name it does not know, so the language and territory asked for must be the ones given.
bool qtHas(std::string_view name) {
    std::string_view base = name.substr(0, name.find_first_of(".@"));
    const std::size_t cut = base.find_first_of("_-");
    const std::string_view language = base.substr(0, cut);
    const std::string_view territory =
        cut == std::string_view::npos ? std::string_view() : base.substr(cut + 1);
    if (language.empty() || (cut != std::string_view::npos && territory.empty()))
        return false;
    const QLocale locale(QString::fromUtf8(base.data(), qsizetype(base.size())));
    if (locale.language() == QLocale::C)
        return false;
    if (!sameNoCase(QLocale::languageToCode(locale.language()).toStdString(), language))
        return false;
    return territory.empty() ||
           sameNoCase(QLocale::territoryToCode(locale.territory()).toStdString(), territory);
}

}  // namespace

bool localeInstalled(std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos)
        return false;
    const std::string_view base = name.substr(0, name.find_first_of(".@"));
    if (base == "C" || base == "POSIX")
        return true;
    return cLibraryHas(std::string(name)) || qtHas(name);
}

std::vector<std::string> installedLocales() {
    std::vector<std::string> names;
    for (const QLocale& l :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
        if (l.language() != QLocale::C)
            names.push_back(QLocale::languageToCode(l.language()).toStdString() + "_" +
                            QLocale::territoryToCode(l.territory()).toStdString());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    names.insert(names.begin(), {"C", "POSIX"});
    return names;
}

std::string unknownLocaleMessage(std::string_view name) {
    std::string out = "unknown locale \"";
    out += name;
    out += "\"; installed:";
    const std::vector<std::string> names = installedLocales();
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += i == 0 ? " " : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace cw
