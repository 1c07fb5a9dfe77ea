// Writing a picture as a placeable Windows metafile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "platform/picture.h"

namespace sternwerk {

// The bytes of a placeable metafile of the picture: bounding box 0, 0,
// width, height at 96 units per inch, the picture's pixels as logical units,
// texts with their Windows-1252 bytes. A picture drawn into the picture is
// written as its operations moved and scaled into its target. Fails when a
// coordinate or size does not fit the format's 16-bit fields.
Outcome<std::vector<std::uint8_t>> EncodeWmf(const Picture& picture);

// Writes EncodeWmf's bytes to a file, replacing it.
Status SaveWmfFile(const Picture& picture, const std::string& path);

}  // namespace sternwerk
