// Civil time from the system's tzdata at known instants; the expected
// offsets are the tzdata rules' own (zone.tab names, offsets and
// abbreviations), not the code's.
#include "places/qt/civil_time.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <string>
#include <vector>

namespace sternwerk {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

// A clock reading in seconds since 1970, from its date and time.
ClockSeconds Reading(int year, int month, int day, int hour, int minute = 0) {
  return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
}

CivilOffset At(const std::string& zone, ClockSeconds universal, double longitude = 0) {
  const Outcome<CivilOffset> offset = OffsetAt(zone, universal, longitude);
  EXPECT_TRUE(offset.ok()) << offset.error();
  return offset.ok() ? offset.value() : CivilOffset{};
}

std::vector<int> OccurrenceOffsets(const std::string& zone, ClockSeconds local,
                                   double longitude = 0) {
  const Outcome<std::vector<CivilOffset>> found = OffsetsOfLocalTime(zone, local, longitude);
  EXPECT_TRUE(found.ok()) << found.error();
  std::vector<int> seconds;
  if (found.ok())
    for (const CivilOffset& offset : found.value()) seconds.push_back(offset.seconds);
  return seconds;
}

TEST(CivilTime, StandardAndSummerTimeInBothHemispheres) {
  EXPECT_EQ(At("Europe/Berlin", Reading(2026, 1, 15, 12)).seconds, 1 * kHour);
  EXPECT_EQ(At("Europe/Berlin", Reading(2026, 1, 15, 12)).abbreviation, "CET");
  EXPECT_EQ(At("Europe/Berlin", Reading(2026, 7, 15, 12)).seconds, 2 * kHour);
  EXPECT_EQ(At("Europe/Berlin", Reading(2026, 7, 15, 12)).abbreviation, "CEST");
  EXPECT_EQ(At("Australia/Sydney", Reading(2026, 1, 15, 12)).seconds, 11 * kHour);
  EXPECT_EQ(At("Australia/Sydney", Reading(2026, 7, 15, 12)).seconds, 10 * kHour);
  EXPECT_EQ(At("America/New_York", Reading(2026, 7, 15, 12)).seconds, -4 * kHour);
}

TEST(CivilTime, HalfHourAndQuarterHourZones) {
  EXPECT_EQ(At("Asia/Kolkata", Reading(2026, 3, 1, 0)).seconds, 5 * kHour + 30 * kMinute);
  EXPECT_EQ(At("Asia/Kathmandu", Reading(2026, 3, 1, 0)).seconds, 5 * kHour + 45 * kMinute);
}

TEST(CivilTime, HistoryBerlinDoubleSummerTimeParisMeanTimeAndPlaceMeanTime) {
  // 1945 the Soviet zone kept Moscow time from 24 May to 24 September.
  EXPECT_EQ(At("Europe/Berlin", Reading(1945, 7, 1, 12)).seconds, 3 * kHour);
  // Paris mean time, the legal time until 1911: 9 min 21 s.
  const CivilOffset paris = At("Europe/Paris", Reading(1900, 6, 1, 12), 2.35);
  EXPECT_EQ(paris.seconds, 9 * kMinute + 21);
  EXPECT_EQ(paris.abbreviation, "PMT");
  EXPECT_FALSE(paris.meanLocalTime);
  // Before standard time (1893) Ulm kept its own mean time, 39 min 58 s
  // east of Greenwich, not Berlin's 53 min 28 s that tzdata calls LMT.
  const CivilOffset ulm = At("Europe/Berlin", Reading(1879, 3, 14, 11), 9.99155);
  EXPECT_EQ(ulm.seconds, 39 * kMinute + 58);
  EXPECT_TRUE(ulm.meanLocalTime);
  EXPECT_EQ(OccurrenceOffsets("Europe/Berlin", Reading(1879, 3, 14, 11, 30), 9.99155),
            std::vector<int>{39 * kMinute + 58});
}

TEST(CivilTime, SkippedAndRepeatedLocalTimes) {
  EXPECT_EQ(OccurrenceOffsets("Europe/Berlin", Reading(2026, 3, 29, 2, 30)), std::vector<int>{});
  EXPECT_EQ(OccurrenceOffsets("Europe/Berlin", Reading(2026, 10, 25, 2, 30)),
            (std::vector<int>{2 * kHour, 1 * kHour}));
  EXPECT_EQ(OccurrenceOffsets("Europe/Berlin", Reading(2026, 10, 25, 3, 30)),
            std::vector<int>{1 * kHour});
  // Samoa moved across the date line: 30 December 2011 never came.
  EXPECT_EQ(OccurrenceOffsets("Pacific/Apia", Reading(2011, 12, 30, 12)), std::vector<int>{});
  EXPECT_EQ(OccurrenceOffsets("Pacific/Apia", Reading(2011, 12, 31, 12)),
            std::vector<int>{14 * kHour});
  EXPECT_EQ(OccurrenceOffsets("Australia/Sydney", Reading(2026, 4, 5, 2, 30)),
            (std::vector<int>{11 * kHour, 10 * kHour}));
}

TEST(CivilTime, UnknownZoneIsToldAndMeanTimeRemains) {
  const Outcome<CivilOffset> unknown = OffsetAt("Mars/Olympus_Mons", Reading(2026, 1, 1, 0), 0);
  ASSERT_FALSE(unknown.ok());
  EXPECT_NE(unknown.error().find("Mars/Olympus_Mons"), std::string::npos);
  EXPECT_FALSE(OffsetsOfLocalTime("", Reading(2026, 1, 1, 0), 0).ok());
  EXPECT_EQ(MeanLocalTime(-74.006).seconds, -(4 * kHour + 56 * kMinute + 1));
}

}  // namespace
}  // namespace sternwerk
