#include "packaging/program_icon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/colors.h"

namespace sternwerk {

namespace {
constexpr Rgb kGold{230, 180, 40};
constexpr int kSigns = 12;
constexpr int kSmallestSizeWithDivisions = 32;
constexpr double kHandDegrees = 60;  // from 12 o'clock, clockwise

// A point at `radius` from `centre`, `degrees` clockwise from straight up.
Point OnDial(double centre, double radius, double degrees) {
  const double angle = degrees * std::numbers::pi / 180;
  return {static_cast<int>(std::lround(centre + radius * std::sin(angle))),
          static_cast<int>(std::lround(centre - radius * std::cos(angle)))};
}

void Disc(Canvas& canvas, Point centre, int radius) {
  canvas.Ellipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}
}  // namespace

void DrawProgramIcon(int size, int scale, Canvas& canvas) {
  const int full = size * scale;
  const double centre = full / 2.0;
  const double radius = centre - std::max(1, size / 32) * scale;
  const auto stroke = [&](int sizePerPixel) { return std::max(1, size / sizePerPixel) * scale; };

  canvas.pen = {kGold, stroke(16)};
  canvas.brush = {kNavy, true};
  canvas.Ellipse(static_cast<int>(centre - radius), static_cast<int>(centre - radius),
                 static_cast<int>(centre + radius), static_cast<int>(centre + radius));

  if (size >= kSmallestSizeWithDivisions) {
    canvas.pen = {kGold, stroke(48)};
    for (int sign = 0; sign < kSigns; ++sign) {
      const double degrees = sign * 360.0 / kSigns;
      canvas.Line(OnDial(centre, radius * 0.72, degrees), OnDial(centre, radius * 0.88, degrees));
    }
  }

  const Point middle = OnDial(centre, 0, 0);
  const Point sun = OnDial(centre, radius * 0.52, kHandDegrees);
  canvas.pen = {kWhite, stroke(12)};
  canvas.Line(middle, sun);
  canvas.brush = {kWhite, true};
  Disc(canvas, middle, stroke(16));
  canvas.pen = {kYellow, 1};
  canvas.brush = {kYellow, true};
  Disc(canvas, sun, static_cast<int>(radius * 0.26));
}

}  // namespace sternwerk
