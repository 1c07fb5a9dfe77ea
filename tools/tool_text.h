// The texts sternwerk-sky writes itself, in the language of the run: German
// UTF-8 source texts marked QT_TRANSLATE_NOOP("sternwerk-sky", ...), each
// said with Said(kText).
#pragma once

#include "base/translation.h"

namespace sternwerk {

inline constexpr ContextTexts Said("sternwerk-sky");

}  // namespace sternwerk
