#include "engine/text_forms.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/factors.h"
#include "engine/position_list.h"

namespace sternwerk {
namespace {

// Builds expected texts with the Windows-1252 degree sign.
std::string Deg(const std::string& before, const std::string& after) {
  return before + '\xB0' + after;
}

TEST(ZeroPad, PadsTheLow16BitsToTheWidth) {
  EXPECT_EQ(ZeroPad(7, 2), "07");
  EXPECT_EQ(ZeroPad(0, 2), "00");
  EXPECT_EQ(ZeroPad(2026, 4), "2026");
  EXPECT_EQ(ZeroPad(10, 3), "010");
  EXPECT_EQ(ZeroPad(99, 4), "0099");
  EXPECT_EQ(ZeroPad(-1, 4), "65535");
  EXPECT_EQ(ZeroPad(65536 + 12, 2), "12");
  EXPECT_EQ(ZeroPad(123, 2), "123");  // too narrow a width writes all digits
}

TEST(RoundHalfDown, HalvesGoDown) {
  EXPECT_EQ(static_cast<int>(RoundHalfDown(2.5)), 2);
  EXPECT_EQ(static_cast<int>(RoundHalfDown(2.51)), 3);
  EXPECT_EQ(static_cast<int>(RoundHalfDown(2.49)), 2);
  EXPECT_EQ(static_cast<int>(RoundHalfDown(3.0)), 3);
}

TEST(SignDegrees, DegreesWithinTheSign) {
  EXPECT_NEAR(SignDegrees(288.8966), 18.8966, 1e-12);
  EXPECT_DOUBLE_EQ(SignDegrees(30.0), 0.0);
  EXPECT_DOUBLE_EQ(SignDegrees(29.5), 29.5);
}

TEST(FormatAngle, FullAngleWithSeconds) {
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, 288.8966), Deg("288", "53'47\""));
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, 0), Deg("000", "00'00\""));
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, -12.5), Deg("-012", "30'00\""));
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, 255.5034), Deg("255", "30'12\""));
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, 359.99999), Deg("359", "59'59\""));
}

TEST(FormatAngle, WithinTheSignToTheRoundedMinute) {
  EXPECT_EQ(FormatAngle(2, AngleMode::kWithinSign, 288.8966), Deg("18", "54'"));
  EXPECT_EQ(FormatAngle(2, AngleMode::kWithinSign, 59.99), Deg("29", "59'"));
  // The carry of a rounded 60' is not reduced into the next sign.
  EXPECT_EQ(FormatAngle(2, AngleMode::kWithinSign, 29.9995), Deg("30", "00'"));
  EXPECT_EQ(FormatAngle(2, AngleMode::kWithinSign, 0), Deg("00", "00'"));
}

TEST(FormatAngle, AbsurdValuesStayShortAndSafe) {
  for (double x : {1e30, -1e30, std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN(), 123456.789}) {
    EXPECT_LE(FormatAngle(3, AngleMode::kFull, x).size(), 14u) << x;
    EXPECT_LE(FormatAngle(2, AngleMode::kWithinSign, x).size(), 14u) << x;
  }
  EXPECT_EQ(FormatAngle(3, AngleMode::kFull, 1234.5), Deg("123", "30'00\""));
}

TEST(FormatCoordinate, PlacesWithTheStoredExtraTenThousandth) {
  EXPECT_EQ(FormatCoordinate(false, 10.0001), Deg("010", "00'"));
  EXPECT_EQ(FormatCoordinate(false, 50.5001), Deg("050", "30'"));
  EXPECT_EQ(FormatCoordinate(false, 10.9999), Deg("010", "60'"));
  EXPECT_EQ(FormatCoordinate(true, 13.366767), Deg("013", "22'00"));
  EXPECT_EQ(FormatCoordinate(true, 18.8966), Deg("018", "53'47"));
}

TEST(FormatHours, SecondsTruncateAndNothingCarries) {
  EXPECT_EQ(FormatHours(23.99999), "23:59:59");
  EXPECT_EQ(FormatHours(12.5), "12:30:00");
  EXPECT_EQ(FormatHours(0), "00:00:00");
  EXPECT_EQ(FormatHours(13.0001), "13:00:00");
  EXPECT_EQ(FormatHours(24.0001), "24:00:00");
  EXPECT_EQ(FormatHours(18 + 14 / 60.0 + 0.0001), "18:14:00");
}

TEST(FormatHours, ShowsTheSecondMeantWhenItIsStoredAHairBelow) {
  EXPECT_EQ(FormatHours(24 - 1.0 / 3600), "23:59:59");  // one second back from midnight
  int wrong = 0;
  double stepped = 0;
  for (int second = 0; second < 86400; ++second) {
    const int h = second / 3600, m = second / 60 % 60, s = second % 60;
    const std::string expected = ZeroPad(h, 2) + ":" + ZeroPad(m, 2) + ":" + ZeroPad(s, 2);
    wrong += FormatHours(h + m / 60.0 + s / 3600.0) != expected;
    wrong += FormatHours(stepped) != expected;
    stepped += 1.0 / 3600;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(FormatPlace, AsTheMainWindowShowsIt) {
  EXPECT_EQ(FormatPlace(10.0, 50.0, false, false), Deg("010", "00' E, ") + Deg("50", "00' N"));
  EXPECT_EQ(FormatPlace(-73.9853, -33.4501, true, true),
            Deg("073", "59' W, ") + Deg("33", "27' S"));
  EXPECT_EQ(FormatPlace(9.99655, 47.9999, false, false), Deg("010", "00' E, ") + Deg("48", "00' N"))
      << "an atlas place half a minute below a whole degree";
}

TEST(PositionList, LinesOfTheMainWindowList) {
  EXPECT_EQ(PositionListLine(kSun, 255.5034), Deg(" SO 255", "30'12\"=") + Deg("15", "30'SCH"));
  EXPECT_EQ(PositionListLine(kMC, 0.0), Deg(" MC 000", "00'00\"=") + Deg("00", "00'WID"));
  EXPECT_EQ(PositionListLine(kGZ, 266.925), Deg(" GZ 266", "55'30\"=") + Deg("26", "55'SCH"));
  EXPECT_EQ(PositionListLine(kPoseidon, 359.9001),
            Deg(" PO 359", "54'00\"=") + Deg("29", "54'FIS"));
}

TEST(PositionList, ALongitudeJustPast360IsListedWithoutASign) {
  EXPECT_EQ(PositionListLine(kSun, 360.002), Deg(" SO 360", "00'07\"=") + Deg("00", "00'"));
  EXPECT_EQ(PositionListLine(kMoon, 359.999), Deg(" MO 359", "59'56\"=") + Deg("30", "00'FIS"));
}

}  // namespace
}  // namespace sternwerk
