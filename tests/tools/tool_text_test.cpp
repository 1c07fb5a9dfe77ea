// The texts of sternwerk-sky: arguments put where the translation places
// them, and the translation hook asked with the tool's context.
#include "tools/tool_text.h"

#include <gtest/gtest.h>

#include <string>

namespace sternwerk {
namespace {

TEST(ToolTextArguments, GoWhereTheTextPlacesThemInAnyOrder) {
  EXPECT_EQ(WithArguments("Datum %1: %2", {"\"x\"", "falsch"}), "Datum \"x\": falsch");
  EXPECT_EQ(WithArguments("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(WithArguments("%1 and %1", {"it"}), "it and it");
}

TEST(ToolTextArguments, MarksInsideAnArgumentOrWithoutOneStay) {
  // A typed value may hold what looks like a mark; it is not filled again.
  EXPECT_EQ(WithArguments("%1 %2: between %3 and %4", {"lon", "\"%3%4\"", "-180", "180"}),
            "lon \"%3%4\": between -180 and 180");
  EXPECT_EQ(WithArguments("100% of %1, %2 missing", {"all"}), "100% of all, %2 missing");
  EXPECT_EQ(WithArguments("ends in %", {"x"}), "ends in %");
}

std::string Context(const char* context, const char* sourceText) {
  return std::string(context) + ":" + sourceText;
}

TEST(ToolTextTranslation, AsksTheHookWithTheToolsContext) {
  EXPECT_EQ(ToolText("Zeile %1"), "Zeile %1");
  InstallTextTranslator(Context, Language::kEnglish);
  EXPECT_EQ(ToolText("Zeile %1"), "sternwerk-sky:Zeile %1");
  InstallTextTranslator(nullptr, Language::kGerman);
}

}  // namespace
}  // namespace sternwerk
