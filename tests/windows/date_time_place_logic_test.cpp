// The date/time/place dialog's logic typed through as a user types: every
// field takes the keys from empty when the focus enters it (its text is
// selected), a full field moves on by itself, Enter, ESC, tab and clicks.
#include "windows/date_time_place_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fixed_offset_rules.h"
#include "tests/support/fixture_atlas.h"

namespace sternwerk {
namespace {

using F = DateField;

class DateTimePlace : public ::testing::Test {
 protected:
  DateTimePlace() {
    sky.dateText = "07.12.2026";
    sky.day = 7;
    sky.month = 12;
    sky.year = 2026;
    sky.timeText = "09.30.15";
    sky.hours = 9.5 + 15 / 3600.0;
  }

  // Opens the dialog on the sky state as it stands.
  void Open(PlaceIdentity place = {}) { logic.Activate(std::move(place)); }
  // Leaves the latitude minutes with Enter, which closes the visit.
  void Close() {
    logic.MoveFocus(F::kLatitudeMinutes);
    logic.PressEnter();
  }

  // Types the keys one by one into whichever field has the focus.
  void TypeKeys(const std::string& keys) {
    for (const char key : keys) {
      if (logic.Focus() != typingIn_) {
        typingIn_ = logic.Focus();
        typed_.clear();
      }
      typed_ += key;
      logic.Type(typed_);
    }
    typingIn_ = F::kHelpText;
  }

  // Clicks into a field and types its whole new text.
  void Replace(F field, const std::string& text) {
    logic.MoveFocus(field);
    ASSERT_EQ(logic.Focus(), field) << "the click was turned back";
    TypeKeys(text);
  }

  SkyState sky;
  std::vector<std::string> messages;
  std::vector<std::string> questions;  // answered no
  const PlaceAtlas atlas = FixtureAtlas();
  DateTimePlaceLogic logic{sky, [this](std::string_view m) { messages.emplace_back(m); },
                           PlaceServices{.atlas = &atlas,
                                         .rules = testing::FixedOffsetRules(),
                                         .ask = [this](std::string_view question) {
                                           questions.emplace_back(question);
                                           return false;
                                         }}};

