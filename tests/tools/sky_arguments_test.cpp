#include "tools/sky_arguments.h"

#include <gtest/gtest.h>

#include "engine/text_forms.h"
#include "tools/place_options.h"

namespace sternwerk {
namespace {

TEST(ParseDate, AcceptsRealDatesFrom1600) {
  const CalendarDate date = ParseDate("07.12.2026").value();
  EXPECT_EQ(date.day, 7);
  EXPECT_EQ(date.month, 12);
  EXPECT_EQ(date.year, 2026);
  EXPECT_EQ(ParseDate("29.02.2000").value().day, 29);
  EXPECT_EQ(ParseDate("1.3.1600").value().month, 3);
  EXPECT_EQ(ParseDate("31.12.9999").value().year, 9999);
}

TEST(ParseDate, RejectsImpossibleAndMalformedDatesNamingThem) {
  for (const char* text : {"31.02.2026", "29.02.1900", "29.02.2023", "31.04.2024", "00.01.2000",
                           "01.13.2000", "31.12.1599", "1.1.20000", "01-01-2000", "aa.bb.cccc", "",
                           "01.01.", "..2000", "+1.01.2000", "01.01.2000x"}) {
    const Outcome<CalendarDate> date = ParseDate(text);
    ASSERT_FALSE(date.ok()) << "accepted " << text;
    EXPECT_NE(date.error().find(std::string("\"") + text + "\""), std::string::npos)
        << date.error();
  }
  EXPECT_EQ(ParseDate("31.12.1599").error(),
            "Datum \"31.12.1599\": Jahre vor 1600 werden nicht berechnet");
  EXPECT_EQ(ParseDate("01.13.2000").error(), "Datum \"01.13.2000\": keinen Monat 13");
  EXPECT_EQ(ParseDate("29.02.1900").error(), "Datum \"29.02.1900\": diesen Tag gibt es nicht");
  EXPECT_EQ(ParseDate("1.1.20000").error(), "Datum \"1.1.20000\": erwartet TT.MM.JJJJ");
}

TEST(ParseTime, TypedTimesCarryTheExtraTenThousandthHour) {
  EXPECT_DOUBLE_EQ(ParseTime("13:00").value(), 13.0001);
  EXPECT_DOUBLE_EQ(ParseTime("18:14").value(), 18 + 14 / 60.0 + 0.0001);
  EXPECT_DOUBLE_EQ(ParseTime("00:00:30").value(), 30 / 3600.0 + 0.0001);
  EXPECT_DOUBLE_EQ(ParseTime("24:00").value(), 24.0001);
  EXPECT_EQ(FormatHours(ParseTime("23:59:59").value()), "23:59:59");
}

TEST(ParseTime, RejectsTimesPast24AndMalformedTimes) {
  for (const char* text : {"24:01", "24:00:01", "25:00", "12:60", "12:00:60", "12", "12:00:00:00",
                           "-1:00", "12:-5", "ab:cd", "", "12:", ":30", "12.30"}) {
    EXPECT_FALSE(ParseTime(text).ok()) << text;
  }
  EXPECT_EQ(ParseTime("12:60").error(), "Zeit \"12:60\": Minuten und Sekunden reichen bis 59");
  EXPECT_EQ(ParseTime("24:00:01").error(), "Zeit \"24:00:01\": die Zeit reicht bis 24:00");
  EXPECT_EQ(ParseTime("1:2:3:4").error(), "Zeit \"1:2:3:4\": erwartet HH:MM[:SS]");
}

TEST(ParseDegrees, DecimalDegreesWithinTheirRange) {
  EXPECT_DOUBLE_EQ(ParseDegrees("13.366767", "Länge", -180, 180).value(), 13.366767);
  EXPECT_DOUBLE_EQ(ParseDegrees("-180", "Länge", -180, 180).value(), -180);
  EXPECT_DOUBLE_EQ(ParseDegrees("+52.5", "Breite", -90, 90).value(), 52.5);
  EXPECT_DOUBLE_EQ(ParseDegrees("-10,5", "Länge", -180, 180).value(), -10.5) << "the decimal comma";
  for (const char* text : {"180.5", "-90.01", "abc", "", "1e2", "nan", "inf", "10,5,5", "1,2.5",
                           "10.5x", "+-3", "--3", " 5"}) {
    EXPECT_FALSE(ParseDegrees(text, "Breite", -90, 90).ok()) << text;
  }
}

TEST(ParsePlace, LongitudeThenLatitudeEachNamedInItsRefusal) {
  const Place place = ParsePlace("-13,5", "52.5").value();
  EXPECT_DOUBLE_EQ(place.longitude, -13.5);
  EXPECT_DOUBLE_EQ(place.latitude, 52.5);
  EXPECT_EQ(ParsePlace("181", "91").error(), "Länge \"181\": muss zwischen -180 und 180 liegen");
  EXPECT_EQ(ParsePlace("180", "91").error(), "Breite \"91\": muss zwischen -90 und 90 liegen");
  EXPECT_EQ(ParsePlace("10", "N\x1b").error(), "Breite \"N?\": keine Dezimalzahl");
}

TEST(ParseAngle, DegreesAndMinutesInEveryTypedFormWithHemisphereLetters) {
  const double ulm = 9 + 59 / 60.0;
  for (const char* text : {"9°59'", "9°59", "9:59", "9d59", "9D59'", "9°59'E", "9:59e", "9d59O",
                           "9:59o", "+9:59", "9.983333333333333"}) {
    EXPECT_NEAR(ParseAngle(text, Axis::kLongitude).value(), ulm, 1e-12) << text;
  }
  for (const char* text : {"9°59'W", "9:59w", "-9d59", "-9°59'"}) {
    EXPECT_NEAR(ParseAngle(text, Axis::kLongitude).value(), -ulm, 1e-12) << text;
  }
  EXPECT_NEAR(ParseAngle("48°24'30\"N", Axis::kLatitude).value(), 48 + 24 / 60.0 + 30 / 3600.0,
              1e-12);
  EXPECT_NEAR(ParseAngle("33:15:36s", Axis::kLatitude).value(), -(33 + 15 / 60.0 + 36 / 3600.0),
              1e-12);
  EXPECT_DOUBLE_EQ(ParseAngle("12,5S", Axis::kLatitude).value(), -12.5) << "decimals take letters";
  EXPECT_DOUBLE_EQ(ParseAngle("180:00W", Axis::kLongitude).value(), -180);
}

TEST(ParseAngle, RefusesWrongLettersSignsAndSixtiethsWithThePlaceMessage) {
  for (const char* text : {"9:60", "9:59:60", "9°5x'", "9::59", "9:59:", "-9E", "+9W", "9N", "9°",
                           "°59", "9:5:9:9", "9 59", "E", "9:59EE"}) {
    EXPECT_EQ(ParseAngle(text, Axis::kLongitude).error(),
              std::string("Länge \"") + text + "\": keine Dezimalzahl");
  }
  EXPECT_FALSE(ParseAngle("48:24E", Axis::kLatitude).ok()) << "east is no latitude";
  EXPECT_EQ(ParseAngle("90:01N", Axis::kLatitude).error(),
            "Breite \"90:01N\": muss zwischen -90 und 90 liegen");
  EXPECT_EQ(ParseAngle("180d30W", Axis::kLongitude).error(),
            "Länge \"180d30W\": muss zwischen -180 und 180 liegen");
}

TEST(PlaceOptions, TakenFromAnywhereLeavingTheOtherArgumentsInOrder) {
  std::vector<std::string> args = {"--dial",   "x.png",   "--place", "Ulm",
                                   "1.1.2000", "--local", "12:00"};
  const PlaceOptions options = TakePlaceOptions(args).value();
  EXPECT_EQ(options.name, "Ulm");
  EXPECT_TRUE(options.local);
  EXPECT_EQ(args, (std::vector<std::string>{"--dial", "x.png", "1.1.2000", "12:00"}));
  std::vector<std::string> saved = {"--houses", "P", "--saved", "Ferber", "--collection", "k.db"};
  const PlaceOptions chart = TakePlaceOptions(saved).value();
  EXPECT_EQ(chart.saved, "Ferber");
  EXPECT_EQ(chart.collection, "k.db");
  EXPECT_EQ(saved, (std::vector<std::string>{"--houses", "P"}));
  std::vector<std::string> none = {"1.1.2000", "12:00"};
  EXPECT_FALSE(TakePlaceOptions(none).value().any());
  for (std::vector<std::string> bad : {std::vector<std::string>{"--place"},
                                       {"--place", "Ulm", "--place", "Bonn"},
                                       {"--place", "M\xFCnchen"},
                                       {"--place", "\xC3\x28"},
                                       {"--place", "\xED\xA0\x80"},
                                       {"--place", "\xF0\x9F\x98"},
                                       {"--saved"},
                                       {"--saved", "M\xFCller"},
                                       {"--saved", "A", "--saved", "B"},
                                       {"--saved", "A", "--place", "Ulm"},
                                       {"--collection", "a.db", "--collection", "b.db"}}) {
    EXPECT_FALSE(TakePlaceOptions(bad).ok()) << bad.back();
  }
  EXPECT_TRUE(RequireUtf8("M\xC3\xBCnchen \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80", "Ort").ok());
  EXPECT_EQ(RequireUtf8("M\xFCnchen", "Ortsname").error(),
            "Ortsname: Byte 0xFC an Stelle 2 ist kein UTF-8 (Umlaute als UTF-8 oder als ae, oe, ue "
            "eingeben)");
}

}  // namespace
}  // namespace sternwerk
