// The face name of the program's symbol font, as drawings record it and the
// font database lists it. Its glyphs sit on the Windows-1252 characters of
// the factor and sign tables.
#pragma once

namespace sternwerk {

inline constexpr char kSymbolFace[] = "VizizizizuRavorod";

}  // namespace sternwerk