 private:
  F typingIn_ = F::kHelpText;
  std::string typed_;
};

const char* const kDateMessage = "Das ist kein gültiges Datum!";
// A real date of a year the calendar does not reach says why it is refused.
const char* const kBeforeCalendarMessage =
    "Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.";
const char* const kTimeMessage = "Das ist keine gültige Zeit!";
const char* const kLongitudeMessage = "Das ist keine gültige Länge!";
const char* const kLatitudeMessage = "Das ist keine gültige Breite!";
// A field that holds no number is named.
const char* const kDayDigits = "Der Tag muss aus Ziffern bestehen.";
const char* const kHourDigits = "Die Stunde muss aus Ziffern bestehen.";
const char* const kMinuteDigits = "Die Minute muss aus Ziffern bestehen.";

TEST_F(DateTimePlace, ActivationFillsTheFieldsAndDerivesThePlace) {
  sky.longitudeText =
      "-008\xB0"
      "30'";
  sky.latitudeText =
      "+47\xB0"
      "05'";
  Open();
  const std::vector<std::string> expected = {"07",  "12", "2026", "09", "30", "-",
                                             "008", "30", "+",    "47", "05"};
  for (int field = 0; field < kDateFieldCount; ++field) {
    EXPECT_EQ(logic.Text(static_cast<F>(field)), expected[field]) << "field " << field + 1;
  }
  EXPECT_TRUE(sky.isWest);
  EXPECT_DOUBLE_EQ(sky.longitude, -(8.5 + 0.0001));
  EXPECT_FALSE(sky.isSouth);
  EXPECT_DOUBLE_EQ(sky.latitude, 47 + 5 / 60.0 + 0.0001);
  EXPECT_EQ(logic.Focus(), F::kDay);
  EXPECT_FALSE(logic.Closed());
  EXPECT_EQ(sky.dateText, "07.12.2026") << "filling the fields commits nothing";
  EXPECT_EQ(sky.timeText, "09.30.15");
}

TEST_F(DateTimePlace, TypingStraightThroughCommitsEveryGroupAndCloses) {
  Open();
  TypeKeys(
      "29022000"
      "2400"
      "-00830"
      "-3355");
  EXPECT_TRUE(logic.Closed());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(sky.dateText, "29.02.2000");
  EXPECT_EQ(sky.day, 29);
  EXPECT_EQ(sky.month, 2);
  EXPECT_EQ(sky.year, 2000);
  EXPECT_DOUBLE_EQ(sky.hours, 24.0001);
  EXPECT_EQ(sky.timeText, "24:00:00");
  EXPECT_TRUE(sky.isWest);
  EXPECT_DOUBLE_EQ(sky.longitude, -(8 + 30 / 60.0 + 0.0001));
  EXPECT_EQ(sky.longitudeText,
            "-008\xB0"
            "30'");
  EXPECT_TRUE(sky.isSouth);
  EXPECT_DOUBLE_EQ(sky.latitude, -(33 + 55 / 60.0 + 0.0001));
  EXPECT_EQ(sky.latitudeText,
            "-33\xB0"
            "55'");
}

TEST_F(DateTimePlace, DatesAreCheckedWithTheGregorianLeapYears) {
  struct Case {
    const char* typed;
    bool valid;
    const char* message = kDateMessage;  // when refused
    F field = F::kDay;                   // the field to correct
  };
  const Case cases[] = {{"29022000", true},
                        {"29022024", true},
                        {"29021900", false},
                        {"29022023", false},
                        {"31042024", false},
                        {"01011600", true},
                        {"01132024", false},
                        {"01002024", false},
                        {"00012024", false},
                        {"32012024", false},
                        {"1a012024", false, kDayDigits},
                        {"01 x2024", false, "Der Monat muss aus Ziffern bestehen.", F::kMonth},
                        {"0101 2-4", false, "Das Jahr muss aus Ziffern bestehen.", F::kYear},
                        {"31129999", true},
                        {"29021600", true},
                        {"29021700", false},
                        {"29021599", false},
                        {"31121599", false, kBeforeCalendarMessage},
                        {"29021596", false, kBeforeCalendarMessage}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    sky.dateText = "07.12.2026";
    sky.day = 7;
    messages.clear();
    Open();
    TypeKeys(c.typed);
    if (c.valid) {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(logic.Focus(), F::kHour);
      const std::string t = c.typed;
      EXPECT_EQ(sky.dateText, t.substr(0, 2) + "." + t.substr(2, 2) + "." + t.substr(4));
    } else {
      EXPECT_EQ(messages, std::vector<std::string>{c.message});
      EXPECT_EQ(logic.Focus(), c.field);
      EXPECT_EQ(sky.dateText, "07.12.2026");
      EXPECT_EQ(sky.day, 7);
      EXPECT_EQ(logic.Text(F::kDay) + logic.Text(F::kMonth) + logic.Text(F::kYear), c.typed)
          << "the fields keep what was typed";
    }
  }
}

TEST_F(DateTimePlace, TimesUpTo2400AreValidAndSignsAreNot) {
  struct Case {
    const char* hour;
    const char* minute;
    double hours;                        // 0 when the time is invalid
    const char* message = kTimeMessage;  // when refused
    F field = F::kHour;                  // the field to correct
  };
  const Case cases[] = {{"24", "00", 24.0001},
                        {"00", "00", 0.0001},
                        {"13", "45", 13.7501},
                        {"24", "01", 0},
                        {"23", "60", 0},
                        {"25", "00", 0},
                        {"-1", "00", 0, kHourDigits},
                        {"+1", "00", 0, kHourDigits},
                        {"12", "-5", 0, kMinuteDigits, F::kMinute},
                        {"1x", "00", 0, kHourDigits},
                        {"1x", "0y", 0, kHourDigits},
                        {" 7", "05", 7 + 5 / 60.0 + 0.0001}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hour) + ":" + c.minute);
    sky.timeText = "09.30.15";
    sky.hours = 9.5;
    messages.clear();
    Open();
    Replace(F::kHour, std::string(c.hour) + c.minute);
    if (c.hours > 0) {
      EXPECT_TRUE(messages.empty());
      EXPECT_DOUBLE_EQ(sky.hours, c.hours);
      EXPECT_EQ(logic.Focus(), F::kLongitudeSign);
    } else {
      EXPECT_EQ(messages, std::vector<std::string>{c.message});
      EXPECT_EQ(logic.Focus(), c.field);
      EXPECT_EQ(sky.timeText, "09.30.15");
      EXPECT_DOUBLE_EQ(sky.hours, 9.5);
    }
  }
  sky.timeText = "09.30.15";
  Open();
  Replace(F::kHour, "0705");
  EXPECT_EQ(sky.timeText, "07:05:00");
}

