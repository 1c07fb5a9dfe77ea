#include "engine/calendar.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/arithmetic.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr long double kMonthDayFactor = 30.6001L;
constexpr long double kObliquityAt1900 = 23.452294L;  // degrees
constexpr long double kObliquityRate = 0.0130125L;    // degrees per century
constexpr double kJulianDayOffset = 1720996.5;
constexpr int kFirstGregorianYear = 1582;
constexpr std::size_t kDateTextLength = 10;
constexpr int kForeignMonthDays = 30;
constexpr int kFebruary = 2;
constexpr std::array<int, kMonthsPerYear + 1> kCommonYearMonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                                      31, 31, 30, 31, 30, 31};

struct Date {
  int day;
  int month;
  int year;
};

// A foreign date text never crashes: its fields count as far as they are digits.
Date ReadDateText(const std::string& text) {
  return {FixedField(text, 1, 2), FixedField(text, 4, 5), FixedField(text, 7, 10)};
}

void WriteDate(SkyState& sky, const Date& date) {
  sky.day = date.day;
  sky.month = date.month;
  sky.year = date.year;
  sky.dateText = DateText(date.day, date.month, date.year);
}

// Days of the month; a foreign date text's month outside 1..12 counts 30 days.
int MonthLength(int month, int year) {
  if (month < 1 || month > kMonthsPerYear) return kForeignMonthDays;
  return DaysInMonth(month, year);
}

// Days of the month before `month`.
int PreviousMonthLength(int month, int year) {
  if (month < 1 || month > kMonthsPerYear) return kForeignMonthDays;
  return DaysInMonth(month == 1 ? kMonthsPerYear : month - 1, year);
}

// Days since 1970-01-01 of a Gregorian date and back, counted in eras of
// 400 years (146097 days) that begin on 1 March, so that the leap day ends
// the counted year.
constexpr std::int64_t kDaysPerEra = 146097;
constexpr std::int64_t kYearsPerEra = 400;
constexpr std::int64_t kEpochFromMarchEra0 = 719468;  // 1970-01-01 from 0000-03-01

std::int64_t DaysFromCivil(int day, int month, int year) {
  const std::int64_t marchYear = month <= 2 ? year - 1 : year;
  const std::int64_t era =
      (marchYear >= 0 ? marchYear : marchYear - (kYearsPerEra - 1)) / kYearsPerEra;
  const std::int64_t yearOfEra = marchYear - era * kYearsPerEra;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPerEra + dayOfEra - kEpochFromMarchEra0;
}

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

double JulianDayNumber(int day, int month, int year) {
  // January and February count as months 13 and 14 of the year before.
  const bool early = month <= 2;
  const double Y = early ? year - 1.0 : year;
  const double m = early ? month + 12.0 : month;
  const double B = year >= kFirstGregorianYear ? Int(Y / 400) - Int(Y / 100) : -2;
  const double monthDays = static_cast<double>(std::trunc((m + 1) * kMonthDayFactor));
  return Int(Y * 365.25) + monthDays + B + kJulianDayOffset + day;
}

void ComputeTime(SkyState& sky) {
  const double jd = JulianDayNumber(sky.day, sky.month, sky.year);
  sky.centuries = ((jd - kEpochJD) + sky.hours / 24) / kDaysPerCentury;
  const double obliquityDegrees =
      static_cast<double>(kObliquityAt1900 - kObliquityRate * sky.centuries);
  sky.negativeObliquity = -DegToRad(obliquityDegrees);
}

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
  return month == kFebruary && IsLeapYear(year) ? 29 : kCommonYearMonthDays[month];
}

bool IsCalendarDate(int day, int month, int year) {
  return year >= kFirstCalendarYear && year <= kLastCalendarYear && month >= 1 &&
         month <= kMonthsPerYear && day >= 1 && day <= DaysInMonth(month, year);
}

void NextDay(SkyState& sky) {
  Date date = ReadDateText(sky.dateText);
  ++date.day;
  if (date.day > MonthLength(date.month, date.year)) {
    date.day = 1;
    ++date.month;
  }
  if (date.month > kMonthsPerYear) {
    date.month = 1;
    ++date.year;
  }
  WriteDate(sky, date);
}

void PreviousDay(SkyState& sky) {
  Date date = ReadDateText(sky.dateText);
  --date.day;
  if (date.day == 0) {
    date.day = PreviousMonthLength(date.month, date.year);
    --date.month;
    if (date.month == 0) {
      date.month = 12;
      --date.year;
    }
  }
  WriteDate(sky, date);
}

void SetInstant(SkyState& sky, int day, int month, int year, double hours) {
  WriteDate(sky, {day, month, year});
  sky.hours = hours;
}

std::string DateText(int day, int month, int year) {
  std::string text = ZeroPad(day, 2) + "." + ZeroPad(month, 2) + "." + ZeroPad(year, 4);
  if (text.size() > kDateTextLength) text.resize(kDateTextLength);
  return text;
}

ClockSeconds ClockSecondsOf(int day, int month, int year, double hours) {
  return DaysFromCivil(day, month, year) * kSecondsPerDay +
         static_cast<ClockSeconds>(std::llround(hours * kSecondsPerHour));
}

ClockReading ReadingOf(ClockSeconds seconds) {
  const std::int64_t days = FloorDivide(seconds, kSecondsPerDay) + kEpochFromMarchEra0;
  const std::int64_t era = FloorDivide(days, kDaysPerEra);
  const std::int64_t dayOfEra = days - era * kDaysPerEra;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / (kDaysPerEra - 1)) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t marchMonth = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(marchMonth < 10 ? marchMonth + 3 : marchMonth - 9);
  const int year = static_cast<int>(yearOfEra + era * kYearsPerEra + (month <= 2 ? 1 : 0));
  const int day = static_cast<int>(dayOfYear - (153 * marchMonth + 2) / 5 + 1);
  return {day, month, year,
          static_cast<int>(seconds - FloorDivide(seconds, kSecondsPerDay) * kSecondsPerDay)};
}

// JD 2440587.5 is 1970-01-01 00:00:00 UT, where ClockSeconds count from.
constexpr double kUnixEpochJulianDay = 2440587.5;

double JulianDayOf(ClockSeconds universal) {
  return kUnixEpochJulianDay + static_cast<double>(universal) / static_cast<double>(kSecondsPerDay);
}

ClockSeconds InstantOfJulianDay(double julianDay) {
  return static_cast<ClockSeconds>(
      std::llround((julianDay - kUnixEpochJulianDay) * static_cast<double>(kSecondsPerDay)));
}

std::string WeekdayName(int year, int month, int day) {
  static constexpr std::array<const char*, 7> kNames = {
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "So"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Mo"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Di"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Mi"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Do"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Fr"),
      QT_TRANSLATE_NOOP("sternwerk::Weekdays", "Sa")};
  using u16 = std::uint16_t;
  const u16 d = month < 3 ? u16(u16(year) - 1) : u16(year);
  const u16 m = month < 3 ? u16(month + 10) : u16(month - 2);
  const u16 e = d % 100;
  const u16 sum =
      u16(u16(u16(13 * m - 1) / 5) + u16(e / 4) + u16(d / 400) + e + u16(day) + u16(5 * (d / 100)));
  return Translated("sternwerk::Weekdays", kNames[sum % 7]);
}

}  // namespace sternwerk
