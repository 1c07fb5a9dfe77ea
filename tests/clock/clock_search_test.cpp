// The clock's searches and computations without a window: which factor is
// searched, in which computation, what a found, missed or cancelled search
// leaves, and the texts the window shows about it.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "base/text_encoding.h"
#include "clock/clock.h"
#include "clock/search_texts.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/horizon_events.h"
#include "engine/sky.h"
#include "engine/text_forms.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/memory_kept_place_store.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

constexpr int kHour = 3600;
const PlaceIdentity kZoned{"", "", "", "Test/Zone"};

// Rules of a zone `before` seconds ahead of Universal Time until the
// instant `change`, then `after`.
PlaceTimeRules ZoneSwitchingAt(ClockSeconds change, int before, int after) {
  const auto offsetAt = [=](ClockSeconds universal) { return universal < change ? before : after; };
  return {.offsetAt =
              [=](const std::string&, ClockSeconds universal, double) {
                return Outcome<CivilOffset>::Success({offsetAt(universal), "ZZ"});
              },
          .offsetsOfLocalTime =
              [=](const std::string&, ClockSeconds local, double) {
                std::set<int, std::greater<>> offsets;  // the earlier instant first
                for (const int offset : {before, after})
                  if (offsetAt(local - offset) == offset) offsets.insert(offset);
                std::vector<CivilOffset> occurrences;
                for (const int offset : offsets) occurrences.push_back({offset, "ZZ"});
                return Outcome<std::vector<CivilOffset>>::Success(std::move(occurrences));
              }};
}

// Midnight on the Universal day before (Munich) and after (New York), skipped (as in
// Beirut) and repeated; without a zone the Universal day's.
TEST(LocalDayStart, IsLocalMidnightSkippedOrRepeatedOrElseUniversalMidnight) {
  const auto at = [](int day, int month, double hours) {
    return ClockSecondsOf(day, month, 2026, hours);
  };
  const struct {
    PlaceTimeRules rules;
    PlaceIdentity place;
    ClockSeconds instant;
    ClockSeconds start;
  } cases[] = {
      {ZoneSwitchingAt(0, 2 * kHour, 2 * kHour), kZoned, at(20, 6, 23.5), at(20, 6, 22)},
      {ZoneSwitchingAt(0, -4 * kHour, -4 * kHour), kZoned, at(21, 6, 2), at(20, 6, 4)},
      {ZoneSwitchingAt(at(28, 3, 22), 2 * kHour, 3 * kHour), kZoned, at(29, 3, 10), at(28, 3, 22)},
      {ZoneSwitchingAt(at(24, 10, 22), 3 * kHour, 2 * kHour), kZoned, at(25, 10, 10),
       at(24, 10, 21)},
      {ZoneSwitchingAt(0, 2 * kHour, 2 * kHour), {}, at(20, 6, 23.5), at(20, 6, 0)},
  };
  for (const auto& [rules, place, instant, start] : cases)
    EXPECT_EQ(LocalDayStart(rules, place, 0, instant), start) << ReadingOf(instant).month;
}

class ClockSearch : public ::testing::Test {
 protected:
  // Started on 08.12.2026 09:30:15 at 10 E, 50 N and halted.
  ClockSearch() {
    EXPECT_TRUE(clock.PrepareStart(ComputationMode::kOwn).ok());
    clock.StartRunning();
    clock.FinishStart(false);
    EXPECT_TRUE(clock.Recompute().ok());
    clock.HaltOrContinue();
  }

  // What the engine's scan finds from the clock's sky.
  SkyState Expected(EventKind kind, int factor, ComputationMode mode = ComputationMode::kOwn) {
    SkyState copy = clock.sky();
    EXPECT_EQ(SearchEvent(copy, kind, factor, {}, std::nullopt, mode), SearchStatus::kFound);
    return copy;
  }

  void ExpectUnchanged(const SkyState& before) {
    EXPECT_EQ(clock.sky().dateText, before.dateText);
    EXPECT_EQ(clock.sky().hours, before.hours);
    EXPECT_EQ(clock.sky().longitudes, before.longitudes);
    EXPECT_TRUE(clock.search().resultText.empty());
  }

