// Reading a placeable Windows metafile back into a picture. The program only
// writes metafiles; the tests, the fuzzer and the benchmark read them back.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/outcome.h"
#include "platform/picture.h"

namespace sternwerk {

// The picture a placeable metafile holds. Its nominal size is the bounding
// box at 96 pixels per inch; logical units are mapped onto it through the
// window origin and extent. Records that draw nothing this program draws
// are skipped. Any bytes that are not such a file (empty, truncated, another
// format, sizes or counts that do not fit) give an error message; nothing is
// read outside `bytes`.
Outcome<Picture> DecodeWmf(std::span<const std::uint8_t> bytes);

// Reads a file and decodes it; a file that cannot be read gives an error.
Outcome<Picture> LoadWmfFile(const std::string& path);

// The picture as a reader gets it back from our writer: faces that stand for
// Arial are named Arial, everything else as recorded.
Picture AsWritten(const Picture& picture);

}  // namespace sternwerk
