#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kToolContext = "sternwerk-sky";
constexpr char kArgumentMark = '%';

}  // namespace

std::string ToolText(const char* sourceText) {
  return Translated(kToolContext, sourceText);
}

std::string WithArguments(std::string text, std::initializer_list<std::string_view> arguments) {
  int number = 1;
  for (const std::string_view argument : arguments) {
    const std::string mark = kArgumentMark + std::to_string(number++);
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), argument);
  }
  return text;
}

}  // namespace sternwerk
