#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kToolContext = "sternwerk-sky";

}  // namespace

std::string ToolText(const char* sourceText) {
  return Translated(kToolContext, sourceText);
}

}  // namespace sternwerk
