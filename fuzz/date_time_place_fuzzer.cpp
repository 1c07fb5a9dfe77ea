// The date/time/place dialog typed through at random. The first four input
// lines are the date, time, longitude and latitude texts the dialog opens
// with; every further line is one action:
//   t TEXT   typing changed the focused field to TEXT (cut to the field's
//            length, as the edit field cuts it)
//   f C      the focus moved to field (C mod 12): '0' the day ... ';' the help text
//   e / x    Enter / ESC
//   a        the dialog opened again on the committed place
//   p C      the atlas place (C mod 6) chosen in the place search
//   l        the "Ortszeit" box switched, the local reading by fixed offsets
// Whatever is typed, a group reaches the sky state only as a valid date, time
// or place, and the focus stays on a field. The closing commit leaves the
// sky at the instant and the place the fields show: the place as typed or
// exactly a chosen (or the opening) place's coordinates, never a mix.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/fixed_offset_rules.h"
#include "tests/support/fixture_atlas.h"
#include "windows/date_time_place_logic.h"

using namespace sternwerk;

namespace {

constexpr int kFocusTargets = kDateFieldCount + 1;  // the fields and the help text
constexpr std::array<const char*, 6> kPlaceNames = {"Berlin", "Munich",        "Ulm",
                                                    "Paris",  "New York City", "Sydney"};
constexpr double kHalfMinute = 1 / 120.0;

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void CheckDate(const SkyState& sky) {
  FUZZ_CHECK(sky.year >= kFirstCalendarYear && sky.year <= kLastCalendarYear);
  FUZZ_CHECK(sky.month >= 1 && sky.month <= 12);
  FUZZ_CHECK(sky.day >= 1 && sky.day <= DaysInMonth(sky.month, sky.year));
  FUZZ_CHECK(sky.dateText == DateText(sky.day, sky.month, sky.year));
}

// A typed time is whole minutes; a local one converted may have seconds.
void CheckTime(const SkyState& sky, bool local) {
  FUZZ_CHECK(sky.hours >= 0 && sky.hours <= 24.0001 + 1e-9);
  FUZZ_CHECK(sky.timeText == FormatHours(sky.hours));
  FUZZ_CHECK(local || sky.timeText.substr(5) == ":00");
}

// "+ddd°mm'" (or "+dd°mm'") whose value, with the entered 0.0001 degree,
// is the place to the nearest minute, within the limit.
void CheckPlace(const std::string& text, double value, bool negative, std::size_t degreeDigits,
                double limit) {
  FUZZ_CHECK(text.size() == degreeDigits + 5);
  FUZZ_CHECK(text[0] == (negative ? '-' : '+'));
  const std::string degrees = text.substr(1, degreeDigits);
  const std::string minutes = text.substr(degreeDigits + 2, 2);
  FUZZ_CHECK(IsDigits(degrees) && IsDigits(minutes));
  FUZZ_CHECK(text[degreeDigits + 1] == '\xB0' && text.back() == '\'');
  FUZZ_CHECK(std::stoi(minutes) <= 59);
  const double magnitude = std::stoi(degrees) + std::stoi(minutes) / 60.0 + 0.0001;
  FUZZ_CHECK(std::abs(std::abs(value) - magnitude) <= kHalfMinute + 0.0001);
  FUZZ_CHECK(std::abs(value) < kHalfMinute || (value < 0) == negative);
  FUZZ_CHECK(std::abs(value) <= limit);
}

// The value a place group's fields show, as typed.
double FieldsValue(const DateTimePlaceLogic& logic, DateField sign) {
  const int index = static_cast<int>(sign);
  return EnteredValue(logic.Text(sign) == "-",
                      std::stoi(logic.Text(static_cast<DateField>(index + 1))),
                      std::stoi(logic.Text(static_cast<DateField>(index + 2))));
}

// The instant the date and time fields show, in their reading.
ClockSeconds FieldsReading(const DateTimePlaceLogic& logic) {
  const auto number = [&logic](DateField field) { return std::stoi(logic.Text(field)); };
  return ClockSecondsOf(number(DateField::kDay), number(DateField::kMonth),
                        number(DateField::kYear),
                        EnteredValue(false, number(DateField::kHour), number(DateField::kMinute)));
}

ClockSeconds MinuteOf(ClockSeconds seconds) {
  return seconds - ((seconds % 60) + 60) % 60;
}

struct Coordinates {
  double longitude;
  double latitude;
  bool named;

