// Text forms of numbers, angles, place coordinates and times of day, as
// Windows-1252 byte strings (degree sign 0xB0). Pure functions.
#pragma once

#include <cstdint>
#include <string>

namespace sternwerk {

inline constexpr char kDegreeSign = '\xB0';

// The low 16 bits of value as an unsigned decimal, padded with zeros to width.
std::string ZeroPad(std::int64_t value, int width);

// x + 1 when the fraction of x exceeds one half; callers then truncate, which
// rounds to the nearest integer with halves going down.
double RoundHalfDown(double x);

// Degrees within the zodiac sign.
double SignDegrees(double x);

enum class AngleMode { kFull = 0, kWithinSign = 30 };

// Degrees, minutes and seconds (kFull) or degrees and rounded minutes within
// the sign (kWithinSign); width is the number of digits for the degrees.
std::string FormatAngle(int width, AngleMode mode, double x);

// A non-negative coordinate as "ddd°mm'" or "ddd°mm'ss" (no carry of 60').
std::string FormatCoordinate(bool withSeconds, double x);

// Decimal hours as "hh:mm:ss"; seconds truncate.
std::string FormatHours(double hours);

// A count of seconds, such as the second of a day, as "hh:mm:ss": the one
// form of a time of day (two digits each, the hours cut to two as
// FormatHours cuts them).
std::string FormatSeconds(std::int64_t seconds);

// Decimal hours followed by the name of Universal Time in the language
// shown: "14:05:09 WZ/GMT", in English "14:05:09 UT".
std::string FormatUniversalHours(double hours);

// The place as the main window shows it, e.g. "010°00' E, 50°00' N", in
// whole minutes to the nearest.
std::string FormatPlace(double longitude, double latitude, bool isWest, bool isSouth);

}  // namespace sternwerk
