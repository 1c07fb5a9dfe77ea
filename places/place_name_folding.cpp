#include "places/place_name_folding.h"

#include <cstdint>
#include <optional>
#include <string>

#include "base/text_encoding.h"

namespace sternwerk {
namespace {

// Base letters of U+00C0..U+00FF; '*' marks letters folded by
// FoldedSpecial, '.' characters that are kept as they are.
constexpr std::string_view kLatin1Letters =
    "aaaa*a*ceeeeiiii"
    "dnoooo*.ouuu*y**"
    "aaaa*a*ceeeeiiii"
    "dnoooo*.ouuu*y*y";
// Base letters of U+0100..U+017F (Latin Extended-A); '*' as above.
constexpr std::string_view kExtendedALetters =
    "aaaaaaccccccccdd"
    "ddeeeeeeeeeegggg"
    "gggghhhhiiiiiiii"
    "ii**jjkkklllllll"
    "lllnnnnnnnnnoooo"
    "oo**rrrrrrssssss"
    "ssttttttuuuuuuuu"
    "uuuuwwyyyzzzzzzs";

constexpr char32_t kFirstBeyondAscii = 0x80;
constexpr char32_t kLatin1First = 0xC0;
constexpr char32_t kExtendedAFirst = 0x100;
constexpr char32_t kExtendedAEnd = 0x180;

// The characters that part the words of a name.
constexpr std::string_view kWordBreaks = " -./()";
constexpr std::size_t kNone = std::string_view::npos;

// The letters that fold to more than one letter, or differently by folding.
std::string_view FoldedSpecial(char32_t letter, Folding folding) {
  const bool plain = folding == Folding::kPlain;
  switch (letter) {
    case U'Ä':
    case U'ä':
      return plain ? "a" : "ae";
    case U'Ö':
    case U'ö':
      return plain ? "o" : "oe";
    case U'Ü':
    case U'ü':
      return plain ? "u" : "ue";
    case U'Æ':
    case U'æ':
    case U'Œ':
    case U'œ':
      return letter == U'Æ' || letter == U'æ' ? "ae" : "oe";
    case U'Þ':
    case U'þ':
      return "th";
    case U'ß':
      return "ss";
    case U'Ĳ':
    case U'ĳ':
      return "ij";
    default:
      return {};
  }
}

struct Decoded {
  char32_t letter;
  std::size_t length;
};

// The code point starting at text[at], or nullopt where the bytes there are
// not UTF-8.
std::optional<Decoded> DecodeUtf8(std::string_view text, std::size_t at) {
  const auto lead = static_cast<std::uint8_t>(text[at]);
  const std::size_t length = lead < 0x80         ? 1
                             : lead >> 5 == 0x6  ? 2
                             : lead >> 4 == 0xE  ? 3
                             : lead >> 3 == 0x1E ? 4
                                                 : 0;
  if (length == 0 || text.size() - at < length) return std::nullopt;
  char32_t letter = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[at + i]);
    if (next >> 6 != 0x2) return std::nullopt;
    letter = (letter << 6) | (next & 0x3F);
  }
  return Decoded{letter, length};
}

}  // namespace

std::string FoldPlaceName(std::string_view name, Folding folding) {
  std::string folded;
  folded.reserve(name.size());
  bool wordBreak = false;  // whether words were parted since the last text kept
  const auto keep = [&](std::string_view text) {
    if (wordBreak && !folded.empty()) folded += ' ';
    wordBreak = false;
    folded += text;
  };
  for (std::size_t at = 0; at < name.size();) {
    const std::optional<Decoded> decoded = DecodeUtf8(name, at);
    if (!decoded) {
      keep(name.substr(at++, 1));
      continue;
    }
    const char32_t letter = decoded->letter;
    const std::string_view character = name.substr(at, decoded->length);
    at += decoded->length;
    if (letter < kFirstBeyondAscii && kWordBreaks.find(static_cast<char>(letter)) != kNone) {
      wordBreak = true;
      continue;
    }
    char base = '.';
    if (letter >= 'A' && letter <= 'Z') {
      base = static_cast<char>(letter - 'A' + 'a');
    } else if (letter >= kLatin1First && letter < kExtendedAFirst) {
      base = kLatin1Letters[letter - kLatin1First];
    } else if (letter >= kExtendedAFirst && letter < kExtendedAEnd) {
      base = kExtendedALetters[letter - kExtendedAFirst];
    }
    if (base == '*') {
      keep(FoldedSpecial(letter, folding));
    } else if (base != '.') {
      keep({&base, 1});
    } else {
      keep(character);
    }
  }
  return folded;
}

std::u32string CharactersBeyondAscii(std::string_view text) {
  std::u32string characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<Decoded> decoded = DecodeUtf8(text, at);
    if (!decoded) {
      ++at;
      continue;
    }
    if (decoded->letter >= kFirstBeyondAscii) characters += decoded->letter;
    at += decoded->length;
  }
  return characters;
}

}  // namespace sternwerk
