// Eclipses against published circumstances. Solar: NASA's local
// circumstances for Dallas, 8 April 2024 (contacts 12:23, 13:40:43,
// 13:44:34, 15:02 CDT; totality 3 min 51 s); the 2 August 2027 eclipse at
// Luxor (totality about 6 min 20 s; magnitude 1.079 and the Sun 81.7°
// high at greatest eclipse, 10:06:35 UT, 60 km away); Sydney, 22 July
// 2028 (totality 3 min 44 s around 14:00 AEST). Lunar: NASA's 7
// September 2025 total eclipse (P1 15:28:25, U1 16:27, U2 17:30:43,
// greatest 18:11:48, U3 18:52:35, U4 19:56:19, P4 20:55:11 UT, umbral
// magnitude 1.362; seen from Asia, Australia and Europe, not from the
// Americas) and the kinds of the eclipses of the Saros tables after it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/calendar.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"
#include "tests/observing/worst_error.h"

namespace sternwerk {
namespace {

using testing::WorstError;

double H(int hours, int minutes, int seconds = 0) {
  return hours + minutes / 60.0 + seconds / 3600.0;
}

// An expected instant: UT, with how closely the source gives it.
struct Expected {
  ClockSeconds instant;
  double toleranceSeconds;
};

std::map<std::string, ClockSeconds> ContactsOf(const std::vector<EclipseContact>& contacts) {
  std::map<std::string, ClockSeconds> byCode;
  for (const EclipseContact& contact : contacts) byCode[contact.code] = contact.instant;
  return byCode;
}

void CheckContacts(const std::vector<EclipseContact>& contacts,
                   const std::map<std::string, Expected>& expected, WorstError& worst,
                   const std::string& eclipse) {
  const std::map<std::string, ClockSeconds> found = ContactsOf(contacts);
  ASSERT_EQ(found.size(), expected.size()) << eclipse;
  for (const auto& [code, want] : expected) {
    ASSERT_TRUE(found.contains(code)) << eclipse << " " << code;
    EXPECT_LE(worst.Add(static_cast<double>(found.at(code)), static_cast<double>(want.instant),
                        eclipse + " " + code),
              want.toleranceSeconds)
        << eclipse << " " << code;
  }
}

struct SolarCase {
  const char* name;
  ObserverPlace place;
  ClockSeconds from;
  SolarEclipseKind kind;
  std::map<std::string, Expected> contacts;  // empty: not published
  double totalitySeconds;                    // 0: not checked
  Expected maximum;
};

TEST(SolarEclipses, LocalCircumstancesMatchPublishedOnes) {
  const ClockSeconds dallas = ClockSecondsOf(8, 4, 2024, 5);  // 00:00 CDT
  const SolarCase cases[] = {
      {"Dallas",
       {-96.797, 32.7767, 0},
       ClockSecondsOf(1, 1, 2024, 0),
       SolarEclipseKind::kTotal,
       {{"C1", {dallas + 3600 * 12 + 23 * 60, 60}},
        {"C2", {dallas + static_cast<ClockSeconds>(H(13, 40, 43) * 3600), 5}},
        {"C3", {dallas + static_cast<ClockSeconds>(H(13, 44, 34) * 3600), 5}},
        {"C4", {dallas + 3600 * 15 + 2 * 60, 60}}},
       231,
       {ClockSecondsOf(8, 4, 2024, H(18, 42, 40)), 60}},
      {"Luxor",
       {32.6396, 25.6989, 0},
       ClockSecondsOf(1, 1, 2027, 0),
       SolarEclipseKind::kTotal,
       {},
       380,
       {ClockSecondsOf(2, 8, 2027, H(10, 6, 35)), 180}},
      {"Sydney",
       {151.2093, -33.8688, 0},
       ClockSecondsOf(1, 1, 2028, 0),
       SolarEclipseKind::kTotal,
       {},
       224,
       {ClockSecondsOf(22, 7, 2028, 4), 600}},
      {"Munich",
       {11.575, 48.137, 0},
       ClockSecondsOf(1, 1, 2027, 0),
       SolarEclipseKind::kPartial,
       {},
       0,
       {ClockSecondsOf(2, 8, 2027, H(9, 11)), 600}},
  };
  WorstError contacts("solar contact (s)");
  WorstError totality("totality (s)");
  for (const SolarCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome<LocalSolarEclipse> found = NextSolarEclipse(c.from, c.place);
    ASSERT_TRUE(found.ok()) << found.error();
    const LocalSolarEclipse& eclipse = found.value();
    EXPECT_EQ(SolarEclipseKindText(eclipse.kind), SolarEclipseKindText(c.kind));
    EXPECT_NEAR(static_cast<double>(eclipse.maximum), static_cast<double>(c.maximum.instant),
                c.maximum.toleranceSeconds);
    EXPECT_TRUE(eclipse.maximumSeen);
    EXPECT_LE(eclipse.obscuration, 1.0);
    if (!c.contacts.empty()) CheckContacts(eclipse.contacts, c.contacts, contacts, c.name);
    if (c.totalitySeconds > 0) {
      ASSERT_EQ(eclipse.contacts.size(), 4u);
      EXPECT_EQ(eclipse.obscuration, 1.0);
      const auto seconds =
          static_cast<double>(eclipse.contacts[2].instant - eclipse.contacts[1].instant);
      EXPECT_LE(totality.Add(seconds, c.totalitySeconds, c.name), 10);
    } else {
      EXPECT_EQ(eclipse.contacts.size(), 2u) << "a partial eclipse has C1 and C4 only";
    }
  }
  // At Luxor the Sun stands nearly as high, and the Moon as large, as at
  // greatest eclipse.
  const Outcome<LocalSolarEclipse> luxor =
      NextSolarEclipse(ClockSecondsOf(1, 1, 2027, 0), {32.6396, 25.6989, 0});
  ASSERT_TRUE(luxor.ok());
  EXPECT_NEAR(luxor.value().sunAltitude, 81.7, 1.0);
  EXPECT_NEAR(luxor.value().magnitude, 1.079, 0.003);
}

TEST(LunarEclipses, ContactsMagnitudeAndVisibilityMatchPublishedOnes) {
  struct Seen {
    const char* name;
    ObserverPlace place;
    bool visible;
  };
  const ClockSeconds day = ClockSecondsOf(7, 9, 2025, 0);
  const auto at = [day](int h, int m, int s) {
    return day + static_cast<ClockSeconds>(H(h, m, s) * 3600);
  };
  // Minutes where the source gives minutes; umbral contacts depend on the
  // enlargement of the Earth's shadow each almanac assumes (up to a
  // minute).
  const std::map<std::string, Expected> contacts = {
      {"P1", {at(15, 28, 25), 60}}, {"U1", {at(16, 27, 0), 90}},  {"U2", {at(17, 30, 43), 60}},
      {"U3", {at(18, 52, 35), 60}}, {"U4", {at(19, 56, 19), 90}}, {"P4", {at(20, 55, 11), 60}}};
  WorstError worst("lunar contact (s)");
  for (const Seen seen : {Seen{"Sydney", {151.21, -33.87, 0}, true},
                          Seen{"Munich (moonrise in totality)", {11.575, 48.137, 0}, true},
                          Seen{"New York", {-74.006, 40.713, 0}, false}}) {
    SCOPED_TRACE(seen.name);
    const Outcome<LunarEclipse> found = NextLunarEclipse(ClockSecondsOf(1, 8, 2025, 0), seen.place);
    ASSERT_TRUE(found.ok()) << found.error();
    const LunarEclipse& eclipse = found.value();
    EXPECT_EQ(LunarEclipseKindText(eclipse.kind), LunarEclipseKindText(LunarEclipseKind::kTotal));
    EXPECT_NEAR(static_cast<double>(eclipse.maximum), static_cast<double>(at(18, 11, 48)), 30);
    EXPECT_NEAR(eclipse.umbralMagnitude, 1.362, 0.01);
    CheckContacts(eclipse.contacts, contacts, worst, seen.name);
    EXPECT_EQ(eclipse.visible, seen.visible);
    EXPECT_EQ(eclipse.moonAltitude > 0, seen.visible);
  }
}

TEST(LunarEclipses, KindsFollowTheSarosTables) {
  struct Case {
    ClockSeconds from;
    ClockSeconds maximumDay;
    LunarEclipseKind kind;
    std::size_t contacts;
  };
  for (const Case c : {Case{ClockSecondsOf(4, 3, 2026, 0), ClockSecondsOf(28, 8, 2026, 0),
                            LunarEclipseKind::kPartial, 4},
                       Case{ClockSecondsOf(1, 9, 2026, 0), ClockSecondsOf(20, 2, 2027, 0),
                            LunarEclipseKind::kPenumbral, 2}}) {
    const Outcome<LunarEclipse> found = NextLunarEclipse(c.from, {10, 50, 0});
    ASSERT_TRUE(found.ok()) << found.error();
    EXPECT_EQ(LunarEclipseKindText(found.value().kind), LunarEclipseKindText(c.kind));
    EXPECT_EQ(ReadingOf(found.value().maximum).day, ReadingOf(c.maximumDay).day);
    EXPECT_EQ(found.value().contacts.size(), c.contacts);
  }
}

}  // namespace
}  // namespace sternwerk