  // The clock's sky and place, 80 degrees north.
  void MoveNorth() {
    SkyState north = clock.sky();
    north.latitude = 80;
    clock.SetInstantAndPlace(north, {});
  }

  TemporaryDirectory directory;
  FakeSystemClock systemClock{UtcTime(2026, 12, 8, 9, 30, 15)};
  testing::MemoryKeptPlaceStore keptPlaces;
  const PlaceAtlas noPlaces{{}};
  Clock clock{systemClock, directory.path(), keptPlaces, noPlaces};

  // The clock at a place of a zone `offsetHours` ahead of Universal Time,
  // at the Universal `hours` of the date.
  void At(double longitude, double latitude, int offsetHours, int day, int month, int year,
          double hours) {
    clock.SetPlaceTimeRules(ZoneSwitchingAt(0, offsetHours * kHour, offsetHours * kHour));
    clock.SetInstantAndPlace(testing::SkyAt(day, month, year, hours, longitude, latitude), kZoned);
    ASSERT_TRUE(clock.Recompute().ok());
  }

  // The clock's search, whose failures fail the test.
  SearchStatus Searched(EventKind kind, const SearchProgress& progress = {}) {
    const Outcome<SearchStatus> status = clock.Search(kind, progress);
    EXPECT_TRUE(status.ok()) << status.error();
    return status.ok() ? status.value() : SearchStatus::kCancelled;
  }
};

TEST_F(ClockSearch, AFoundRiseOfTheChosenFactorIsTheResult) {
  clock.ChooseSearchedFactor({kSun});
  const SkyState expected = Expected(EventKind::kRise, kSun);
  int hoursReported = 0;
  EXPECT_EQ(Searched(EventKind::kRise,
                     [&](int) {
                       ++hoursReported;
                       return true;
                     }),
            SearchStatus::kFound);
  EXPECT_GT(hoursReported, 0);
  EXPECT_EQ(clock.sky().hours, expected.hours);
  EXPECT_EQ(clock.search().resultText, " SO-Aufgang ");
  EXPECT_FALSE(clock.running());
}

TEST_F(ClockSearch, LunationsConcernTheMoonWhateverFactorWasChosen) {
  clock.ChooseSearchedFactor({kSun});
  EXPECT_EQ(clock.SearchedFactor(EventKind::kNewMoon), kMoon);
  EXPECT_EQ(clock.SearchedFactor(EventKind::kCulmination), kSun);
  const SkyState expected = Expected(EventKind::kFullMoon, kMoon);
  EXPECT_EQ(Searched(EventKind::kFullMoon), SearchStatus::kFound);
  EXPECT_EQ(clock.sky().dateText, expected.dateText);
  EXPECT_EQ(clock.sky().hours, expected.hours);
  EXPECT_EQ(clock.search().resultText, " Vollmond ");
}

// At 80 degrees north the December Sun stays below the horizon.
TEST_F(ClockSearch, NothingFoundOrCancelledLeavesSkyAndResultAlone) {
  MoveNorth();
  ASSERT_TRUE(clock.Recompute().ok());
  clock.ChooseSearchedFactor({kSun});
  const SkyState before = clock.sky();
  EXPECT_EQ(Searched(EventKind::kRise), SearchStatus::kNotFound);
  ExpectUnchanged(before);

  EXPECT_EQ(Searched(EventKind::kNewMoon, [](int hour) { return hour < 3; }),
            SearchStatus::kCancelled);
  ExpectUnchanged(before);
}

