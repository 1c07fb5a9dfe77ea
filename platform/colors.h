// The named colours the windows draw with, besides the factor colours of the
// engine (kGreen, kNavy, kRed).
#pragma once

#include "engine/factors.h"

namespace sternwerk {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kMaroon{128, 0, 0};

}  // namespace sternwerk
