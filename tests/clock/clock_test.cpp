// The clock without a window: what each of the clock window's actions does
// to the sky, the rate, the run state and the button groups.
#include "clock/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "clock/clock_step.h"
#include "engine/calendar.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/memory_kept_place_store.h"
#include "tests/support/place_text.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::MemoryKeptPlaceStore;
using testing::PlaceText;
using testing::SkyAt;
using testing::TemporaryDirectory;
using testing::UtcTime;

const std::string kStateFile = "07.12.2026\r\n14:05:09\r\n" + PlaceText("-008", "30") + "\r\n" +
                               PlaceText("+47", "15") + "\r\n";

class ClockTest : public ::testing::Test {
 protected:
  // The start-up as the window runs it, the factor question answered.
  void Start(bool transplutonian = false) {
    started = clock.PrepareStart(ComputationMode::kOwn);
    clock.StartRunning();
    clock.FinishStart(transplutonian);
  }

  void WriteStateFile(const std::string& contents) {
    std::ofstream(directory.path() / "ALT.DAT", std::ios::binary) << contents;
  }

  // A tick one second of system time after the last.
  Status TickAfterOneSecond() {
    systemClock.Advance(std::chrono::seconds(1));
    return clock.Tick();
  }

  // The step as the interval dialog chooses it.
  void SetStep(StepMode mode, double minutes = 0) {
    clock.BeginSetting();
    clock.EndInterval(StepChoice{mode, minutes});
  }

  // A search result: the next full moon.
  void FindFullMoon() {
    ASSERT_EQ(clock.Search(EventKind::kFullMoon, {}).value(), SearchStatus::kFound);
    ASSERT_EQ(clock.search().resultText, " Vollmond ");
  }

  TemporaryDirectory directory;
  FakeSystemClock systemClock{UtcTime(2026, 12, 8, 9, 30, 15)};
  MemoryKeptPlaceStore keptPlaces;
  const PlaceAtlas atlas = FixtureAtlas();
  Clock clock{systemClock, directory.path(), keptPlaces, atlas};
  const SkyState& sky = clock.sky();
  Status started = Status::Success();
};

TEST_F(ClockTest, StartUpWithoutStateFileRunsAtTheDefaultPlace) {
  EXPECT_TRUE(clock.PrepareStart(ComputationMode::kPrecise).ok());
  EXPECT_FALSE(clock.running());
  EXPECT_FALSE(clock.controlsEnabled());
  EXPECT_FALSE(clock.searchesEnabled());
  EXPECT_EQ(clock.computation(), ComputationMode::kPrecise);
  EXPECT_EQ(clock.InstantLines().date, "Di, 08.12.2026");
  EXPECT_EQ(clock.InstantLines().time, "09:30:15 WZ/GMT");
  EXPECT_EQ(clock.PlaceLine(),
            "010\xB0"
            "00' E, 50\xB0"
            "00' N");
  EXPECT_EQ(clock.IntervalLine(), "Sek/Takt:1");
  EXPECT_EQ(clock.SpeedLine(), "Takte/Sek:1");
  EXPECT_EQ(clock.RateLine(), "1");
  EXPECT_EQ(clock.sliderPosition(), 21);

  FindFullMoon();
  clock.StartRunning();
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.timerInterval(), kStartTimerInterval);
  EXPECT_TRUE(clock.search().resultText.empty());
  EXPECT_FALSE(clock.controlsEnabled()) << "not before the factor question";

  clock.FinishStart(true);
  EXPECT_TRUE(clock.display().transplutonian);
  EXPECT_TRUE(clock.controlsEnabled());
  EXPECT_FALSE(clock.searchesEnabled()) << "the halted-state group waits for a halt";
  EXPECT_FALSE(clock.lastInstantEnabled()) << "no ALT.DAT was read";
}

