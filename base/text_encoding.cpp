#include "base/text_encoding.h"

#include <array>

namespace sternwerk {
namespace {

constexpr char32_t kUnassigned = 0xFFFD;

// Code points of the bytes 0x80-0x9F.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC,      kUnassigned, 0x201A, 0x0192, 0x2026,      0x2020,      0x2021,      0x02C6,
    0x2030,      0x0160,      0x2039, 0x0152, kUnassigned, 0x017D,      kUnassigned, kUnassigned,
    kUnassigned, 0x2018,      0x2019, 0x201C, 0x201D,      0x2022,      0x2013,      0x2014,
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153,      kUnassigned, 0x017E,      0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr char kNotInWindows1252 = '?';

// The Windows-1252 byte of a code point, or kNotInWindows1252.
char Windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] == cp && cp != kUnassigned) return static_cast<char>(0x80 + i);
  }
  return kNotInWindows1252;
}

// The length of the UTF-8 sequence a lead byte opens, 0 for a byte that
// opens none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

char32_t Windows1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
  return byte;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) AppendUtf8(out, Windows1252CodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) {
      out += kNotInWindows1252;
      ++at;
      continue;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    bool wellFormed = true;
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      wellFormed = wellFormed && (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    out += wellFormed ? Windows1252Byte(cp) : kNotInWindows1252;
    at += wellFormed ? length : 1;
  }
  return out;
}

}  // namespace sternwerk