TEST_F(DateTimePlace, SignFieldsTakeOnlyPlusOrMinus) {
  Open();
  Replace(F::kLongitudeSign, "x");
  EXPECT_EQ(logic.Focus(), F::kLongitudeSign);
  Replace(F::kLongitudeSign, "+");
  EXPECT_EQ(logic.Focus(), F::kLongitudeDegrees);

  logic.MoveFocus(F::kLatitudeSign);
  logic.Type("");  // the sign deleted, then the field left
  logic.PressEnter();
  EXPECT_EQ(logic.Focus(), F::kLatitudeSign);
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "Bitte + für östliche oder - für westliche Länge eingeben",
                          "Bitte + für nördliche oder - für südliche Breite eingeben"}));
  EXPECT_FALSE(sky.isSouth) << "sign checks write nothing";
}

TEST_F(DateTimePlace, RefusedDegreesKeepTheFocusAndSayWhatIsAllowed) {
  const std::string longitudeRange = "Die Länge reicht von 0 bis 180 Grad.";
  const std::string latitudeRange = "Die Breite reicht von 0 bis 90 Grad.";
  const std::string digitsOnly = "Bitte die Grad nur mit Ziffern eingeben. ";
  Open();
  Replace(F::kLongitudeDegrees, "200");
  EXPECT_EQ(logic.Focus(), F::kLongitudeDegrees);
  Replace(F::kLongitudeDegrees, "1a");
  logic.PressEnter();
  EXPECT_EQ(logic.Focus(), F::kLongitudeDegrees);
  Replace(F::kLongitudeDegrees, "180");
  EXPECT_EQ(logic.Focus(), F::kLongitudeMinutes);

  Replace(F::kLatitudeDegrees, "91");
  EXPECT_EQ(logic.Focus(), F::kLatitudeDegrees);
  logic.MoveFocus(F::kDay);  // a click elsewhere does not get past either
  EXPECT_EQ(logic.Focus(), F::kLatitudeDegrees);
  TypeKeys("-5");
  EXPECT_EQ(logic.Focus(), F::kLatitudeDegrees);
  TypeKeys("90");
  EXPECT_EQ(logic.Focus(), F::kLatitudeMinutes);
  EXPECT_EQ(messages, (std::vector<std::string>{longitudeRange, digitsOnly + longitudeRange,
                                                latitudeRange, latitudeRange, latitudeRange}));
  EXPECT_EQ(sky.latitudeText,
            "+50\xB0"
            "00'")
      << "degree checks write nothing";
}

TEST_F(DateTimePlace, LongitudeCommitAcceptsUpTo180Degrees) {
  Open();
  Replace(F::kLongitudeSign, "+18000");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(logic.Focus(), F::kLatitudeSign);
  EXPECT_DOUBLE_EQ(sky.longitude, 180.0001);
  EXPECT_EQ(sky.longitudeText,
            "+180\xB0"
            "00'");
  EXPECT_FALSE(logic.Closed()) << "only the latitude closes the dialog";

  Replace(F::kLongitudeSign, "+00801");
  EXPECT_EQ(sky.longitudeText,
            "+008\xB0"
            "01'");
  sky.longitude = 0;
  Open();
  EXPECT_EQ(logic.Text(F::kLongitudeDegrees), "008") << "read back as 8 degrees";
  EXPECT_DOUBLE_EQ(sky.longitude, 8 + 1 / 60.0 + 0.0001);

  for (const char* minutes : {"01", "-5", "5.", ".5", "6a"}) {
    SCOPED_TRACE(minutes);
    messages.clear();
    Open();
    Replace(F::kLongitudeSign,
            std::string(minutes == std::string("01") ? "+180" : "+010") + minutes);
    EXPECT_EQ(messages, std::vector<std::string>{kLongitudeMessage});
    EXPECT_EQ(logic.Focus(), F::kLongitudeSign);
    EXPECT_EQ(sky.longitudeText,
              "+008\xB0"
              "01'");
  }
}