TEST_F(ClockTest, StartUpTakesOnlyThePlaceOfTheStateFile) {
  WriteStateFile(kStateFile);
  clock.ChooseFactorSet(true);  // from an earlier start
  Start();
  EXPECT_FALSE(clock.display().transplutonian);
  EXPECT_EQ(clock.PlaceLine(),
            "008\xB0"
            "30' W, 47\xB0"
            "15' N");
  EXPECT_EQ(sky.dateText, "08.12.2026");
  EXPECT_TRUE(clock.lastInstantEnabled());
  EXPECT_TRUE(clock.AtOrWestOfGreenwich());
}

TEST_F(ClockTest, TheTimeColourChangesJustEastOfGreenwich) {
  Start();
  EXPECT_FALSE(clock.AtOrWestOfGreenwich()) << "10 degrees east";
  for (const auto& [longitude, west] :
       {std::pair{0.0001, true}, {1 / 60.0 + 0.0001, false}, {-8.5001, true}}) {
    clock.SetInstantAndPlace(SkyAt(8, 12, 2026, 9.5, longitude), {});
    EXPECT_EQ(clock.AtOrWestOfGreenwich(), west) << longitude;
  }
}

// The tick follows the step mode and the rate's sign; the real-time clock
// keeps pace with the system clock.
TEST_F(ClockTest, TicksMoveTheInstantByStepModeAndRate) {
  Start();
  systemClock.Advance(std::chrono::seconds(3));
  ASSERT_TRUE(clock.Tick().ok());
  EXPECT_EQ(clock.InstantLines().time, "09:30:18 WZ/GMT") << "three seconds passed";

  SetStep(StepMode::kDay);
  ASSERT_TRUE(TickAfterOneSecond().ok());
  EXPECT_EQ(clock.InstantLines().date, "Mi, 09.12.2026");
  EXPECT_EQ(clock.InstantLines().time, "09:30:18 WZ/GMT");

  clock.ChangeRate(SliderPositionFromRate(-5));
  ASSERT_TRUE(TickAfterOneSecond().ok());
  ASSERT_TRUE(TickAfterOneSecond().ok());
  EXPECT_EQ(clock.InstantLines().date, "Mo, 07.12.2026");

  SetStep(StepMode::kMinutes, 90);
  ASSERT_TRUE(TickAfterOneSecond().ok());
  EXPECT_EQ(clock.InstantLines().time, "08:00:18 WZ/GMT");
  EXPECT_EQ(clock.IntervalLine(), "Min/Takt:90");
}

TEST_F(ClockTest, ATickClearsTheSearchResult) {
  Start();
  FindFullMoon();
  ASSERT_TRUE(TickAfterOneSecond().ok());
  EXPECT_TRUE(clock.search().resultText.empty());
}

TEST_F(ClockTest, TheEndOfTheCalendarHaltsTheClockWithTheMessage) {
  Start();
  SetStep(StepMode::kYear);
  clock.HaltOrContinue();  // running again
  clock.SetInstantAndPlace(SkyAt(1, 12, 9999, 12), {});
  FindFullMoon();
  const std::string fullMoon = sky.dateText;
  const Status stepped = TickAfterOneSecond();
  ASSERT_FALSE(stepped.ok());
  EXPECT_EQ(stepped.error(),
            "Die Uhr hält an: Ihr Kalender reicht vom 01.01.1600 bis zum 31.12.9999.");
  EXPECT_EQ(sky.dateText, fullMoon);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.searchesEnabled());
  EXPECT_EQ(clock.search().resultText, " Vollmond ") << "the instant of the result stays";
}

TEST_F(ClockTest, TheSliderSetsRateIntervalAndRunState) {
  Start();
  FindFullMoon();
  clock.ChangeRate(0);
  EXPECT_EQ(clock.settings().ticksPerSecond, -20);
  EXPECT_EQ(clock.RateLine(), "-20");
  EXPECT_EQ(clock.SpeedLine(), "Takte/Sek:20");
  EXPECT_EQ(clock.timerInterval(), 47);
  EXPECT_TRUE(clock.running());
  EXPECT_FALSE(clock.searchesEnabled());
  EXPECT_TRUE(clock.search().resultText.empty());

  clock.ChangeRate(kHaltSliderPosition);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.searchesEnabled());
  EXPECT_EQ(clock.timerInterval(), 47) << "rate 0 has no interval of its own";
}

