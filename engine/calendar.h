// Calendar and time scale: the time measure T, the obliquity of the
// ecliptic, single-day steps of the date and the weekday.
#pragma once

#include <cstdint>
#include <string>

#include "engine/sky_state.h"

namespace sternwerk {

// Julian date of 1900 January 0.5, the epoch of T.
inline constexpr double kEpochJD = 2415020.0;
inline constexpr double kDaysPerCentury = 36525.0;

// Julian date at 0 h of the day: years before 1582 Julian, from 1582 on Gregorian.
double JulianDayNumber(int day, int month, int year);

// ComputeTime: the time measure and the obliquity of the ecliptic.
//
// Given:   sky.day, sky.month, sky.year  the date; years before 1582 in the
//                                        Julian, later ones in the
//                                        Gregorian calendar
//          sky.hours                     decimal hours, Universal Time
// Returned:
//          sky.centuries  T, Julian centuries of 36525 days from
//                         JD 2415020.0 (1900 January 0.5)
//          sky.negativeObliquity  minus the mean obliquity of the ecliptic, radians
//
// Notes:
// 1. The obliquity 23.452294 - 0.0130125 T degrees is Newcomb's value for
//    1900 with its secular decrease of 46.8" per century.
// 2. The whole year 1582 counts as Gregorian, so the day count steps back
//    nine days from 31.12.1581 to 01.01.1582.
void ComputeTime(SkyState& sky);

// Gregorian leap year rule.
bool IsLeapYear(int year);

// The last year a four-digit date text holds; beyond it the text, cut to ten
// characters, no longer gives the year back.
inline constexpr int kLastFourDigitYear = 9999;

// The dates that are entered and computed: 01.01.1600 to 31.12.9999.
inline constexpr int kFirstCalendarYear = 1600;
inline constexpr int kLastCalendarYear = kLastFourDigitYear;
inline constexpr int kMonthsPerYear = 12;

// Days of the month (1..12) in the year, February by the leap year rule.
int DaysInMonth(int month, int year);

// Whether day, month and year name a real date within the calendar's years.
bool IsCalendarDate(int day, int month, int year);

// Move day, month, year and dateText one day on / back, reading the date from
// dateText (characters 1-2, 4-5, 7-10).
void NextDay(SkyState& sky);
void PreviousDay(SkyState& sky);

// Sets day, month, year, the matching dateText and hours.
void SetInstant(SkyState& sky, int day, int month, int year, double hours);

// "dd.mm.yyyy" from whole numbers, each part zero-padded.
std::string DateText(int day, int month, int year);

// Seconds since 1970-01-01 00:00:00 of a clock reading in the Gregorian
// calendar: Universal Time, or a local date and time counted as if it were
// Universal Time.
using ClockSeconds = std::int64_t;

struct ClockReading {
  int day = 1;
  int month = 1;
  int year = 1970;
  int secondOfDay = 0;  // 0 to 86399

  bool operator==(const ClockReading&) const = default;
};

// The reading's seconds; `hours` (decimal, may pass 24) to the nearest second.
ClockSeconds ClockSecondsOf(int day, int month, int year, double hours);
ClockReading ReadingOf(ClockSeconds seconds);

// The weekday's short name in the language shown: "Mo" to "So", in
// English "Mon" to "Sun".
std::string WeekdayName(int year, int month, int day);

}  // namespace sternwerk
