// The reasons the operating system gives for a failed file operation, in
// German, for the messages of the program and the tool.
#pragma once

#include <string>

namespace sternwerk {

// The German text (UTF-8) for an errno value: "Keine Berechtigung" for
// EACCES, "Kein Speicherplatz mehr auf dem Gerät" for ENOSPC, ...; a value
// without a text of its own gives "Systemfehler N".
std::string SystemErrorText(int error);

}  // namespace sternwerk
