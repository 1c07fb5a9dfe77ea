#include "platform/text_width_bound.h"

#include <algorithm>
#include <array>

#include "platform/picture.h"

namespace sternwerk {
namespace {

constexpr int kUnitsPerEm = 1000;
constexpr unsigned char kFirstTabled = 0x20;
constexpr unsigned char kLastTabled = 0x7E;

// Advance widths of the characters 0x20 to 0x7E in thousandths of an em,
// the larger of Liberation Sans and DejaVu Sans for each.
constexpr std::array<int, kLastTabled - kFirstTabled + 1> kAdvances = {
    318,  401, 460, 838, 637, 951, 780, 275, 391, 391, 500, 838, 318, 361, 318, 337,  //
    637,  637, 637, 637, 637, 637, 637, 637, 637, 637, 337, 337, 838, 838, 838, 557,  //
    1016, 685, 687, 723, 771, 667, 611, 778, 752, 295, 500, 667, 558, 863, 749, 788,  //
    667,  788, 723, 667, 611, 732, 685, 989, 686, 667, 686, 391, 337, 391, 838, 557,  //
    500,  613, 635, 550, 635, 616, 353, 635, 634, 278, 278, 580, 278, 975, 634, 612,  //
    635,  635, 412, 521, 393, 634, 592, 818, 592, 592, 525, 637, 337, 637, 838,
};
constexpr int kWidestAdvance = *std::max_element(kAdvances.begin(), kAdvances.end());

int Advance(char character) {
  const auto byte = static_cast<unsigned char>(character);
  if (byte < kFirstTabled || byte > kLastTabled) return kWidestAdvance;
  return kAdvances[byte - kFirstTabled];
}

}  // namespace

int TextWidthBound(std::string_view windows1252Text, int points) {
  const int pixelsPerEm = FontPixelHeight(points);
  int width = 0;
  for (const char character : windows1252Text) {
    width += (Advance(character) * pixelsPerEm + kUnitsPerEm - 1) / kUnitsPerEm;
  }
  return width;
}

int AnyFaceTextWidthBound(std::size_t characters, int lineHeight) {
  return 2 * lineHeight * static_cast<int>(characters + 1);
}

}  // namespace sternwerk
