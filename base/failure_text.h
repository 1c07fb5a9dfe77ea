// The one sentence that tells the user why something could not be done to a
// file or folder: what it is, what could not be done, and the reason, in the
// language of the run. Each failure is one whole sentence with "%1" for the
// name and "%2" for the reason, so that a translation puts them where its
// language wants them.
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"

namespace sternwerk {

// The context of the failure sentences; a sentence marked elsewhere is marked
// with it too.
inline constexpr const char* kFailureContext = "sternwerk::FailureText";

// The sentences for a file that cannot be written, read or opened.
inline constexpr const char* kWritten =
    QT_TRANSLATE_NOOP("sternwerk::FailureText", "Die Datei %1 kann nicht geschrieben werden: %2");
inline constexpr const char* kRead =
    QT_TRANSLATE_NOOP("sternwerk::FailureText", "Die Datei %1 kann nicht gelesen werden: %2");
inline constexpr const char* kOpened =
    QT_TRANSLATE_NOOP("sternwerk::FailureText", "Die Datei %1 kann nicht geöffnet werden: %2");

// The sentence in the language of the run with `name` and `reason` put in,
// for example "Die Datei /tmp/x.svg kann nicht geschrieben werden: Keine
// Berechtigung".
std::string FailureText(std::string_view name, const char* sentence, std::string_view reason);

}  // namespace sternwerk
