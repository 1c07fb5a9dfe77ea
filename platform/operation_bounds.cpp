#include "platform/operation_bounds.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/text_width_bound.h"

namespace sternwerk {
namespace {

constexpr int kSlack = 2;  // pixels around every shape, for pen corners and rounding

QRect Around(int left, int top, int right, int bottom, int penWidth) {
  const int margin = std::max(penWidth, 1) + kSlack;
  return QRect(QPoint(left - margin, top - margin), QPoint(right + margin, bottom + margin));
}

QRect Between(Point a, Point b, int penWidth) {
  return Around(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                penWidth);
}

QRect Bounds(const LineOp& op) {
  return Between(op.from, op.to, op.pen.width);
}

QRect Bounds(const RectangleOp& op) {
  return Between({op.box.left, op.box.top}, {op.box.right, op.box.bottom}, op.pen.width);
}

QRect Bounds(const EllipseOp& op) {
  return Between({op.box.left, op.box.top}, {op.box.right, op.box.bottom}, op.pen.width);
}

// The text's box starts at its anchor; turned by its escapement it stays
// within the circle through the box's far corner.
QRect Bounds(const TextOp& op) {
  const int height = std::abs(FontPixelHeight(op.font.size)) + kSlack;
  const int width = AnyFaceTextWidthBound(op.text.size(), height);
  if (op.font.escapement % 3600 == 0)
    return QRect(op.at.x - height, op.at.y - height, width + 2 * height, 4 * height);
  const int radius = static_cast<int>(std::ceil(std::hypot(width, 2 * height))) + height;
  return QRect(op.at.x - radius, op.at.y - radius, 2 * radius, 2 * radius);
}

QRect Bounds(const ImageOp& op) {
  return Between({op.target.left, op.target.top}, {op.target.right, op.target.bottom}, 0);
}

// A nested picture may draw beyond its target: it counts as everywhere.
QRect Bounds(const PictureOp&) {
  return QRect(QPoint(INT_MIN / 2, INT_MIN / 2), QPoint(INT_MAX / 2, INT_MAX / 2));
}

}  // namespace

QRect OperationBounds(const Operation& operation) {
  return std::visit([](const auto& op) { return Bounds(op); }, operation);
}

}  // namespace sternwerk
