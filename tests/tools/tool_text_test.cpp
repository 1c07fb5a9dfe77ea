// The texts of sternwerk-sky: the translation hook asked with the tool's
// context, and the one line a command's result leaves on standard error.
#include "tools/tool_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/tool_result.h"

namespace sternwerk {
namespace {

std::string Context(const char* context, const char* sourceText) {
  return std::string(context) + ":" + sourceText;
}

TEST(ToolTextTranslation, AsksTheHookWithTheToolsContext) {
  EXPECT_EQ(Said("Zeile %1"), "Zeile %1");
  InstallTextTranslator(Context, Language::kEnglish);
  EXPECT_EQ(Said("Zeile %1"), "sternwerk-sky:Zeile %1");
  InstallTextTranslator(nullptr, Language::kGerman);
}

// Only a wrong command line points to --help; a request that is not carried
// out says why with its own status, and a command done says nothing.
TEST(ToolResultText, OnlyAUsageErrorPointsToHelp) {
  struct Case {
    ToolResult result;
    int status;
    std::string errorText;
  };
  const Case cases[] = {
      {ToolResult::Done(), 0, ""},
      {ToolResult::Done(kExitNotFound), 1, ""},
      {ToolResult::UsageError("Datum \"x\""), 2,
       "sternwerk-sky: Datum \"x\" (--help zeigt den Aufruf)\n"},
      {ToolResult::Failure("Die Datei kann nicht geschrieben werden"), 2,
       "sternwerk-sky: Die Datei kann nicht geschrieben werden\n"},
      {ToolResult::Failure("Kein Ort beginnt mit \"Xy\"", kExitNotFound), 1,
       "sternwerk-sky: Kein Ort beginnt mit \"Xy\"\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result.status(), c.status) << c.errorText;
    EXPECT_EQ(c.result.ErrorText(), c.errorText);
  }
  InstallTextTranslator(Context, Language::kEnglish);
  EXPECT_EQ(ToolResult::UsageError("x").ErrorText(),
            "sternwerk-sky: xsternwerk-sky: (--help zeigt den Aufruf)\n");
  InstallTextTranslator(nullptr, Language::kGerman);
}

}  // namespace
}  // namespace sternwerk
