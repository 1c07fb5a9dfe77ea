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

// The text with "%1" to "%9" replaced by the first to ninth argument, so that
// a translation may place each where its language wants it. Marks within
// the arguments stay as they are; a mark without its argument stays too.
std::string WithArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace sternwerk
