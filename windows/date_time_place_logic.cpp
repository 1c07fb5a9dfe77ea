#include "windows/date_time_place_logic.h"

#include <cstddef>
#include <optional>

#include "base/number_reading.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr int kFebruary = 2;
constexpr int kYearWithoutLeapDay = 1;  // February's length while no year is read
constexpr int kMaxHour = 24;
constexpr int kMaxMinute = 59;
constexpr int kLatestTime = 2400;  // hour * 100 + minute
constexpr int kMaxLongitudeDegrees = 180;
constexpr int kMaxLatitudeDegrees = 90;
constexpr double kLongitudeLimit = 180.00011;
constexpr double kLatitudeLimit = 90.00011;

// The fields take blanks before a number; a sign only where a value may be
// negative.
constexpr NumberRules kSignedField{.leadingBlanks = true, .sign = true};
constexpr NumberRules kUnsignedField{.leadingBlanks = true};

constexpr std::array<int, kDateFieldCount> kMaxLengths = {2, 2, 4, 2, 2, 1, 3, 2, 1, 2, 2};

constexpr std::string_view kInvalidDate = "Das ist kein gültiges Datum!";
constexpr std::string_view kBeforeCalendar =
    "Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.";
constexpr std::string_view kInvalidTime = "Das ist keine gültige Zeit!";
constexpr std::string_view kInvalidLongitudeSign =
    "Bitte + für östliche oder - für westliche Länge eingeben";
constexpr std::string_view kInvalidLatitudeSign =
    "Bitte + für nördliche oder - für südliche Breite eingeben";
constexpr std::string_view kInvalidLongitude = "Das ist keine gültige Länge!";
constexpr std::string_view kInvalidLatitude = "Das ist keine gültige Breite!";
constexpr std::string_view kLongitudeDegreesRange = "Die Länge reicht von 0 bis 180 Grad.";
constexpr std::string_view kLatitudeDegreesRange = "Die Breite reicht von 0 bis 90 Grad.";
constexpr std::string_view kDegreesNotANumber = "Bitte die Grad nur mit Ziffern eingeben.";

int Index(DateField field) {
  return static_cast<int>(field);
}

DateField Next(DateField field) {
  return static_cast<DateField>(Index(field) + 1);
}

// "+ddd°mm'" or "+dd°mm'" as the place texts are stored.
std::string PlaceText(bool negative, int degrees, int degreeWidth, int minutes) {
  return (negative ? "-" : "+") + ZeroPad(degrees, degreeWidth) + kDegreeSign +
         ZeroPad(minutes, 2) + "'";
}

std::string SignText(bool negative) {
  return negative ? "-" : "+";
}

// Degrees and minutes of a place group. Both must be whole numbers (the
// stored text keeps whole minutes), the degrees within 0..maxDegrees, the
// minutes within 0..59 and the value at most the limit.
struct PlaceEntry {
  int degrees;
  int minutes;
};

std::optional<PlaceEntry> ReadPlace(const std::string& degreesText, const std::string& minutesText,
                                    int maxDegrees, double limit) {
  const Outcome<int> degrees = ReadWholeNumber(degreesText, kSignedField);
  const Outcome<int> minutes = ReadWholeNumber(minutesText, kSignedField);
  if (!degrees.ok() || !minutes.ok()) return std::nullopt;
  const PlaceEntry entry{degrees.value(), minutes.value()};
  if (entry.degrees < 0 || entry.degrees > maxDegrees || entry.minutes < 0 ||
      entry.minutes > kMaxMinute) {
    return std::nullopt;
  }
  if (EnteredValue(false, entry.degrees, entry.minutes) > limit) return std::nullopt;
  return entry;
}

}  // namespace

int MaxLength(DateField field) {
  return field == DateField::kHelpText ? 0 : kMaxLengths[Index(field)];
}

DateTimePlaceLogic::DateTimePlaceLogic(SkyState& sky, ErrorSink showError)
    : sky_(sky), showError_(std::move(showError)) {}

