// The reasons the operating system gives for a failed file operation, in
// the language of the run, for the messages of the program and the tool.
#pragma once

#include <string>

namespace sternwerk {

// The text (UTF-8) for an errno value: in German "Keine Berechtigung" for
// EACCES, "Kein Speicherplatz mehr auf dem Gerät" for ENOSPC, ...; a value
// without a text of its own gives "Systemfehler N". In English the C
// library's own wording.
std::string SystemErrorText(int error);

}  // namespace sternwerk
