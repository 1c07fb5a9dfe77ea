#include "tools/tool_result.h"

#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kProgramPrefix = "sternwerk-sky: ";
constexpr const char* kHelpHint = QT_TRANSLATE_NOOP("sternwerk-sky", " (--help zeigt den Aufruf)");

}  // namespace

std::string ToolResult::ErrorText() const {
  if (done()) return {};
  return kProgramPrefix + message_ +
         (kind_ == Kind::kUsageError ? Said(kHelpHint) : std::string()) + '\n';
}

}  // namespace sternwerk
