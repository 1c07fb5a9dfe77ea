#include "clock/image_difference.h"

#include <algorithm>
#include <cstring>

namespace sternwerk {
namespace {

// Only the pixels count: the padding at the end of a line may hold anything.
bool RowsEqual(const QImage& before, const QImage& after, int y) {
  return std::memcmp(before.constScanLine(y), after.constScanLine(y),
                     static_cast<std::size_t>(before.width() * before.depth() / 8)) == 0;
}

// The first and one past the last pixel in which row y differs, in a row
// known to differ; pixels are compared in 32-bit words where they are such.
std::pair<int, int> DifferingColumns(const QImage& before, const QImage& after, int y) {
  const auto differs = [&](int x) {
    if (before.depth() == 32) {
      return reinterpret_cast<const QRgb*>(before.constScanLine(y))[x] !=
             reinterpret_cast<const QRgb*>(after.constScanLine(y))[x];
    }
    const int bytesPerPixel = before.depth() / 8;
    return std::memcmp(before.constScanLine(y) + x * bytesPerPixel,
                       after.constScanLine(y) + x * bytesPerPixel, bytesPerPixel) != 0;
  };
  int first = 0;
  while (first < before.width() && !differs(first)) ++first;
  int end = before.width();
  while (end > first && !differs(end - 1)) --end;
  return {first, end};
}

}  // namespace

QRect DifferingRect(const QImage& before, const QImage& after) {
  if (before.size() != after.size() || before.format() != after.format() || before.depth() < 8)
    return QRect(QPoint(0, 0), before.size().expandedTo(after.size()));
  int top = 0;
  while (top < before.height() && RowsEqual(before, after, top)) ++top;
  if (top == before.height()) return {};
  int bottom = before.height() - 1;
  while (RowsEqual(before, after, bottom)) --bottom;

  int left = before.width(), right = 0;
  for (int y = top; y <= bottom; ++y) {
    if (RowsEqual(before, after, y)) continue;
    const auto [first, end] = DifferingColumns(before, after, y);
    left = std::min(left, first);
    right = std::max(right, end);
  }
  return QRect(QPoint(left, top), QPoint(right - 1, bottom));
}

}  // namespace sternwerk
