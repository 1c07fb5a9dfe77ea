// The command line of the clock program, read before any window system is
// touched, so that --help and --version work without a display.
#pragma once

#include <string>
#include <vector>

namespace sternwerk {

inline constexpr const char* kDocumentsFolderOption = "--documents-folder";

struct ProgramOptions {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  bool inDocumentsFolder = false;  // work in Documents/Sternwerk
  std::string error;               // for kUsageError: what was wrong
};

// Reads the arguments after the program name, --language taken out before
// (TakeLanguageOption); messages and help in the language of the run.
ProgramOptions ReadProgramOptions(const std::vector<std::string>& args);

// The text printed by --help.
std::string ProgramHelp();

// The text printed by --version.
std::string ProgramVersion();

}  // namespace sternwerk
