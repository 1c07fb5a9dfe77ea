// The texts of sternwerk-sky: the translation hook asked with the tool's
// context.
#include "tools/tool_text.h"

#include <gtest/gtest.h>

#include <string>

namespace sternwerk {
namespace {

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