void DateTimePlaceLogic::Activate() {
  SetPlaceFromTexts(sky_);

  Field(DateField::kDay) = ZeroPad(FixedField(sky_.dateText, 1, 2), 2);
  Field(DateField::kMonth) = ZeroPad(FixedField(sky_.dateText, 4, 5), 2);
  Field(DateField::kYear) = ZeroPad(FixedField(sky_.dateText, 7, 10), 4);
  Field(DateField::kHour) = ZeroPad(FixedField(sky_.timeText, 1, 2), 2);
  Field(DateField::kMinute) = ZeroPad(FixedField(sky_.timeText, 4, 5), 2);
  Field(DateField::kLongitudeSign) = SignText(sky_.isWest);
  Field(DateField::kLongitudeDegrees) = ZeroPad(FixedField(sky_.longitudeText, 2, 4), 3);
  Field(DateField::kLongitudeMinutes) = ZeroPad(FixedField(sky_.longitudeText, 6, 7), 2);
  Field(DateField::kLatitudeSign) = SignText(sky_.isSouth);
  Field(DateField::kLatitudeDegrees) = ZeroPad(FixedField(sky_.latitudeText, 2, 3), 2);
  Field(DateField::kLatitudeMinutes) = ZeroPad(FixedField(sky_.latitudeText, 5, 6), 2);

  focus_ = DateField::kDay;
  closed_ = false;
}

void DateTimePlaceLogic::Type(std::string text) {
  if (closed_ || focus_ == DateField::kHelpText) return;
  const DateField typed = focus_;
  Field(typed) = std::move(text);
  if (static_cast<int>(Field(typed).size()) < MaxLength(typed)) return;
  if (typed == DateField::kLatitudeMinutes) {
    CommitLatitude();
  } else {
    Leave(Next(typed));
  }
}

void DateTimePlaceLogic::MoveFocus(DateField target) {
  if (closed_ || target == focus_) return;
  Leave(target);
}

void DateTimePlaceLogic::PressEnter() {
  if (closed_ || focus_ == DateField::kHelpText) return;
  if (focus_ == DateField::kLatitudeMinutes) {
    CommitLatitude();
  } else {
    Leave(Next(focus_));
  }
}

void DateTimePlaceLogic::PressEscape() {
  closed_ = true;
}

const std::string& DateTimePlaceLogic::Text(DateField field) const {
  static const std::string kNoText;
  return field == DateField::kHelpText ? kNoText : texts_[Index(field)];
}

std::string& DateTimePlaceLogic::Field(DateField field) {
  return texts_[Index(field)];
}

void DateTimePlaceLogic::Leave(DateField target) {
  const DateField left = focus_;
  focus_ = target;
  CheckLeftField(left);
}

void DateTimePlaceLogic::CheckLeftField(DateField left) {
  switch (left) {
    case DateField::kYear:
      CommitDate();
      break;
    case DateField::kMinute:
      CommitTime();
      break;
    case DateField::kLongitudeSign:
      CheckSign(DateField::kLongitudeSign, kInvalidLongitudeSign);
      break;
    case DateField::kLongitudeDegrees:
      CheckDegrees(DateField::kLongitudeDegrees, kMaxLongitudeDegrees, kLongitudeDegreesRange);
      break;
    case DateField::kLongitudeMinutes:
      CommitLongitude();
      break;
    case DateField::kLatitudeSign:
      CheckSign(DateField::kLatitudeSign, kInvalidLatitudeSign);
      break;
    case DateField::kLatitudeDegrees:
      CheckDegrees(DateField::kLatitudeDegrees, kMaxLatitudeDegrees, kLatitudeDegreesRange);
      break;
    case DateField::kLatitudeMinutes:
      CommitLatitude();
      break;
    default:
      break;
  }
}

void DateTimePlaceLogic::Fail(std::string_view message, DateField focus) {
  showError_(message);
  focus_ = focus;
}

