// The one sentence that tells the user why something could not be done to a
// file or folder: what it is, what could not be done, and the reason.
#pragma once

#include <string>
#include <string_view>

namespace sternwerk {

// "<subject> kann nicht <done> werden: <reason>", for example "Der
// Arbeitsordner /home/a/Dokumente kann nicht angelegt werden: Keine
// Berechtigung".
std::string FailureText(std::string_view subject, std::string_view done, std::string_view reason);

// FailureText for the file at `path`: "Die Datei <path> kann nicht <done>
// werden: <reason>".
std::string FileFailureText(std::string_view path, std::string_view done, std::string_view reason);

// The participles the file messages use.
inline constexpr std::string_view kWritten = "geschrieben";
inline constexpr std::string_view kRead = "gelesen";
inline constexpr std::string_view kOpened = "geöffnet";

}  // namespace sternwerk
