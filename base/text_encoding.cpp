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

}  // namespace sternwerk