void DateTimePlaceLogic::CommitDate() {
  const Outcome<int> day = ReadWholeNumber(Field(DateField::kDay), kSignedField);
  const Outcome<int> month = ReadWholeNumber(Field(DateField::kMonth), kSignedField);
  const Outcome<int> year = ReadWholeNumber(Field(DateField::kYear), kSignedField);
  InitMonthLengths(sky_);
  sky_.monthLength[kFebruary] =
      DaysInMonth(kFebruary, year.ok() ? year.value() : kYearWithoutLeapDay);

  if (!day.ok() || !month.ok() || !year.ok()) return Fail(kInvalidDate, DateField::kDay);
  if (!IsCalendarDate(day.value(), month.value(), year.value())) {
    const bool dayOfAnEarlierYear = year.value() < kFirstCalendarYear && month.value() >= 1 &&
                                    month.value() <= kMonthsPerYear && day.value() >= 1 &&
                                    day.value() <= DaysInMonth(month.value(), year.value());
    return Fail(dayOfAnEarlierYear ? kBeforeCalendar : kInvalidDate, DateField::kDay);
  }
  sky_.day = day.value();
  sky_.month = month.value();
  sky_.year = year.value();
  sky_.dateText = DateText(sky_.day, sky_.month, sky_.year);
}

void DateTimePlaceLogic::CommitTime() {
  // No sign is taken: a negative hour or minute is no time of day.
  const Outcome<int> hour = ReadWholeNumber(Field(DateField::kHour), kUnsignedField);
  const Outcome<int> minute = ReadWholeNumber(Field(DateField::kMinute), kUnsignedField);
  if (!hour.ok() || !minute.ok() || hour.value() > kMaxHour || minute.value() > kMaxMinute ||
      hour.value() * 100 + minute.value() > kLatestTime) {
    return Fail(kInvalidTime, DateField::kHour);
  }
  sky_.hours = EnteredValue(false, hour.value(), minute.value());
  sky_.timeText = ZeroPad(hour.value(), 2) + ":" + ZeroPad(minute.value(), 2) + ":00";
}

void DateTimePlaceLogic::CheckSign(DateField sign, std::string_view message) {
  if (Field(sign) != "+" && Field(sign) != "-") Fail(message, sign);
}

void DateTimePlaceLogic::CheckDegrees(DateField degrees, int limit, std::string_view range) {
  const Outcome<int> value = ReadWholeNumber(Field(degrees), kSignedField);
  if (!value.ok()) return Fail(std::string(kDegreesNotANumber) + " " + std::string(range), degrees);
  if (value.value() < 0 || value.value() > limit) Fail(range, degrees);
}

void DateTimePlaceLogic::CommitLongitude() {
  const bool west = Field(DateField::kLongitudeSign) == "-";
  const auto entry =
      ReadPlace(Field(DateField::kLongitudeDegrees), Field(DateField::kLongitudeMinutes),
                kMaxLongitudeDegrees, kLongitudeLimit);
  if (!entry) return Fail(kInvalidLongitude, DateField::kLongitudeSign);
  sky_.longitude = EnteredValue(west, entry->degrees, entry->minutes);
  sky_.isWest = west;
  sky_.longitudeText = PlaceText(west, entry->degrees, 3, entry->minutes);
}

void DateTimePlaceLogic::CommitLatitude() {
  const bool south = Field(DateField::kLatitudeSign) == "-";
  const auto entry =
      ReadPlace(Field(DateField::kLatitudeDegrees), Field(DateField::kLatitudeMinutes),
                kMaxLatitudeDegrees, kLatitudeLimit);
  if (!entry) return Fail(kInvalidLatitude, DateField::kLatitudeSign);
  sky_.latitude = EnteredValue(south, entry->degrees, entry->minutes);
  sky_.isSouth = south;
  sky_.latitudeText = PlaceText(south, entry->degrees, 2, entry->minutes);
  closed_ = true;
}

}  // namespace sternwerk
