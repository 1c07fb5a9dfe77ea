#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/arithmetic.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

TEST(JulianDay, DayCountsOfKnownDates) {
  EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451544.5);
  EXPECT_EQ(JulianDayNumber(31, 12, 1899), 2415019.5);
  EXPECT_EQ(JulianDayNumber(7, 12, 2026), 2461381.5);
}

TEST(JulianDay, StepsBackNineDaysWhenTheGregorianCountStartsIn1582) {
  EXPECT_EQ(JulianDayNumber(31, 12, 1581), 2298882.5);
  EXPECT_EQ(JulianDayNumber(1, 1, 1582), 2298873.5);
}

TEST(ComputeTime, CenturiesAndObliquityAtTheEpochs) {
  SkyState j2000 = SkyAt(1, 1, 2000, 12);
  ComputeTime(j2000);
  EXPECT_EQ(j2000.centuries, 1.0);
  EXPECT_NEAR(RadToDeg(-j2000.negativeObliquity), 23.439281, 1e-6);

  SkyState epoch = SkyAt(31, 12, 1899, 12);
  ComputeTime(epoch);
  EXPECT_EQ(epoch.centuries, 0.0);
  EXPECT_NEAR(RadToDeg(-epoch.negativeObliquity), 23.452294, 1e-9);
}

TEST(ComputeTime, ObliquityIsStoredNegatedInRadians) {
  SkyState sky = SkyAt(7, 12, 2026, 0);
  ComputeTime(sky);
  EXPECT_LT(sky.negativeObliquity, 0);
  EXPECT_NEAR(sky.negativeObliquity, -DegToRad(23.452294 - 0.0130125 * sky.centuries), 1e-15);
}

TEST(CalendarRule, LeapYearsEveryFourthYearButCenturiesOnlyEveryFourth) {
  for (int year : {1600, 2000, 2024, 9996}) EXPECT_TRUE(IsLeapYear(year)) << year;
  for (int year : {1700, 1800, 1900, 2023, 2100, 9999}) EXPECT_FALSE(IsLeapYear(year)) << year;
  EXPECT_EQ(DaysInMonth(2, 1600), 29);
  EXPECT_EQ(DaysInMonth(2, 1700), 28);
  EXPECT_EQ(DaysInMonth(2, 1900), 28);
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(2, 9996), 29);
}

TEST(CalendarRule, MonthLengthsAddUpToTheYear) {
  const int thirtyOne[] = {1, 3, 5, 7, 8, 10, 12};
  for (int month = 1; month <= kMonthsPerYear; ++month) {
    const bool longMonth =
        std::find(std::begin(thirtyOne), std::end(thirtyOne), month) != std::end(thirtyOne);
    if (month != 2) {
      EXPECT_EQ(DaysInMonth(month, 2026), longMonth ? 31 : 30) << "month " << month;
    }
  }
  for (int year : {1900, 2000, 2026, 2028}) {
    int days = 0;
    for (int month = 1; month <= kMonthsPerYear; ++month) days += DaysInMonth(month, year);
    EXPECT_EQ(days, JulianDayNumber(1, 1, year + 1) - JulianDayNumber(1, 1, year)) << year;
  }
}

TEST(CalendarRule, DatesFrom1600To9999AreInTheCalendar) {
  EXPECT_TRUE(IsCalendarDate(1, 1, 1600));
  EXPECT_TRUE(IsCalendarDate(31, 12, 9999));
  EXPECT_TRUE(IsCalendarDate(29, 2, 2000));
  EXPECT_FALSE(IsCalendarDate(31, 12, 1599));
  EXPECT_FALSE(IsCalendarDate(1, 1, 10000));
  EXPECT_FALSE(IsCalendarDate(29, 2, 1900));
  EXPECT_FALSE(IsCalendarDate(31, 4, 2026));
  EXPECT_FALSE(IsCalendarDate(32, 1, 2026));
  EXPECT_FALSE(IsCalendarDate(0, 1, 2026));
  EXPECT_FALSE(IsCalendarDate(1, 0, 2026));
  EXPECT_FALSE(IsCalendarDate(1, 13, 2026));
  EXPECT_FALSE(IsCalendarDate(-1, -1, -2026));
}

// Every date the day steps pass through is a calendar date, up to its last.
TEST(CalendarRule, DayStepsWalkThroughCalendarDatesOnly) {
  for (const char* start : {"25.12.1599", "20.02.1900", "20.02.2000", "25.12.9999"}) {
    SkyState sky;
    sky.dateText = start;
    for (int step = 0; step < 12; ++step) {
      NextDay(sky);
      if (sky.year >= kFirstCalendarYear && sky.year <= kLastCalendarYear) {
        EXPECT_TRUE(IsCalendarDate(sky.day, sky.month, sky.year)) << sky.dateText;
      }
    }
  }
}

// The date text after one day step, checking that the fields agree with it.
std::string Stepped(void (*step)(SkyState&), const std::string& date) {
  SkyState sky;
  sky.dateText = date;
  step(sky);
  EXPECT_EQ(sky.dateText, DateText(sky.day, sky.month, sky.year));
  return sky.dateText;
}

std::string AfterNextDay(const std::string& date) {
  return Stepped(NextDay, date);
}
std::string AfterPreviousDay(const std::string& date) {
  return Stepped(PreviousDay, date);
}

