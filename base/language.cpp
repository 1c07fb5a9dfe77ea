#include "base/language.h"

#include <algorithm>

namespace sternwerk {
namespace {

constexpr std::string_view kGermanName = "de";
constexpr std::string_view kEnglishName = "en";
constexpr const char* kExpectedNames = ": erwartet de oder en";

}  // namespace

Language LanguageOfUiLanguages(const std::vector<std::string>& uiLanguages) {
  if (!uiLanguages.empty() && uiLanguages.front().starts_with(kEnglishName))
    return Language::kEnglish;
  return Language::kGerman;
}

Outcome<Language> ReadLanguageName(std::string_view name) {
  if (name == kGermanName) return Outcome<Language>::Success(Language::kGerman);
  if (name == kEnglishName) return Outcome<Language>::Success(Language::kEnglish);
  return Outcome<Language>::Failure("Sprache \"" + std::string(name) + "\"" + kExpectedNames);
}

std::string_view LanguageName(Language language) {
  return language == Language::kEnglish ? kEnglishName : kGermanName;
}

Outcome<std::optional<Language>> TakeLanguageOption(std::vector<std::string>& args) {
  using Result = Outcome<std::optional<Language>>;
  const auto option = std::ranges::find(args, kLanguageOption);
  if (option == args.end()) return Result::Success(std::nullopt);
  if (std::next(option) == args.end())
    return Result::Failure(std::string(kLanguageOption) + kExpectedNames);
  const Outcome<Language> language = ReadLanguageName(*std::next(option));
  if (!language.ok()) return Result::Failure(language.error());
  args.erase(option, std::next(option, 2));
  if (std::ranges::find(args, kLanguageOption) != args.end())
    return Result::Failure(std::string(kLanguageOption) + " steht zweimal");
  return Result::Success(language.value());
}

}  // namespace sternwerk