  bool operator==(const Coordinates& other) const {
    return longitude == other.longitude && latitude == other.latitude;
  }
};

// After the closing commit: the place the fields show, as typed or as the
// exact coordinates of a place chosen or opened with in this visit, and the
// instant they show to the minute.
void CheckClosingCommit(const SkyState& sky, const DateTimePlaceLogic& logic,
                        const std::vector<Coordinates>& known) {
  const Coordinates typed{FieldsValue(logic, DateField::kLongitudeSign),
                          FieldsValue(logic, DateField::kLatitudeSign), false};
  const Coordinates committed{sky.longitude, sky.latitude, !logic.Place().name.empty()};
  const auto fieldsShow = [&typed](const Coordinates& place) {
    return std::lround(place.longitude * 60) == std::lround(typed.longitude * 60) &&
           std::lround(place.latitude * 60) == std::lround(typed.latitude * 60);
  };
  bool exact = false;
  for (const Coordinates& place : known) exact = exact || (place == committed && fieldsShow(place));
  FUZZ_CHECK(committed == typed || exact);
  FUZZ_CHECK(!committed.named || exact);

  const ClockSeconds universal = ClockSecondsOf(sky.day, sky.month, sky.year, sky.hours);
  const ClockSeconds shown =
      logic.LocalReading()
          ? universal + testing::FixedOffsetAt(logic.Place(), sky.longitude, universal)
          : universal;
  FUZZ_CHECK(MinuteOf(shown) == FieldsReading(logic));
}

bool KnownMessage(const std::string& message) {
  static const std::array<std::string, 16> kMessages = {
      "Das ist kein gültiges Datum!",
      "Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.",
      "Das ist keine gültige Zeit!",
      "Bitte + für östliche oder - für westliche Länge eingeben",
      "Bitte + für nördliche oder - für südliche Breite eingeben",
      "Das ist keine gültige Länge!",
      "Das ist keine gültige Breite!",
      "Die Länge reicht von 0 bis 180 Grad.",
      "Die Breite reicht von 0 bis 90 Grad.",
      "Bitte die Grad nur mit Ziffern eingeben. Die Länge reicht von 0 bis 180 Grad.",
      "Bitte die Grad nur mit Ziffern eingeben. Die Breite reicht von 0 bis 90 Grad.",
      "Der Tag muss aus Ziffern bestehen.",
      "Der Monat muss aus Ziffern bestehen.",
      "Das Jahr muss aus Ziffern bestehen.",
      "Die Stunde muss aus Ziffern bestehen.",
      "Die Minute muss aus Ziffern bestehen.",
  };
  for (const std::string& known : kMessages)
    if (message == known) return true;
  // A local time the clocks skipped, named with its date and time.
  return message.rfind("Die Ortszeit ", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Text(data, size));
  SkyState sky;
  std::array<std::string*, 4> opening = {&sky.dateText, &sky.timeText, &sky.longitudeText,
                                         &sky.latitudeText};
  for (std::size_t i = 0; i < opening.size() && i < lines.size(); ++i) *opening[i] = lines[i];
  SetInstantFromTexts(sky);

  static const PlaceAtlas atlas = FixtureAtlas();
  std::vector<std::string> messages;
  int questions = 0;
  DateTimePlaceLogic logic(
      sky, [&](std::string_view message) { messages.emplace_back(message); },
      PlaceServices{.atlas = &atlas,
                    .rules = testing::FixedOffsetRules(),
                    .ask = [&questions](std::string_view) { return ++questions % 2 == 1; }});
  logic.Activate();
  // The places whose exact coordinates this visit may commit.
  std::vector<Coordinates> known = {{sky.longitude, sky.latitude, false}};
  for (int field = 0; field < kDateFieldCount; ++field) {
    const DateField f = static_cast<DateField>(field);
    FUZZ_CHECK(static_cast<int>(logic.Text(f).size()) <= MaxLength(f));
  }

  for (std::size_t i = opening.size(); i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    const SkyState before = sky;
    const bool wasClosed = logic.Closed();
    const std::size_t messagesBefore = messages.size();
    const std::string argument = line.substr(std::min<std::size_t>(2, line.size()));
    switch (line[0]) {
      case 't':
        logic.Type(argument.substr(0, static_cast<std::size_t>(MaxLength(logic.Focus()))));
        break;
      case 'f':
        logic.MoveFocus(static_cast<DateField>(
            argument.empty() ? 0 : static_cast<unsigned char>(argument[0]) % kFocusTargets));
        break;
      case 'e':
        logic.PressEnter();
        break;
      case 'x':
        // ESC ends the visit from any field and writes nothing.
        logic.PressEscape();
        FUZZ_CHECK(logic.Closed() && messages.size() == messagesBefore);
        FUZZ_CHECK(sky.dateText == before.dateText && sky.hours == before.hours);
        FUZZ_CHECK(sky.longitude == before.longitude && sky.latitude == before.latitude);
        break;
      case 'a':
        logic.Activate(logic.Place());
        known = {{sky.longitude, sky.latitude, !logic.Place().name.empty()}};
        continue;
      case 'p': {
        const char* name = kPlaceNames[argument.empty() ? 0
                                                        : static_cast<unsigned char>(argument[0]) %
                                                              kPlaceNames.size()];
        const AtlasPlace& place = *atlas.Find(name, 1).front();
        logic.ChoosePlace(place);
        known.push_back({place.longitude, place.latitude, true});
        break;
      }
      case 'l':
        logic.SetLocalReading(!logic.LocalReading());
        continue;
      default:
        continue;
    }

    const int focus = static_cast<int>(logic.Focus());
    FUZZ_CHECK(focus >= 0 && focus < kFocusTargets);
    for (std::size_t m = messagesBefore; m < messages.size(); ++m)
      FUZZ_CHECK(KnownMessage(messages[m]));
    FUZZ_CHECK(messages.size() - messagesBefore <= 1);
    if (wasClosed) {
      FUZZ_CHECK(logic.Closed());
      FUZZ_CHECK(messages.size() == messagesBefore);
      FUZZ_CHECK(sky.dateText == before.dateText && sky.hours == before.hours);
      FUZZ_CHECK(sky.longitude == before.longitude && sky.latitude == before.latitude);
      continue;
    }
    if (sky.dateText != before.dateText || sky.day != before.day) CheckDate(sky);
    if (sky.timeText != before.timeText || sky.hours != before.hours) {
      CheckTime(sky, logic.LocalReading());
    }
    if (sky.longitudeText != before.longitudeText || sky.longitude != before.longitude) {
      CheckPlace(sky.longitudeText, sky.longitude, sky.isWest, 3, 180.00011);
    }
    if (sky.latitudeText != before.latitudeText || sky.latitude != before.latitude) {
      CheckPlace(sky.latitudeText, sky.latitude, sky.isSouth, 2, 90.00011);
      FUZZ_CHECK(logic.Closed());
    }
    if (logic.Closed() && line[0] != 'x') CheckClosingCommit(sky, logic, known);
  }
  return 0;
}
