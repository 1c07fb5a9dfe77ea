#include "base/language.h"

#include <algorithm>

#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr std::string_view kGermanName = "de";
constexpr std::string_view kEnglishName = "en";
constexpr const char* kContext = "sternwerk::Language";
constexpr const char* kUnknownName =
    QT_TRANSLATE_NOOP("sternwerk::Language", "Sprache \"%1\": erwartet de oder en");
constexpr const char* kMissingName =
    QT_TRANSLATE_NOOP("sternwerk::Language", "%1: erwartet de oder en");
constexpr const char* kGivenTwice = QT_TRANSLATE_NOOP("sternwerk::Language", "%1 steht zweimal");

std::string Refusal(const char* text, std::string_view argument) {
  return WithArguments(Translated(kContext, text), {argument});
}

}  // namespace

Language LanguageOfUiLanguages(const std::vector<std::string>& uiLanguages) {
  if (!uiLanguages.empty() && uiLanguages.front().starts_with(kEnglishName))
    return Language::kEnglish;
  return Language::kGerman;
}

Outcome<Language> ReadLanguageName(std::string_view name) {
  if (name == kGermanName) return Outcome<Language>::Success(Language::kGerman);
  if (name == kEnglishName) return Outcome<Language>::Success(Language::kEnglish);
  return Outcome<Language>::Failure(Refusal(kUnknownName, name));
}

std::string_view LanguageName(Language language) {
  return language == Language::kEnglish ? kEnglishName : kGermanName;
}

Outcome<std::optional<Language>> TakeLanguageOption(std::vector<std::string>& args) {
  using Result = Outcome<std::optional<Language>>;
  const auto option = std::ranges::find(args, kLanguageOption);
  if (option == args.end()) return Result::Success(std::nullopt);
  if (std::next(option) == args.end())
    return Result::Failure(Refusal(kMissingName, kLanguageOption));
  const Outcome<Language> language = ReadLanguageName(*std::next(option));
  if (!language.ok()) return Result::Failure(language.error());
  args.erase(option, std::next(option, 2));
  if (std::ranges::find(args, kLanguageOption) != args.end())
    return Result::Failure(Refusal(kGivenTwice, kLanguageOption));
  return Result::Success(language.value());
}

}  // namespace sternwerk
