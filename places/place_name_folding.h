// Place names folded for searching: lower case, accents taken off, so that
// what a user types on any keyboard finds the name.
#pragma once

#include <string>
#include <string_view>

namespace sternwerk {

// How letters with umlauts and ligatures are folded: kPlain drops the
// accent ("München" -> "munchen"), kTransliterated writes them as German
// and Scandinavian spelling without the letter does ("muenchen", "koeln").
// ß is "ss" in both.
enum class Folding { kPlain, kTransliterated };

// The folded form of a UTF-8 name: its words, folded, with one blank between
// them. Words are parted by blanks, hyphens, full stops, slashes and
// brackets ("Frankfurt (Oder)" -> "frankfurt oder", "St. Gallen" -> "st
// gallen"). Letters of the Latin-1 and Latin Extended-A blocks are folded;
// other characters pass unchanged, and bytes that are not UTF-8 pass as
// they are.
std::string FoldPlaceName(std::string_view name, Folding folding = Folding::kPlain);

// The characters beyond ASCII in UTF-8 text, in their order; bytes that are
// not UTF-8 are left out.
std::u32string CharactersBeyondAscii(std::string_view text);

}  // namespace sternwerk