TEST(DaySteps, NextDayAcrossMonthYearAndLeapDays) {
  EXPECT_EQ(AfterNextDay("28.02.1996"), "29.02.1996");
  EXPECT_EQ(AfterNextDay("28.02.1900"), "01.03.1900");
  EXPECT_EQ(AfterNextDay("28.02.2000"), "29.02.2000");
  EXPECT_EQ(AfterNextDay("29.02.2000"), "01.03.2000");
  EXPECT_EQ(AfterNextDay("31.12.1999"), "01.01.2000");
  EXPECT_EQ(AfterNextDay("30.04.2026"), "01.05.2026");
  EXPECT_EQ(AfterNextDay("30.05.2026"), "31.05.2026");
}

TEST(DaySteps, PreviousDayAcrossMonthYearAndLeapDays) {
  EXPECT_EQ(AfterPreviousDay("01.03.2100"), "28.02.2100");
  EXPECT_EQ(AfterPreviousDay("01.03.2024"), "29.02.2024");
  EXPECT_EQ(AfterPreviousDay("01.01.2000"), "31.12.1999");
  EXPECT_EQ(AfterPreviousDay("01.05.2026"), "30.04.2026");
  EXPECT_EQ(AfterPreviousDay("01.08.2026"), "31.07.2026");
}

TEST(DaySteps, ReadTheDateFromTheTextNotFromTheFields) {
  SkyState sky;
  sky.dateText = "10.10.2010";
  sky.day = 1;
  sky.month = 1;
  sky.year = 1999;
  NextDay(sky);
  EXPECT_EQ(sky.dateText, "11.10.2010");
  EXPECT_EQ(sky.day, 11);
  EXPECT_EQ(sky.month, 10);
  EXPECT_EQ(sky.year, 2010);
}

TEST(DaySteps, AYearOfStepsForwardAndBackReturnsToTheStart) {
  SkyState sky;
  sky.dateText = "15.06.2023";
  for (int i = 0; i < 366; ++i) NextDay(sky);
  EXPECT_EQ(sky.dateText, "15.06.2024");  // passes 29.02.2024
  for (int i = 0; i < 366; ++i) PreviousDay(sky);
  EXPECT_EQ(sky.dateText, "15.06.2023");
}

TEST(DaySteps, ForeignDateTextsAreSteppedWithoutCrashing) {
  for (const char* text : {"", "x", "ab.cd.efgh", "31.13.2026", "99.99.9999"}) {
    SkyState sky;
    sky.dateText = text;
    NextDay(sky);
    EXPECT_LE(sky.dateText.size(), 10u) << text;
    PreviousDay(sky);
    EXPECT_LE(sky.dateText.size(), 10u) << text;
  }
}

TEST(DaySteps, DayCountAdvancesByOneForEveryStep) {
  SkyState sky;
  sky.dateText = "25.12.1899";
  NextDay(sky);
  for (int i = 0; i < 3000; ++i) {
    const double before = JulianDayNumber(sky.day, sky.month, sky.year);
    NextDay(sky);
    ASSERT_EQ(JulianDayNumber(sky.day, sky.month, sky.year) - before, 1.0) << sky.dateText;
  }
}

TEST(Weekday, NamesOfKnownDates) {
  EXPECT_EQ(WeekdayName(2000, 1, 1), "Sa");
  EXPECT_EQ(WeekdayName(2026, 12, 7), "Mo");
  EXPECT_EQ(WeekdayName(2026, 12, 13), "So");
  EXPECT_EQ(WeekdayName(2024, 2, 29), "Do");
  EXPECT_EQ(WeekdayName(1600, 1, 1), "Sa");
}

TEST(Weekday, FollowsTheDayCountOverManyYears) {
  SkyState sky;
  sky.dateText = "01.01.1700";
  NextDay(sky);
  PreviousDay(sky);
  const char* names[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  for (int i = 0; i < 150000; ++i) {
    // JD + 0.5 is a whole number whose remainder by 7 is 0 on Mondays.
    const double jd = JulianDayNumber(sky.day, sky.month, sky.year);
    const int weekday = static_cast<int>(std::fmod(jd + 0.5, 7.0));
    ASSERT_EQ(WeekdayName(sky.year, sky.month, sky.day), names[weekday]) << sky.dateText;
    NextDay(sky);
  }
}

// Seconds since 1970 as Python's calendar.timegm gives them.
TEST(ClockSeconds, KnownReadingsAndTheWayBack) {
  struct Known {
    int day, month, year;
    double hours;
    ClockSeconds seconds;
  };
  for (const Known& known :
       {Known{1, 1, 1600, 0.0, -11676096000}, Known{14, 3, 1879, 11.5, -2865414600},
        Known{1, 1, 2000, 12.0, 946728000}, Known{29, 2, 2024, 6.0, 1709186400},
        Known{31, 12, 9999, 23.0 + 59.0 / 60 + 59.0 / 3600, 253402300799}}) {
    EXPECT_EQ(ClockSecondsOf(known.day, known.month, known.year, known.hours), known.seconds);
    const ClockReading back = ReadingOf(known.seconds);
    EXPECT_EQ(back.day, known.day);
    EXPECT_EQ(back.month, known.month);
    EXPECT_EQ(back.year, known.year);
    EXPECT_EQ(back.secondOfDay, std::lround(known.hours * 3600));
  }
  // Hours past 24, as long minute steps leave them, run into the next day.
  EXPECT_EQ(ReadingOf(ClockSecondsOf(31, 12, 2026, 25.0)).year, 2027);
}

}  // namespace
}  // namespace sternwerk
