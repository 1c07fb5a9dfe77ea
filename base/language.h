// The language the program speaks: German, or English for a desktop set to
// English or when asked for on the command line. Chosen once at start.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"

namespace sternwerk {

enum class Language { kGerman, kEnglish };

inline constexpr std::string_view kLanguageOption = "--language";

// The language of the desktop's preferred interface languages, best first
// (as QLocale::uiLanguages lists them: "en-US", "de-DE", "C"): English when
// the first starts with "en", German for every other language, for a C or
// POSIX locale and for an empty list.
Language LanguageOfUiLanguages(const std::vector<std::string>& uiLanguages);

// The language a value of --language names: "de" or "en".
Outcome<Language> ReadLanguageName(std::string_view name);

// The short name of a language as files and --language name it: "de", "en".
std::string_view LanguageName(Language language);

// Takes "--language VALUE" out of the arguments, wherever it stands: the
// language asked for, none when the option is absent, or a failure for a
// missing or unknown value or a second --language.
Outcome<std::optional<Language>> TakeLanguageOption(std::vector<std::string>& args);

}  // namespace sternwerk
