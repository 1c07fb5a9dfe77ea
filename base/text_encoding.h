// Conversion of the program's Windows-1252 byte texts for output.
#pragma once

#include <string>
#include <string_view>

namespace sternwerk {

// Returns the UTF-8 form of a Windows-1252 text. Bytes 0xA0-0xFF equal
// Latin-1; 0x80-0x9F follow the Windows-1252 table, and its five unassigned
// bytes become U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);

// Returns the Windows-1252 form of a UTF-8 text; a character that
// Windows-1252 lacks, and a byte that is not part of a well-formed UTF-8
// sequence, become "?".
std::string Utf8ToWindows1252(std::string_view text);

// Unicode code point of one Windows-1252 byte (U+FFFD for unassigned bytes).
char32_t Windows1252CodePoint(unsigned char byte);

}  // namespace sternwerk