TEST_F(DateTimePlace, RefusedLongitudeDegreesCannotBeClickedPast) {
  Open();
  Replace(F::kLongitudeDegrees, "-05");
  ASSERT_EQ(logic.Focus(), F::kLongitudeDegrees);
  logic.MoveFocus(F::kLongitudeMinutes);
  EXPECT_EQ(logic.Focus(), F::kLongitudeDegrees);
  logic.MoveFocus(F::kLongitudeSign);
  EXPECT_EQ(logic.Focus(), F::kLongitudeDegrees);
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(sky.longitudeText,
            "+010\xB0"
            "00'");
}

TEST_F(DateTimePlace, LatitudeCommitsByFullFieldEnterOrLeavingAndThenCloses) {
  Open();
  Replace(F::kLatitudeSign, "-3355");
  EXPECT_TRUE(logic.Closed());
  EXPECT_EQ(sky.latitudeText,
            "-33\xB0"
            "55'");

  Open();
  Replace(F::kLatitudeMinutes, "7");
  EXPECT_FALSE(logic.Closed());
  logic.PressEnter();
  EXPECT_TRUE(logic.Closed());
  EXPECT_EQ(sky.latitudeText,
            "-33\xB0"
            "07'");

  Open();
  Replace(F::kLatitudeMinutes, "8");
  logic.MoveFocus(F::kHelpText);  // tab out of the last field
  EXPECT_TRUE(logic.Closed());
  EXPECT_EQ(sky.latitudeText,
            "-33\xB0"
            "08'");

  Open();
  Replace(F::kLatitudeDegrees, "9001");
  EXPECT_EQ(messages, std::vector<std::string>{kLatitudeMessage});
  EXPECT_EQ(logic.Focus(), F::kLatitudeSign);
  EXPECT_FALSE(logic.Closed());
  EXPECT_EQ(sky.latitudeText,
            "-33\xB0"
            "08'");
  Replace(F::kLatitudeSign, "+9000");
  EXPECT_TRUE(logic.Closed());
  EXPECT_DOUBLE_EQ(sky.latitude, 90.0001);
  EXPECT_FALSE(sky.isSouth);
}

TEST_F(DateTimePlace, EnterMovesOnAndEscapeClosesFromEveryField) {
  for (int field = 0; field < kDateFieldCount; ++field) {
    Open();
    for (int moved = 0; moved < field; ++moved) logic.PressEnter();
    EXPECT_EQ(logic.Focus(), static_cast<F>(field));
    EXPECT_FALSE(logic.Closed());
    logic.PressEscape();
    EXPECT_TRUE(logic.Closed()) << field;
  }
  EXPECT_TRUE(messages.empty()) << "the filled fields pass every check";
}

TEST_F(DateTimePlace, EscapeAtOnceOnlyRederivesThePlace) {
  sky.longitude = 10.0;
  const SkyState before = sky;
  Open();
  logic.PressEscape();
  EXPECT_TRUE(logic.Closed());
  EXPECT_EQ(sky.dateText, before.dateText);
  EXPECT_EQ(sky.timeText, before.timeText);
  EXPECT_EQ(sky.hours, before.hours);
  EXPECT_EQ(sky.longitudeText, before.longitudeText);
  EXPECT_DOUBLE_EQ(sky.longitude, 10.0001);
  EXPECT_DOUBLE_EQ(sky.latitude, 50.0001);
}

TEST_F(DateTimePlace, CommittedGroupsStayWhenALaterOneFailsOrEscapeEnds) {
  Open();
  TypeKeys(
      "01022030"
      "1215"
      "+01515");
  EXPECT_EQ(sky.dateText, "01.02.2030");
  Replace(F::kLatitudeSign, "+9001");
  EXPECT_EQ(messages, std::vector<std::string>{kLatitudeMessage});
  Replace(F::kDay, "30022031");  // 30 February: rejected, focus back to the day
  ASSERT_EQ(logic.Focus(), F::kDay);
  EXPECT_EQ(logic.Text(F::kDay), "30");
  logic.PressEscape();
  EXPECT_TRUE(logic.Closed());
  EXPECT_EQ(sky.dateText, "01.02.2030");
  EXPECT_EQ(sky.day, 1);
  EXPECT_EQ(sky.timeText, "12:15:00");
  EXPECT_EQ(sky.longitudeText,
            "+015\xB0"
            "15'");
  EXPECT_EQ(sky.latitudeText,
            "+50\xB0"
            "00'");
}

TEST_F(DateTimePlace, OnlyLeavingTheYearCommitsTheDate) {
  Open();
  TypeKeys("1");
  logic.MoveFocus(F::kHour);  // a click past month and year
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_EQ(logic.Focus(), F::kHour);
  EXPECT_TRUE(messages.empty());
}

