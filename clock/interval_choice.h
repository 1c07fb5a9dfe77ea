// What the interval dialog decides, without a window: the number typed into
// its minutes field and the step mode that a choice sets.
#pragma once

#include <optional>
#include <string_view>

#include "engine/sky_state.h"

namespace sternwerk {

// The minutes field as a decimal number: leading blanks, an optional sign,
// digits with an optional "." and an optional exponent, nothing after it.
// Any other text (also "12abc") is no number.
std::optional<double> ReadIntervalMinutes(std::string_view text);

enum class StepMode { kRealTime, kMinutes, kDay, kWeek, kMonth, kYear };

// Makes the given step mode the one true step flag.
void SetStepMode(SkyState& sky, StepMode mode);

}  // namespace sternwerk
