#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kToolContext = "sternwerk-sky";
constexpr std::string_view kArgumentMark = "%1";

}  // namespace

std::string ToolText(const char* sourceText) {
  return Translated(kToolContext, sourceText);
}

std::string WithArgument(std::string text, std::string_view argument) {
  const std::size_t mark = text.find(kArgumentMark);
  if (mark != std::string::npos) text.replace(mark, kArgumentMark.size(), argument);
  return text;
}

}  // namespace sternwerk
