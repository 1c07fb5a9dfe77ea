// The choice of the language from the desktop and the command line, and the
// translation hook of the Qt-free layers.
#include "base/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/translation.h"

namespace sternwerk {
namespace {

using Args = std::vector<std::string>;

TEST(LanguageChoice, EnglishOnlyWhenTheDesktopsFirstLanguageIsEnglish) {
  const struct {
    std::vector<std::string> uiLanguages;
    Language expected;
  } cases[] = {
      {{"en-US"}, Language::kEnglish},
      {{"en"}, Language::kEnglish},
      {{"en-GB", "de-DE"}, Language::kEnglish},
      {{"de-DE", "en"}, Language::kGerman},
      {{"C"}, Language::kGerman},
      {{"POSIX"}, Language::kGerman},
      {{"fr"}, Language::kGerman},
      {{}, Language::kGerman},
  };
  for (const auto& [uiLanguages, expected] : cases) {
    EXPECT_EQ(LanguageOfUiLanguages(uiLanguages), expected)
        << (uiLanguages.empty() ? "(none)" : uiLanguages.front());
  }
}

TEST(LanguageChoice, NamesReadBackAsTheirLanguage) {
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    const Outcome<Language> read = ReadLanguageName(LanguageName(language));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), language);
  }
  for (const char* unknown : {"", "EN", "english", "fr", "de-DE"}) {
    const Outcome<Language> read = ReadLanguageName(unknown);
    ASSERT_FALSE(read.ok()) << unknown;
    EXPECT_NE(read.error().find("de oder en"), std::string::npos) << read.error();
  }
}

TEST(LanguageOption, IsTakenOutWhereverItStands) {
  Args args{"--search", "--language", "en", "vollmond", "01.01.2024"};
  const Outcome<std::optional<Language>> taken = TakeLanguageOption(args);
  ASSERT_TRUE(taken.ok());
  EXPECT_EQ(taken.value(), Language::kEnglish);
  EXPECT_EQ(args, (Args{"--search", "vollmond", "01.01.2024"}));

  Args without{"--help"};
  const Outcome<std::optional<Language>> none = TakeLanguageOption(without);
  ASSERT_TRUE(none.ok());
  EXPECT_FALSE(none.value().has_value());
  EXPECT_EQ(without, Args{"--help"});
}

TEST(LanguageOption, RefusesAMissingOrUnknownValueAndASecondOption) {
  const struct {
    Args args;
    const char* named;  // what the message names
  } cases[] = {
      {{"--language"}, "--language"},
      {{"--language", "fr"}, "\"fr\""},
      {{"--language", "de", "--language", "en"}, "--language"},
  };
  for (auto [args, named] : cases) {
    const Outcome<std::optional<Language>> taken = TakeLanguageOption(args);
    ASSERT_FALSE(taken.ok()) << named;
    EXPECT_NE(taken.error().find(named), std::string::npos) << taken.error();
  }
}

// A translator that marks what it was asked, to see the hook pass context
// and text through.
std::string Marked(const char* context, const char* sourceText) {
  return std::string(context) + "|" + sourceText;
}

TEST(TranslationHook, KeepsTheSourceTextAndGermanUntilATranslatorIsInstalled) {
  EXPECT_EQ(Translated("ctx", "Länge"), "Länge");
  EXPECT_EQ(ShownLanguage(), Language::kGerman);
  InstallTextTranslator(Marked, Language::kEnglish);
  EXPECT_EQ(Translated("ctx", "Länge"), "ctx|Länge");
  EXPECT_EQ(ShownLanguage(), Language::kEnglish);
  InstallTextTranslator(nullptr, Language::kEnglish);
  EXPECT_EQ(Translated("ctx", "Länge"), "Länge");
  EXPECT_EQ(ShownLanguage(), Language::kGerman) << "no translator speaks German";
}

TEST(TextArguments, GoWhereTheTextPlacesThemInAnyOrder) {
  EXPECT_EQ(WithArguments("Datum %1: %2", {"\"x\"", "falsch"}), "Datum \"x\": falsch");
  EXPECT_EQ(WithArguments("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(WithArguments("%1 and %1", {"it"}), "it and it");
}

TEST(TextArguments, MarksInsideAnArgumentOrWithoutOneStay) {
  // A typed value may hold what looks like a mark; it is not filled again.
  EXPECT_EQ(WithArguments("%1 %2: between %3 and %4", {"lon", "\"%3%4\"", "-180", "180"}),
            "lon \"%3%4\": between -180 and 180");
  EXPECT_EQ(WithArguments("100% of %1, %2 missing", {"all"}), "100% of all, %2 missing");
  EXPECT_EQ(WithArguments("ends in %", {"x"}), "ends in %");
}

}  // namespace
}  // namespace sternwerk
