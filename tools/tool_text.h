// The texts sternwerk-sky writes itself, in the language of the run: German
// UTF-8 source texts marked QT_TRANSLATE_NOOP("sternwerk-sky", ...).
#pragma once

#include <string>

#include "base/translation.h"

namespace sternwerk {

// The text shown for a marked text of sternwerk-sky.
std::string ToolText(const char* sourceText);

}  // namespace sternwerk
