#include "charts/earth_icon.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/colors.h"

namespace sternwerk {

namespace {

// Geometry in icon pixels, measured from the icon's centre.
constexpr double kCentre = kEarthIconSize / 2.0;
constexpr double kDiscRadius = 15.5;
constexpr double kRimWidth = 1.2;
constexpr double kPoleRadius = 4.0;
constexpr double kArrowRadius = 9.5;     // middle of the arrow's shaft
constexpr double kShaftHalfWidth = 1.1;  // half the shaft's thickness
// The shaft runs counterclockwise from kArrowTail degrees (counterclockwise
// from the right) round to the rightmost point, where the head points up.
constexpr double kArrowTail = 110.0;
constexpr double kHeadLength = 5.5;     // along the arrow's direction
constexpr double kHeadHalfWidth = 3.6;  // across it
constexpr int kSamplesPerAxis = 4;      // smooth edges by averaging sub-samples

struct Colour {
  double a, r, g, b;  // 0..1 each
};
constexpr Colour kTransparent{0, 0, 0, 0};
constexpr Colour kOcean{1, 0, 1, 1};    // cyan
constexpr Colour kRim{1, 0, 0.4, 0.5};  // dark teal outline
constexpr Colour kPole{1, 1, 1, 1};     // white
constexpr Colour kArrow{1, 0, 0, 0.5};  // navy

// The counterclockwise angle of (x, y) about the centre in degrees, 0..360,
// with y growing downwards as on the screen.
double ScreenAngle(double x, double y) {
  const double angle = std::atan2(-y, x) * 180.0 / std::numbers::pi;
  return angle < 0 ? angle + 360.0 : angle;
}

// The arrow head: a triangle with its base across the circle at the
// rightmost point and its tip straight up, the way the shaft turns.
bool InArrowHead(double x, double y) {
  const double along = -y;
  const double across = x - kArrowRadius;
  return along >= 0 && along <= kHeadLength &&
         std::abs(across) <= kHeadHalfWidth * (1 - along / kHeadLength);
}

bool InArrowShaft(double x, double y) {
  return ScreenAngle(x, y) >= kArrowTail &&
         std::abs(std::hypot(x, y) - kArrowRadius) <= kShaftHalfWidth;
}

// The colour of the icon at (x, y), measured from the centre.
Colour ColourAt(double x, double y) {
  const double radius = std::hypot(x, y);
  if (radius > kDiscRadius) return kTransparent;
  if (InArrowShaft(x, y) || InArrowHead(x, y)) return kArrow;
  if (radius <= kPoleRadius) return kPole;
  if (radius > kDiscRadius - kRimWidth) return kRim;
  return kOcean;
}

std::uint32_t ToArgb(const Colour& sum) {
  const auto channel = [](double value) {
    return static_cast<std::uint32_t>(std::lround(value * 255));
  };
  // The sub-samples were summed weighted by their alpha; undo that for the
  // straight (not premultiplied) colour channels.
  const double a = sum.a;
  if (a <= 0) return 0;
  return channel(a) << 24 | channel(sum.r / a) << 16 | channel(sum.g / a) << 8 | channel(sum.b / a);
}

// One channel of `over` laid with coverage `alpha` (0..255) onto `under`.
std::uint32_t Composite(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
  return (over * alpha + under * (255 - alpha) + 127) / 255;
}

std::uint32_t OnGround(std::uint32_t argb, Rgb ground) {
  const std::uint32_t alpha = argb >> 24;
  const auto channel = [&](int shift, std::uint8_t under) {
    return Composite((argb >> shift) & 0xFF, under, alpha) << shift;
  };
  return 0xFF000000u | channel(16, ground.r) | channel(8, ground.g) | channel(0, ground.b);
}

}  // namespace

Image EarthIconOn(Rgb ground) {
  Image icon = EarthIcon();
  for (std::uint32_t& pixel : icon.pixels) pixel = OnGround(pixel, ground);
  return icon;
}

const Image& EarthIconOnWhite() {
  static const Image icon = EarthIconOn(kWhite);
  return icon;
}

Image EarthIcon() {
  Image icon{kEarthIconSize, kEarthIconSize, {}};
  icon.pixels.reserve(kEarthIconSize * kEarthIconSize);
  constexpr double kWeight = 1.0 / (kSamplesPerAxis * kSamplesPerAxis);
  for (int row = 0; row < kEarthIconSize; ++row) {
    for (int column = 0; column < kEarthIconSize; ++column) {
      Colour sum = kTransparent;
      for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
          const double x = column + (sx + 0.5) / kSamplesPerAxis - kCentre;
          const double y = row + (sy + 0.5) / kSamplesPerAxis - kCentre;
          const Colour c = ColourAt(x, y);
          sum.a += c.a * kWeight;
          sum.r += c.r * c.a * kWeight;
          sum.g += c.g * c.a * kWeight;
          sum.b += c.b * c.a * kWeight;
        }
      }
      icon.pixels.push_back(ToArgb(sum));
    }
  }
  return icon;
}

}  // namespace sternwerk
