// The units of civil time, counted once. They are whole numbers: a caller
// that wants a fraction divides a double by them (hours =
// static_cast<double>(seconds) / kSecondsPerHour), never an int.
#pragma once

namespace sternwerk {

inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kMinutesPerHour = 60;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kDaysPerWeek = 7;
inline constexpr int kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
inline constexpr int kSecondsPerDay = kSecondsPerHour * kHoursPerDay;
inline constexpr int kMinutesPerDay = kMinutesPerHour * kHoursPerDay;

}  // namespace sternwerk
