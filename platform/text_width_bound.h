// How wide a line of text can come out, without a font engine: the
// recorded pictures are replayed with whatever face the font lookup
// substitutes, so texts placed side by side are spaced by an upper bound of
// their width over the sans-serif faces that stand in for Arial here
// (Liberation Sans, DejaVu Sans); where any face may be drawn, a coarser
// bound holds for all of them.
#pragma once

#include <cstddef>
#include <string_view>

namespace sternwerk {

// Pixels at 96 pixels per inch that the Windows-1252 text takes at most in
// a regular sans-serif font of `points` points; every character is counted
// with the larger advance of the two faces, rounded up to whole pixels, and
// characters beyond ASCII as the widest of all.
int TextWidthBound(std::string_view windows1252Text, int points);

// Pixels that a text of `characters` characters takes at most in any face,
// the symbol font and fixed-pitch faces included, when `lineHeight` pixels
// hold its font's height: every character and one more counted two line
// heights wide.
int AnyFaceTextWidthBound(std::size_t characters, int lineHeight);

}  // namespace sternwerk
