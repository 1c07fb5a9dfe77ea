// The texts sternwerk-sky writes itself, in the language of the run: German
// UTF-8 source texts marked QT_TRANSLATE_NOOP("sternwerk-sky", ...).
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"

namespace sternwerk {

// The text shown for a marked text of sternwerk-sky.
std::string ToolText(const char* sourceText);

// The text with "%1" replaced by `argument`, so that a translation may place
// the argument where its language wants it.
std::string WithArgument(std::string text, std::string_view argument);

}  // namespace sternwerk
