// The names of the font faces the program draws and writes with, in one
// place. Drawings record a face as it is spelled here; a metafile keeps that
// spelling, so the lower-case and misspelt variants are names of their own.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace sternwerk {

inline constexpr char kArialFace[] = "Arial";
inline constexpr char kSansSerifFace[] = "MS Sans Serif";
inline constexpr char kTimesFace[] = "Times New Roman";
inline constexpr char kCourierFace[] = "Courier New";

// Spellings of the same faces that some drawings record as written.
inline constexpr char kLowerArialFace[] = "arial";
inline constexpr char kMisspeltArialFace[] = "Ariel";
inline constexpr char kLowerSansSerifFace[] = "ms sans serif";
inline constexpr char kLowerCourierFace[] = "courier new";

// The program's symbol font, as drawings record it and the font database
// lists it. Its glyphs sit on the Windows-1252 characters of the factor and
// sign tables.
inline constexpr char kSymbolFace[] = "VizizizizuRavorod";

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
