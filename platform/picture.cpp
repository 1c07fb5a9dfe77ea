#include "platform/picture.h"

namespace sternwerk {

namespace {
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
}  // namespace

Font FontWithEscapement(const Font& description, int escapement) {
  Font font = description;
  font.escapement = escapement;
  return font;
}

int FontPixelHeight(int points) {
  // MulDiv rounding: halves away from zero.
  const int scaled = points * kPixelsPerInch;
  const int half = kPointsPerInch / 2;
  return scaled >= 0 ? (scaled + half) / kPointsPerInch : (scaled - half) / kPointsPerInch;
}

bool operator==(const PictureOp& a, const PictureOp& b) {
  if (a.target != b.target) return false;
  if (a.picture == b.picture) return true;
  return a.picture && b.picture && *a.picture == *b.picture;
}

}  // namespace sternwerk