TEST_F(DateTimePlace, TextsWithoutTheFixedLayoutNeverBreakTheDialog) {
  sky.dateText = "7.12.2026";
  sky.timeText = "";
  sky.longitudeText = "W12";
  sky.latitudeText = "-";
  Open();
  EXPECT_EQ(logic.Text(F::kDay), "07");
  EXPECT_EQ(logic.Text(F::kMonth), "02");
  EXPECT_EQ(logic.Text(F::kYear), "0026");
  EXPECT_EQ(logic.Text(F::kHour), "00");
  EXPECT_EQ(logic.Text(F::kLongitudeSign), "+");
  EXPECT_EQ(logic.Text(F::kLongitudeDegrees), "012");
  EXPECT_EQ(logic.Text(F::kLatitudeSign), "-");
  EXPECT_DOUBLE_EQ(sky.longitude, 12.0001);
  EXPECT_DOUBLE_EQ(sky.latitude, -0.0001);
  logic.MoveFocus(F::kYear);
  logic.PressEnter();  // the checks judge what stands in the fields
  EXPECT_EQ(messages, std::vector<std::string>{kBeforeCalendarMessage}) << "07.02.0026";
}

// A place chosen by name is committed with its exact coordinates until one
// of them is edited, and a named place keeps them at the next opening; the
// closing commit writes no group while another is refused, and an instant
// the fields still show keeps its seconds.
TEST_F(DateTimePlace, AChosenPlaceIsExactUntilACoordinateIsEdited) {
  const AtlasPlace& berlin = *atlas.Find("Berlin", 1).front();
  const struct {
    const char* edit;
    F field;
    const char* text;  // typed into the field; none: nothing is edited
    bool exact;
  } cases[] = {{"the minutes typed again", F::kLongitudeMinutes, "25", false},
               {"the sign typed again", F::kLongitudeSign, "+", true},
               {"nothing", F::kDay, "", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.edit);
    Open();
    logic.ChoosePlace(berlin);
    Replace(c.field, c.text);
    Close();
    ASSERT_TRUE(logic.Closed());
    EXPECT_EQ(sky.longitude, c.exact ? berlin.longitude : 13 + 25 / 60.0 + 0.0001);
    EXPECT_EQ(sky.latitude, c.exact ? berlin.latitude : 52 + 31 / 60.0 + 0.0001);
    EXPECT_EQ(logic.Place().name, c.exact ? "Berlin" : "");
    EXPECT_EQ(sky.timeText, "09.30.15");
  }
  Open(IdentityOf(berlin, Language::kGerman));
  logic.ChoosePlace(*atlas.Find("Sydney", 1).front());
  Replace(F::kDay, "x");
  Close();
  EXPECT_EQ(messages, std::vector<std::string>{"Der Tag muss aus Ziffern bestehen."});
  EXPECT_EQ(logic.Focus(), F::kDay);
  EXPECT_EQ(sky.longitude, berlin.longitude) << "nothing committed while the day is refused";
  TypeKeys("07");
  Close();
  EXPECT_EQ(logic.PlaceLine(), "Sydney, New South Wales, Australia \u00B7 Australia/Sydney");
  Open(logic.Place());
  EXPECT_EQ(sky.latitude, atlas.Find("Sydney", 1).front()->latitude);
  Open();
  EXPECT_DOUBLE_EQ(sky.latitude, -(33 + 52 / 60.0 + 0.0001)) << "a typed place is its texts";
}

// In the local reading the closing commit converts the fields at the place
// they show, with the answer given for a repeated time.
TEST_F(DateTimePlace, TheLocalTimeGoesWithThePlaceToTheClose) {
  logic.SetLocalReading(true);
  Open(IdentityOf(*atlas.Find("Berlin", 1).front(), Language::kGerman));
  EXPECT_EQ(logic.Text(F::kHour) + logic.Text(F::kMinute), "1030") << "UT+1 in December";
  Replace(F::kDay, "251020260230");
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(sky.dateText + " " + sky.timeText, "25.10.2026 01:30:00") << "no: standard time";
  logic.ChoosePlace(*atlas.Find("Sydney", 1).front());
  Close();
  EXPECT_EQ(sky.dateText + " " + sky.timeText, "24.10.2026 16:30:00");
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace sternwerk
