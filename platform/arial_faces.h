// The Windows sans-serif faces the program names that stand for Arial.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace sternwerk {

inline constexpr std::string_view kArialFace = "Arial";

// "MS Sans Serif" (Windows only) and "Ariel" (misspelt, as the chart's header
// writes it), in any case: the program draws them in Arial, whose widths they
// share closely; a reader that substitutes its default face gets much wider
// texts that run into each other.
inline bool StandsForArial(std::string_view face) {
  constexpr std::array<std::string_view, 2> kFaces = {"ms sans serif", "ariel"};
  std::string lower(face);
  std::ranges::transform(lower, lower.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::ranges::find(kFaces, lower) != kFaces.end();
}

}  // namespace sternwerk