TEST_F(ClockTest, HaltAndContinue) {
  Start();
  clock.HaltOrContinue();
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.searchesEnabled());

  // Continuing counts real time from the moment it continues.
  systemClock.Advance(std::chrono::seconds(10));
  clock.HaltOrContinue();
  EXPECT_TRUE(clock.running());
  EXPECT_FALSE(clock.searchesEnabled());
  EXPECT_EQ(clock.timerInterval(), kStartTimerInterval);
  ASSERT_TRUE(TickAfterOneSecond().ok());
  EXPECT_EQ(clock.InstantLines().time, "09:30:16 WZ/GMT");
}

TEST_F(ClockTest, ContinuingAtRateZeroRunsOneTickForward) {
  Start();
  clock.ChangeRate(kHaltSliderPosition);
  clock.HaltOrContinue();
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.settings().ticksPerSecond, 1);
  EXPECT_EQ(clock.sliderPosition(), 21);
  EXPECT_EQ(clock.timerInterval(), 955);
}

TEST_F(ClockTest, RealTimeTakesTheSystemClockAndRunsOnlyWhenTheRateMoves) {
  Start();
  SetStep(StepMode::kWeek);
  clock.ChangeRate(SliderPositionFromRate(5));
  systemClock.Set(UtcTime(2027, 3, 1, 12, 0, 0));
  clock.GoToRealTime();
  EXPECT_EQ(clock.InstantLines().date, "Mo, 01.03.2027");
  EXPECT_EQ(clock.InstantLines().time, "12:00:00 WZ/GMT");
  EXPECT_EQ(clock.settings().stepMode, StepMode::kRealTime);
  EXPECT_EQ(clock.sliderPosition(), 21);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.timerInterval(), 955);

  clock.GoToRealTime();
  EXPECT_FALSE(clock.running()) << "the rate stood at 1 already";
  EXPECT_TRUE(clock.searchesEnabled());
}

TEST_F(ClockTest, ReloadTakesInstantAndPlaceOfTheStateFile) {
  WriteStateFile(kStateFile);
  Start();
  SetStep(StepMode::kYear);
  FindFullMoon();
  ASSERT_TRUE(clock.ReloadLastInstant().ok());
  EXPECT_EQ(clock.InstantLines().date, "Mo, 07.12.2026");
  EXPECT_EQ(clock.InstantLines().time, "14:05:09 WZ/GMT");
  EXPECT_EQ(clock.PlaceLine(),
            "008\xB0"
            "30' W, 47\xB0"
            "15' N");
  EXPECT_NEAR(sky.longitude, -8.5001, 1e-12);
  EXPECT_EQ(clock.settings().stepMode, StepMode::kRealTime);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.search().resultText.empty());
}

TEST_F(ClockTest, AMissingStateFileIsReportedAndChangesNothingButTheRunState) {
  WriteStateFile(kStateFile);
  Start();
  std::filesystem::remove(directory.path() / "ALT.DAT");
  SetStep(StepMode::kYear);
  const SkyState before = sky;
  const Status read = clock.ReloadLastInstant();
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error().find("ALT.DAT"), std::string::npos) << read.error();
  EXPECT_EQ(sky.dateText, before.dateText);
  EXPECT_EQ(sky.hours, before.hours);
  EXPECT_EQ(sky.longitude, before.longitude);
  EXPECT_EQ(clock.settings().stepMode, StepMode::kYear);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.searchesEnabled());
}

// A state file dated before 1600 gives its place at start, but its instant
// is neither offered nor reloaded.
TEST_F(ClockTest, AStateFileDatedBefore1600IsRefusedAtStartAndReload) {
  WriteStateFile("14.03.1329" + kStateFile.substr(10));
  Start();
  EXPECT_NE(started.error().find("14.03.1329"), std::string::npos) << started.error();
  EXPECT_EQ(clock.InstantLines().date, "Di, 08.12.2026");
  EXPECT_NEAR(sky.longitude, -8.5001, 1e-12);
  EXPECT_FALSE(clock.lastInstantEnabled());
  EXPECT_FALSE(clock.ReloadLastInstant().ok());
  EXPECT_EQ(clock.InstantLines().date, "Di, 08.12.2026");
}

