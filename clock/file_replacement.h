// Replacing a file's whole content so that readers see either the old or the
// complete new content, also after a crash or with a full disk.
#pragma once

#include <filesystem>
#include <string_view>

namespace sternwerk {

// Writes content to a new file in the same directory as `file`, flushes it to
// the disk and renames it over `file`. Returns 0, or the errno value of the
// step that failed; then `file` is untouched and the new file removed.
int ReplaceFileContent(const std::filesystem::path& file, std::string_view content);

}  // namespace sternwerk
