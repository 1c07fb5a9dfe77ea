// How wide a line of text can come out, without a font engine: the
// recorded pictures are replayed with whatever face the font lookup
// substitutes, so texts placed side by side are spaced by an upper bound of
// their width over the sans-serif faces that stand in for Arial here
// (Liberation Sans, DejaVu Sans).
#pragma once

#include <string_view>

namespace sternwerk {

// Pixels at 96 pixels per inch that the Windows-1252 text takes at most in
// a regular sans-serif font of `points` points; every character is counted
// with the larger advance of the two faces, rounded up to whole pixels, and
// characters beyond ASCII as the widest of all.
int TextWidthBound(std::string_view windows1252Text, int points);

}  // namespace sternwerk