TEST_F(ClockTest, TheSavedStateIsWhatTheReloadReads) {
  Start();
  clock.SetInstantAndPlace(SkyAt(24, 12, 2027, 18.5), {});
  ASSERT_TRUE(clock.SaveState().ok());
  std::ifstream file(directory.path() / "ALT.DAT", std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(written.substr(0, 22), "24.12.2027\r\n18:30:00\r\n");

  clock.SetInstantAndPlace(SkyAt(1, 1, 2001, 3), {});
  ASSERT_TRUE(clock.ReloadLastInstant().ok());
  EXPECT_EQ(clock.InstantLines().date, "Fr, 24.12.2027");
  EXPECT_EQ(clock.InstantLines().time, "18:30:00 WZ/GMT");
}

// The setting dialogs halt the clock and hold back every button; closing
// one gives both groups back, running at one tick forward if the rate was 0.
TEST_F(ClockTest, SettingsHaltAndRestartOnlyARateOfZero) {
  Start();
  FindFullMoon();
  clock.BeginSetting();
  EXPECT_FALSE(clock.running());
  EXPECT_FALSE(clock.controlsEnabled());
  EXPECT_FALSE(clock.searchesEnabled());
  EXPECT_TRUE(clock.search().resultText.empty());
  clock.EndInterval(std::nullopt);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.controlsEnabled());
  EXPECT_TRUE(clock.searchesEnabled());

  clock.ChangeRate(kHaltSliderPosition);
  clock.BeginSetting();
  clock.EndInterval(std::nullopt);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.settings().ticksPerSecond, 1);
  EXPECT_TRUE(clock.searchesEnabled()) << "both groups, even running";
}

TEST_F(ClockTest, APauseHaltsAndKeepsTheSearchResult) {
  Start();
  FindFullMoon();
  clock.BeginPause();
  EXPECT_FALSE(clock.running());
  EXPECT_FALSE(clock.controlsEnabled());
  EXPECT_FALSE(clock.searchesEnabled());
  EXPECT_EQ(clock.search().resultText, " Vollmond ");
  clock.EndPause();
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.controlsEnabled());
  EXPECT_TRUE(clock.searchesEnabled());
}

TEST_F(ClockTest, ThePlaceLineFollowsTheSetPlace) {
  WriteStateFile(kStateFile);
  Start();
  ASSERT_TRUE(clock.ReloadLastInstant().ok());
  clock.SetInstantAndPlace(SkyAt(7, 12, 2026, 14, 73.75 + 0.0001), {});
  EXPECT_EQ(clock.PlaceLine().substr(0, 10),
            "073\xB0"
            "45' E,");
}