TEST_F(ClockSearch, ThePreciseComputationFillsTheSkyAndDrivesTheSearch) {
  SkyState precise = clock.sky();
  const ComputationUsed used = ComputeSky(precise, ComputationMode::kPrecise).used;
  clock.ChooseComputation(ComputationMode::kPrecise);
  ASSERT_TRUE(clock.Recompute().ok());
  EXPECT_EQ(clock.display().computation, used);
  EXPECT_NE(clock.display().computation, ComputationUsed::kOwn);
  EXPECT_EQ(clock.sky().longitudes, precise.longitudes);

  clock.ChooseSearchedFactor({kMoon});
  const SkyState expected = Expected(EventKind::kRise, kMoon, ComputationMode::kPrecise);
  ASSERT_EQ(Searched(EventKind::kRise), SearchStatus::kFound);
  EXPECT_EQ(clock.sky().hours, expected.hours);

  clock.ChooseComputation(ComputationMode::kOwn);
  ASSERT_TRUE(clock.Recompute().ok());
  EXPECT_EQ(clock.display().computation, ComputationUsed::kOwn);
}

// After about 3000 the library has no positions: the own ones are shown,
// and the failure gives the library's reason.
TEST_F(ClockSearch, APreciseFallbackKeepsTheOwnSkyAndTellsTheLibrarysReason) {
  clock.SetInstantAndPlace(testing::SkyAt(1, 1, 5000, 12), {});
  SkyState own = clock.sky();
  ComputeSky(own);
  clock.ChooseComputation(ComputationMode::kPrecise);
  const Status computed = clock.Recompute();
  ASSERT_FALSE(computed.ok());
  EXPECT_NE(computed.error().find("sepl_48.se1"), std::string::npos) << computed.error();
  EXPECT_NE(computed.error().find("eigenen Berechnung"), std::string::npos) << computed.error();
  EXPECT_EQ(clock.display().computation, ComputationUsed::kOwnAfterFailure);
  EXPECT_EQ(clock.sky().longitudes, own.longitudes);
}

// Munich at 01:30 summer time and Sydney at 11:00 on 21 June: the rise and
// culmination searched, of both kinds, are those of the local date, whose
// Universal date is the 20th in Munich.
TEST_F(ClockSearch, RiseAndCulminationAreThoseOfTheLocalDay) {
  const struct {
    double longitude, latitude;
    int offsetHours, day;
    double hours;
  } places[] = {{11.57549, 48.13743, 2, 20, 23.5}, {151.20732, -33.86785, 10, 21, 1}};
  clock.ChooseSearchedFactor({kSun});
  for (const auto& place : places) {
    for (const EventKind kind : {EventKind::kRise, EventKind::kCulmination}) {
      for (const bool atHorizon : {false, true}) {
        At(place.longitude, place.latitude, place.offsetHours, place.day, 6, 2026, place.hours);
        clock.ChooseHorizonSearch(atHorizon);
        ASSERT_EQ(Searched(kind), SearchStatus::kFound);
        const ClockReading local = ReadingOf(
            ClockSecondsOf(clock.sky().day, 6, 2026, clock.sky().hours + place.offsetHours));
        EXPECT_EQ(local.day, 21) << place.offsetHours << clock.search().resultText;
      }
    }
  }
}

// The new moon of 09.12.2026 00:52:30 UT is found again from its own
// instant, but not from three minutes after it, still within the minutes
// of its band, nor from 07:58: then the next one is.
TEST_F(ClockSearch, TheLunationFoundIsTheNextFromTheClocksInstant) {
  for (const auto& [hours, found] : {std::pair{0.875, "09.12.2026 00:52:30"},
                                     {55 / 60.0, "07.01.2027 20:25:00"},
                                     {7 + 58 / 60.0, "07.01.2027 20:25:00"}}) {
    At(10, 50, 1, 9, 12, 2026, hours);
    ASSERT_EQ(Searched(EventKind::kNewMoon), SearchStatus::kFound);
    EXPECT_EQ(clock.sky().dateText + " " + FormatHours(clock.sky().hours), found) << hours;
  }
}

// The banners and results are checked where the window shows them; the
// message names the event and the days scanned.
TEST(SearchTexts, TheMissedEventAndTheDaysScanned) {
  EXPECT_EQ(SearchNotFoundText(EventKind::kRise, kSun, false),
            "SO-Aufgang in den nächsten 31 Tagen nicht gefunden.\r\n"
            "Datum und Zeit bleiben unverändert.");
  EXPECT_EQ(SearchNotFoundText(EventKind::kFullMoon, kMoon, true),
            "Vollmond in den nächsten 32 Tagen nicht gefunden.\r\n"
            "Datum und Zeit bleiben unverändert.");
}

