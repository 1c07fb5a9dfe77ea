// The program's palette: every named colour the drawings and the windows
// use. The windows turn them into Qt colours with ToQColor
// (platform/ui_style.h).
#pragma once

#include <cstdint>

namespace sternwerk {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kRed{255, 0, 0};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kMoneyGreen{192, 220, 192};
inline constexpr Rgb kCream{255, 251, 240};

}  // namespace sternwerk
