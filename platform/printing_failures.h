// Why a print job failed, in the language of the run: the same two texts for
// a printed picture and for printed lines of text.
#pragma once

#include "base/translation.h"

namespace sternwerk {

inline constexpr const char* kPrintingContext = "sternwerk::Printing";
inline constexpr const char* kPrintNotStarted =
    QT_TRANSLATE_NOOP("sternwerk::Printing", "Der Druck kann nicht beginnen.");
inline constexpr const char* kPrintFailed =
    QT_TRANSLATE_NOOP("sternwerk::Printing", "Der Druck ist fehlgeschlagen.");

}  // namespace sternwerk
