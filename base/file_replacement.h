// Replacing a file's whole content so that readers see either the old or the
// complete new content, also after a crash or with a full disk.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/outcome.h"

namespace sternwerk {

// Writes content to a new file in the same directory as `file`, flushes it to
// the disk and renames it over `file` (a symbolic link of that name is
// replaced, not followed). Every file the program writes is written this way.
// A failure says "Die Datei <file> kann nicht geschrieben werden: " and the
// system's reason for the step that failed; then `file` is untouched and the
// new file removed.
Status ReplaceFileContent(const std::filesystem::path& file, std::string_view content);

}  // namespace sternwerk