// At the horizon the Sun's rise is the almanac's, named so; the polar night
// has none, and a date the library cannot compute is told, not searched.
TEST_F(ClockSearch, AtTheHorizonTheAlmanacRiseIsTheResult) {
  clock.ChooseHorizonSearch(true);
  clock.ChooseSearchedFactor({kSun});
  SkyState expected = clock.sky();
  ASSERT_EQ(SearchHorizonEvent(expected, EventKind::kRise, kSun).value(), SearchStatus::kFound);
  EXPECT_EQ(Searched(EventKind::kRise), SearchStatus::kFound);
  EXPECT_EQ(clock.sky().hours, expected.hours);
  EXPECT_EQ(clock.search().resultText, " SO-Aufgang am Horizont ");
  EXPECT_EQ(Searched(EventKind::kFullMoon), SearchStatus::kFound) << "lunations as ever";
  EXPECT_EQ(clock.search().resultText, " Vollmond ");

  MoveNorth();
  EXPECT_EQ(Searched(EventKind::kRise), SearchStatus::kNotFound);
  clock.SetInstantAndPlace(testing::SkyAt(1, 1, 5000, 12, 10, 80), {});
  const Outcome<SearchStatus> beyond = clock.Search(EventKind::kRise, {});
  ASSERT_FALSE(beyond.ok());
  EXPECT_EQ(beyond.error().rfind("SO-Aufgang am Horizont nicht berechenbar: ", 0), 0u)
      << beyond.error();
}

TEST(SearchTexts, AtTheHorizonTheEventIsNamedAsInAnAlmanac) {
  EXPECT_EQ(SearchProgressText(EventKind::kCulmination, kMars, true),
            "     Heutiger MA-Meridiandurchgang wird gesucht          ");
  EXPECT_EQ(SearchResultText(EventKind::kSet, kMoon, true), " MO-Untergang am Horizont ");
  EXPECT_EQ(SearchNotFoundText(EventKind::kRise, kSun, true),
            "SO-Aufgang am Horizont nicht gefunden: SO geht an diesem Ort zur Zeit weder auf "
            "noch unter (Polartag oder Polarnacht).\r\nDatum und Zeit bleiben unverändert.");
}

// An eclipse as the observing functions find it from the second after
// `from`: its maximum, kind, contacts and whether the place sees it.
struct ObservedEclipse {
  ClockSeconds maximum = 0;
  std::string kind;
  std::vector<EclipseContact> contacts;
  bool seen = false;
};

ObservedEclipse Observed(EclipseSearch search, ClockSeconds from, const ObserverPlace& place) {
  if (search == EclipseSearch::kSolar) {
    const LocalSolarEclipse solar = NextSolarEclipse(from + 1, place).value();
    return {solar.maximum, SolarEclipseKindText(solar.kind), solar.contacts, true};
  }
  const LunarEclipse lunar = NextLunarEclipse(from + 1, place).value();
  return {lunar.maximum, LunarEclipseKindText(lunar.kind), lunar.contacts, lunar.visible};
}

// "13:05:18 ZZ (10:05:18 WZ/GMT)" of an instant in a zone `offset` ahead,
// with the local date where it is not `shownDay`.
std::string LocalFirst(ClockSeconds instant, ClockSeconds offset, int shownDay) {
  const ClockReading local = ReadingOf(instant + offset);
  const std::string date =
      local.day == shownDay ? "" : DateText(local.day, local.month, local.year).substr(0, 6) + " ";
  return date + FormatHours(local.secondOfDay / double(kHour)) + " ZZ (" +
         FormatUniversalHours(ReadingOf(instant).secondOfDay / double(kHour)) + ")";
}

