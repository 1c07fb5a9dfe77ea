// The texts sternwerk-sky writes itself, in the language of the run: German
// UTF-8 source texts marked QT_TRANSLATE_NOOP("sternwerk-sky", ...).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace sternwerk {

// The text shown for a marked text of sternwerk-sky.
std::string ToolText(const char* sourceText);

// The text with "%1", "%2" ... replaced by the arguments in turn, so that a
// translation may place each where its language wants it.
std::string WithArguments(std::string text, std::initializer_list<std::string_view> arguments);

}  // namespace sternwerk
