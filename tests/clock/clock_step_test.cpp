#include "clock/clock_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

#include "clock/clock_tick.h"
#include "engine/calendar.h"
#include "tests/support/fake_system_clock.h"

namespace sternwerk {
namespace {

constexpr StepMode kAllModes[] = {StepMode::kRealTime, StepMode::kMinutes, StepMode::kDay,
                                  StepMode::kWeek,     StepMode::kMonth,   StepMode::kYear};

// A sky at an instant with the settings of the clock that steps it.
struct ClockedSky : SkyState {
  ClockSettings clock;
};

ClockedSky Clock(const std::string& date, double hours, StepMode mode, int ticksPerSecond = 1,
                 double intervalMinutes = 1.0 / 60) {
  ClockedSky sky;
  sky.dateText = date;
  sky.day = std::stoi(date.substr(0, 2));
  sky.month = std::stoi(date.substr(3, 2));
  sky.year = std::stoi(date.substr(6, 4));
  sky.hours = hours;
  sky.clock = {ticksPerSecond, mode, intervalMinutes};
  return sky;
}

double Hms(int h, int m, int s) {
  return h + m / 60.0 + s / 3600.0;
}

// Date and the time to the nearest second, with the fields checked against
// the date text.
std::string Shown(const SkyState& sky) {
  EXPECT_EQ(sky.dateText, DateText(sky.day, sky.month, sky.year));
  const long seconds = std::lround(sky.hours * 3600);
  char time[48];
  std::snprintf(time, sizeof time, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return sky.dateText + " " + time;
}

TEST(StepInstant, RealTimeCarriesTheDateAtMidnightBothWays) {
  ClockedSky forward = Clock("31.12.2026", Hms(23, 59, 59), StepMode::kRealTime);
  StepInstant(forward, forward.clock);
  EXPECT_EQ(Shown(forward), "01.01.2027 00:00:00");

  ClockedSky backward = Clock("01.01.2027", 0, StepMode::kRealTime, -1);
  StepInstant(backward, backward.clock);
  EXPECT_EQ(Shown(backward), "31.12.2026 23:59:59");
}

TEST(StepInstant, MinuteStepsOfMoreThanADayCarryOneDayPerTick) {
  ClockedSky sky = Clock("07.12.2026", 12, StepMode::kMinutes, 1, 1500);
  StepInstant(sky, sky.clock);
  EXPECT_EQ(Shown(sky), "08.12.2026 13:00:00");
  StepInstant(sky, sky.clock);
  EXPECT_EQ(Shown(sky), "09.12.2026 14:00:00");

  // 10000 minutes are 6 days 22 h 40 min, but only one day is carried.
  ClockedSky longStep = Clock("07.12.2026", 12, StepMode::kMinutes, 1, 10000);
  for (int tick = 1; tick <= 3; ++tick) {
    StepInstant(longStep, longStep.clock);
    EXPECT_EQ(longStep.day, 7 + tick);
    EXPECT_NEAR(longStep.hours, 12 + tick * (142 + 2.0 / 3), 1e-9);
  }

  ClockedSky backward = Clock("07.12.2026", 12, StepMode::kMinutes, -4, 10000);
  StepInstant(backward, backward.clock);
  EXPECT_EQ(backward.dateText, "06.12.2026");
  EXPECT_NEAR(backward.hours, 12 - (142 + 2.0 / 3), 1e-9);
}

TEST(StepInstant, YearStepKeepsDayAndMonth) {
  ClockedSky sky = Clock("29.02.2024", 5, StepMode::kYear);
  StepInstant(sky, sky.clock);
  EXPECT_EQ(Shown(sky), "29.02.2025 05:00:00");

  ClockedSky backward = Clock("29.02.2024", 5, StepMode::kYear, -20);
  StepInstant(backward, backward.clock);
  EXPECT_EQ(Shown(backward), "29.02.2023 05:00:00");
}

TEST(StepInstant, DayWeekAndMonthStepCalendarDaysAndKeepTheTime) {
  struct Case {
    StepMode mode;
    const char* from;
    const char* to;
  };
  const Case cases[] = {
      {StepMode::kDay, "28.02.2027", "01.03.2027"},
      {StepMode::kDay, "28.02.2028", "29.02.2028"},
      {StepMode::kWeek, "28.12.2026", "04.01.2027"},
      {StepMode::kMonth, "31.01.2027", "02.03.2027"},  // thirty days, not a calendar month
  };
  for (const Case& c : cases) {
    ClockedSky forward = Clock(c.from, 7.25, c.mode, 3);
    StepInstant(forward, forward.clock);
    EXPECT_EQ(Shown(forward), std::string(c.to) + " 07:15:00") << c.from;

    ClockedSky backward = Clock(c.to, 7.25, c.mode, -3);
    StepInstant(backward, backward.clock);
    EXPECT_EQ(Shown(backward), std::string(c.from) + " 07:15:00") << c.to;
  }
}

TEST(StepInstant, RateZeroStepsForward) {
  ClockedSky sky = Clock("07.12.2026", 12, StepMode::kDay, 0);
  StepInstant(sky, sky.clock);
  EXPECT_EQ(sky.dateText, "08.12.2026");
}

TEST(StepInstant, EveryModeStepsAtTheEndsOfTheCalendar) {
  for (const StepMode mode : kAllModes) {
    ClockedSky last = Clock("31.12.9999", Hms(23, 59, 59), mode, 1, 1);
    StepInstant(last, last.clock);
    EXPECT_LE(last.dateText.size(), 10u);
    EXPECT_GE(last.hours, 0);
    EXPECT_LT(last.hours, 24);

    ClockedSky first = Clock("01.01.1600", 0, mode, -1, 1);
    StepInstant(first, first.clock);
    EXPECT_EQ(first.year, 1599);
    EXPECT_GE(first.hours, 0);
    EXPECT_LT(first.hours, 24);
  }
}

// Stepping back past 01.01.1600 00:00:00 a tick stops exactly there, past
// 31.12.9999 it keeps its last instant; the steps before are taken in full.
TEST(StepTick, HaltsAtTheEndsOfTheCalendar) {
  testing::FakeSystemClock system(testing::UtcTime(2026, 12, 8, 9, 30, 15));
  for (const auto& [mode, rate, from, hours, halted] :
       {std::tuple{StepMode::kYear, -1, "14.03.1601", 12.0, "01.01.1600 00:00:00"},
        std::tuple{StepMode::kMinutes, -5, "05.01.1600", 6.0, "01.01.1600 00:00:00"},
        std::tuple{StepMode::kRealTime, -1, "01.01.1600", Hms(0, 0, 3), "01.01.1600 00:00:00"},
        std::tuple{StepMode::kMinutes, 5, "30.12.9999", 12.0, "31.12.9999 13:00:00"}}) {
    ClockedSky sky = Clock(from, hours, mode, rate, 1500);  // 25 h a minute step
    RealTimePacer pacer(system);
    for (int ticks = 0; system.Advance(std::chrono::seconds(1)), StepTick(sky, sky.clock, pacer);) {
      ASSERT_GE(sky.year, kFirstCalendarYear) << from;
      ASSERT_LT(++ticks, 10) << from << " never halts";
    }
    EXPECT_EQ(Shown(sky), halted) << from;
  }
}

TEST(StepSeconds, CarriesEveryDayItPasses) {
  ClockedSky sky = Clock("30.12.2026", Hms(23, 0, 0), StepMode::kRealTime);
  StepSeconds(sky, 3 * 86400 + 3600 + 5);
  EXPECT_EQ(Shown(sky), "03.01.2027 00:00:05");
  StepSeconds(sky, -(3 * 86400 + 3600 + 5));
  EXPECT_EQ(Shown(sky), "30.12.2026 23:00:00");
  StepSeconds(sky, 0);
  EXPECT_EQ(Shown(sky), "30.12.2026 23:00:00");
}

TEST(IntervalText, NamesTheStepOfEachMode) {
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kRealTime).clock), "Sek/Takt:1");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kDay).clock), "1 Tag");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kWeek).clock), "1 Woche");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kMonth).clock), "1 Monat");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kYear).clock), "1 Jahr");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kMinutes, 1, 1500).clock),
            "Min/Takt:1500");
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kMinutes, 1, 2.9).clock), "Min/Takt:2");
  // Under a minute the seconds, never "Min/Takt:0".
  EXPECT_EQ(IntervalText(Clock("07.12.2026", 0, StepMode::kMinutes, 1, 0.5).clock), "Sek/Takt:30");
}

TEST(SpeedSlider, RatesIntervalsAndTexts) {
  const int intervals[] = {955, 477, 318, 238, 191, 159, 136, 119, 106, 95,
                           86,  79,  73,  68,  63,  59,  56,  53,  50,  47};
  for (int rate = 1; rate <= kMaxTicksPerSecond; ++rate) {
    EXPECT_EQ(TimerInterval(rate), intervals[rate - 1]) << rate;
    EXPECT_EQ(TimerInterval(-rate), intervals[rate - 1]) << -rate;
  }
  EXPECT_EQ(RateFromSliderPosition(0), -20);
  EXPECT_EQ(RateFromSliderPosition(20), 0);
  EXPECT_EQ(RateFromSliderPosition(21), 1);
  EXPECT_EQ(RateFromSliderPosition(40), 20);
  for (int position = 0; position <= 40; ++position) {
    EXPECT_EQ(SliderPositionFromRate(RateFromSliderPosition(position)), position);
  }
  EXPECT_EQ(SpeedText(-20), "Takte/Sek:20");
  EXPECT_EQ(SpeedText(1), "Takte/Sek:1");
}

}  // namespace
}  // namespace sternwerk