// From Luxor (total, 2027), Sydney (which sees none in 2027: the total one
// of 2028), Delhi (the lunar eclipse of 7 September 2025, seen, its last
// contacts after local midnight) and New York (not seen): the clock stands
// at the maximum the observing functions give, with their kind, and its
// figures give maximum and contacts local time first.
TEST_F(ClockSearch, AnEclipseFoundPutsTheClockAtItsMaximumWithItsFigures) {
  const struct {
    EclipseSearch search;
    double longitude, latitude;
    int offsetHours, month, year, foundYear;
  } cases[] = {{EclipseSearch::kSolar, 32.64, 25.70, 3, 1, 2027, 2027},
               {EclipseSearch::kSolar, 151.21, -33.87, 10, 1, 2027, 2028},
               {EclipseSearch::kLunar, 77.21, 28.61, 5, 8, 2025, 2025},
               {EclipseSearch::kLunar, -74.0, 40.7, -4, 8, 2025, 2025}};
  for (const auto& c : cases) {
    At(c.longitude, c.latitude, c.offsetHours, 1, c.month, c.year, 0);
    clock.ShowLocalTimeFirst(true);
    const ObservedEclipse expected =
        Observed(c.search, ClockSecondsOf(1, c.month, c.year, 0), {c.longitude, c.latitude, 0});
    int progressTold = 0;
    ASSERT_EQ(clock.SearchEclipse(c.search, [&](int hour) { return hour == 0 && ++progressTold; })
                  .value(),
              SearchStatus::kFound);
    EXPECT_EQ(progressTold, 1);

    const ClockReading maximum = ReadingOf(expected.maximum);
    EXPECT_EQ(maximum.year, c.foundYear);
    EXPECT_EQ(clock.sky().dateText + FormatHours(clock.sky().hours),
              DateText(maximum.day, maximum.month, maximum.year) +
                  FormatHours(maximum.secondOfDay / double(kHour)));
    EXPECT_EQ(clock.search().resultText, Utf8ToWindows1252(" " + expected.kind + " "));

    const std::string shown = Windows1252ToUtf8(clock.SearchResultLine());
    const ClockSeconds offset = c.offsetHours * kHour;
    const int shownDay = ReadingOf(expected.maximum + offset).day;
    EXPECT_NE(shown.find("\n Maximum: " + LocalFirst(expected.maximum, offset, shownDay) + " \n"),
              std::string::npos)
        << shown;
    for (const EclipseContact& contact : expected.contacts) {
      EXPECT_NE(shown.find("\n " + contact.code + ": " +
                           LocalFirst(contact.instant, offset, shownDay) + ", "),
                std::string::npos)
          << contact.code << shown;
    }
    EXPECT_EQ(shown.find(", nicht sichtbar \n") != std::string::npos, !expected.seen) << shown;
  }
}

// Searched again from a maximum found, the next eclipse is found; a search
// cancelled at once, or past the years the library computes, leaves the
// clock where it was.
TEST_F(ClockSearch, EclipsesFollowEachOtherAndACancelOrFailureChangesNothing) {
  for (const EclipseSearch search : {EclipseSearch::kSolar, EclipseSearch::kLunar}) {
    At(10, 50, 1, 1, 1, 2027, 0);
    ASSERT_EQ(clock.SearchEclipse(search, {}).value(), SearchStatus::kFound);
    const SkyState first = clock.sky();
    ASSERT_EQ(clock.SearchEclipse(search, {}).value(), SearchStatus::kFound);
    EXPECT_GT(
        ClockSecondsOf(clock.sky().day, clock.sky().month, clock.sky().year, clock.sky().hours),
        ClockSecondsOf(first.day, first.month, first.year, first.hours) + 86400);

    At(10, 50, 1, 1, 1, 2027, 0);
    const SkyState before = clock.sky();
    EXPECT_EQ(clock.SearchEclipse(search, [](int) { return false; }).value(),
              SearchStatus::kCancelled);
    ExpectUnchanged(before);

    clock.SetInstantAndPlace(testing::SkyAt(1, 1, 5000, 12), {});
    const SkyState beyond = clock.sky();
    const Outcome<SearchStatus> failed = clock.SearchEclipse(search, {});
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().find("finsternis nicht berechenbar: "), std::string::npos);
    ExpectUnchanged(beyond);
  }
}

}  // namespace
}  // namespace sternwerk