// ALT.DAT keeps whole minutes: a kept place in the same minutes gives the
// exact coordinates, name and zone, at start and at reload, and the saved
// state keeps them again. A kept atlas place is named in the language shown.
TEST_F(ClockTest, TheStateFilesPlacePairsWithTheKeptPlaceToTheMinute) {
  const double fileLongitude = 11 + 35 / 60.0 + 0.0001, fileLatitude = 48 + 8 / 60.0 + 0.0001;
  const PlaceIdentity munich{"Munich", "Bavaria", "Germany", "Europe/Berlin"};
  const PlaceIdentity olymp{"Olymp", "", "", "Mars/Olympus"};
  const struct {
    std::optional<KeptPlace> kept;
    double longitude, latitude;
    std::string nameAndZone;
  } cases[] = {
      {std::nullopt, fileLongitude, fileLatitude, "|Europe/Berlin"},
      {KeptPlace{munich, 11.57549, 48.13743}, 11.57549, 48.13743, "M\xC3\xBCnchen|Europe/Berlin"},
      {KeptPlace{olymp, 11.58, 48.14}, 11.58, 48.14, "Olymp|Mars/Olympus"},
      {KeptPlace{olymp, 11.58, 48.14 + 1 / 60.0}, fileLongitude, fileLatitude, "|Europe/Berlin"},
  };
  WriteStateFile("07.12.2026\r\n14:05:09\r\n" + PlaceText("+011", "35") + "\r\n" +
                 PlaceText("+48", "08") + "\r\n");
  for (const auto& c : cases) {
    keptPlaces.kept = c.kept;
    Start();
    for (const char* when : {"start", "reload"}) {
      EXPECT_DOUBLE_EQ(sky.longitude, c.longitude) << when << c.nameAndZone;
      EXPECT_DOUBLE_EQ(sky.latitude, c.latitude) << when << c.nameAndZone;
      EXPECT_EQ(clock.placeIdentity().name + "|" + clock.placeIdentity().timeZone, c.nameAndZone);
      clock.SetInstantAndPlace(SkyAt(1, 1, 2001, 3), {});
      ASSERT_TRUE(clock.ReloadLastInstant().ok());
    }
    ASSERT_TRUE(clock.SaveState().ok());
    EXPECT_EQ(keptPlaces.kept->identity, clock.placeIdentity());
    EXPECT_DOUBLE_EQ(keptPlaces.kept->longitude, c.longitude) << c.nameAndZone;
  }
  std::filesystem::remove(directory.path() / "ALT.DAT");
  std::filesystem::create_directory(directory.path() / "ALT.DAT");  // cannot be written
  keptPlaces.kept.reset();
  EXPECT_FALSE(clock.SaveState().ok());
  EXPECT_FALSE(keptPlaces.kept.has_value()) << "the kept place goes with ALT.DAT";
}

// What the setting dialogs leave reaches the panel's lines; ESC (the
// clock's own sky back, no step) changes nothing.
TEST_F(ClockTest, TheSettingDialogsResultsReachThePanel) {
  Start();
  // A zone two hours ahead of Universal Time.
  clock.SetPlaceTimeRules({.offsetAt =
                               [](const std::string&, ClockSeconds, double) {
                                 return Outcome<CivilOffset>::Success({7200, "ZZ"});
                               },
                           .offsetsOfLocalTime =
                               [](const std::string&, ClockSeconds, double) {
                                 return Outcome<std::vector<CivilOffset>>::Success({{7200, "ZZ"}});
                               }});
  const SkyState entered = SkyAt(20, 6, 2026, 23.5, 11.57549, 48.13743);
  const std::string universal =
      "Sa, 20.06.2026|23:30:00 WZ/GMT||011\xB0"
      "35' E";
  const std::tuple<const SkyState&, bool, std::string> visits[] = {
      {entered, true,
       "So, 21.06.2026|01:30:00 ZZ|20.06. 23:30:00 WZ/GMT|011\xB0"
       "35' E"},
      {entered, false, universal},
      {sky, false, universal},
  };
  for (const auto& [entry, localFirst, lines] : visits) {
    clock.BeginSetting();
    clock.EndDateTimePlace(SkyState(entry), {"Ort", "", "", "Test/Zone"}, localFirst);
    EXPECT_EQ(clock.InstantLines().date + "|" + clock.InstantLines().time + "|" +
                  clock.InstantLines().universal + "|" + clock.PlaceLine().substr(0, 9),
              lines);
  }
  // The minutes change only with a step of typed minutes.
  const std::tuple<std::optional<StepChoice>, const char*, double> steps[] = {
      {StepChoice{StepMode::kMinutes, 90}, "Min/Takt:90", 90},
      {StepChoice{StepMode::kDay, 5}, "1 Tag", 90},
      {std::nullopt, "1 Tag", 90},
  };
  for (const auto& [chosen, line, minutes] : steps) {
    clock.BeginSetting();
    clock.EndInterval(chosen);
    EXPECT_EQ(clock.IntervalLine(), line);
    EXPECT_EQ(clock.settings().intervalMinutes, minutes) << line;
  }
}

}  // namespace
}  // namespace sternwerk
