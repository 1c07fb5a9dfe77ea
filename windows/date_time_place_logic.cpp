#include "windows/date_time_place_logic.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <optional>

#include "base/number_reading.h"
#include "base/translation.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr int kMaxHour = 24;
constexpr int kMaxMinute = 59;
constexpr int kLatestTime = 2400;  // hour * 100 + minute
constexpr int kMaxLongitudeDegrees = 180;
constexpr int kMaxLatitudeDegrees = 90;
constexpr double kLongitudeLimit = 180.00011;
constexpr double kLatitudeLimit = 90.00011;
constexpr double kMinutesPerDegree = 60.0;
constexpr long kWholeMinutesPerDegree = 60;
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// The fields take blanks before a number; a sign only where a value may be
// negative.
constexpr NumberRules kSignedField{.leadingBlanks = true, .sign = true};
constexpr NumberRules kUnsignedField{.leadingBlanks = true};

constexpr std::array<int, kDateFieldCount> kMaxLengths = {2, 2, 4, 2, 2, 1, 3, 2, 1, 2, 2};
constexpr int kInstantFieldCount = 5;  // the date and time fields, day to minute

constexpr const char* kContext = "sternwerk::DateTimePlaceLogic";
constexpr const char* kInvalidDate =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist kein gültiges Datum!");
constexpr const char* kBeforeCalendar =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                      "Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.");
constexpr const char* kInvalidTime =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Zeit!");
constexpr const char* kInvalidLongitudeSign = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceLogic", "Bitte + für östliche oder - für westliche Länge eingeben");
constexpr const char* kInvalidLatitudeSign = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceLogic", "Bitte + für nördliche oder - für südliche Breite eingeben");
constexpr const char* kInvalidLongitude =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Länge!");
constexpr const char* kInvalidLatitude =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Breite!");
constexpr const char* kLongitudeDegreesRange =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Länge reicht von 0 bis 180 Grad.");
constexpr const char* kLatitudeDegreesRange =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Breite reicht von 0 bis 90 Grad.");
constexpr const char* kDegreesNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Bitte die Grad nur mit Ziffern eingeben.");
constexpr const char* kUniversalTimeText =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "WZ/GMT");
constexpr const char* kMeanLocalTimeOnly =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "nur mittlere Ortszeit");
constexpr const char* kTypedPlace =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "eingegebene Koordinaten");
constexpr std::string_view kPlaceSeparator = " · ";
// Between the two universal readings of a local time given twice.
constexpr const char* kOr = QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", " oder ");
constexpr const char* kSkippedHere =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "gibt es dort nicht (Zeitumstellung)");

// A text of this dialog in the program's language.
std::string Said(const char* text) {
  return Translated(kContext, text);
}

int Index(DateField field) {
  return static_cast<int>(field);
}

// A field of the date or time: what its number may hold and what is said
// when it holds no number.
struct NumberField {
  DateField field;
  NumberRules rules;
  const char* notANumber;
};

// The date takes a sign (a negative day is no date); a negative hour or
// minute is no time of day.
constexpr std::array<NumberField, kInstantFieldCount> kNumberFields = {{
    {DateField::kDay, kSignedField,
     QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Der Tag muss aus Ziffern bestehen.")},
    {DateField::kMonth, kSignedField,
     QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Der Monat muss aus Ziffern bestehen.")},
    {DateField::kYear, kSignedField,
     QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das Jahr muss aus Ziffern bestehen.")},
    {DateField::kHour, kUnsignedField,
     QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Stunde muss aus Ziffern bestehen.")},
    {DateField::kMinute, kUnsignedField,
     QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Minute muss aus Ziffern bestehen.")},
}};

// The numbers of the date and time fields from `first` to `last`, and the
// first of them that holds no number.
struct FieldNumbers {
  std::array<std::optional<int>, kInstantFieldCount> values;
  const NumberField* notANumber = nullptr;

  int operator[](DateField field) const { return values[Index(field)].value_or(0); }
};

FieldNumbers ReadFieldNumbers(const std::array<std::string, kDateFieldCount>& texts,
                              DateField first, DateField last) {
  FieldNumbers numbers;
  for (const NumberField& number : kNumberFields) {
    const int index = Index(number.field);
    if (index < Index(first) || index > Index(last)) continue;
    const Outcome<int> value = ReadWholeNumber(texts[index], number.rules);
    if (value.ok()) {
      numbers.values[index] = value.value();
    } else if (numbers.notANumber == nullptr) {
      numbers.notANumber = &number;
    }
  }
  return numbers;
}

bool IsTimeOfDay(int hour, int minute) {
  return hour >= 0 && minute >= 0 && hour <= kMaxHour && minute <= kMaxMinute &&
         hour * 100 + minute <= kLatestTime;
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

// "hh:mm:ss" of the reading, with "dd.mm.yyyy " before it where its day is
// not that of `sameDay`.
std::string ReadingText(ClockSeconds seconds, ClockSeconds sameDay) {
  const ClockReading reading = ReadingOf(seconds);
  const ClockReading day = ReadingOf(sameDay);
  std::string text;
  if (reading.day != day.day || reading.month != day.month || reading.year != day.year) {
    text = DateText(reading.day, reading.month, reading.year) + " ";
  }
  return text + ZeroPad(reading.secondOfDay / kSecondsPerHour, 2) + ":" +
         ZeroPad(reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2) + ":" +
         ZeroPad(reading.secondOfDay % kSecondsPerMinute, 2);
}

// "dd.mm.yyyy hh:mm" of a local reading as typed.
std::string TypedReadingText(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  return DateText(reading.day, reading.month, reading.year) + " " +
         ZeroPad(reading.secondOfDay / kSecondsPerHour, 2) + ":" +
         ZeroPad(reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2);
}

std::string SkippedMessage(ClockSeconds local) {
  return WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                             "Die Ortszeit %1 gibt es hier nicht: Die Uhren wurden über diese Zeit "
                             "hinweg vorgestellt. Bitte eine andere Zeit eingeben.")),
      {TypedReadingText(local)});
}

std::string RepeatedQuestion(ClockSeconds local, const ZoneReading& reading) {
  const std::string& first = reading.instants[0].zoneText;
  const std::string& second = reading.instants[1].zoneText;
  return WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                             "Die Ortszeit %1 gibt es hier zweimal: zuerst als Sommerzeit (%2), "
                             "danach als Normalzeit (%3).\n\nIst die Sommerzeit (%2) gemeint? Mit "
                             "Nein gilt die Normalzeit (%3).")),
      {TypedReadingText(local), first, second});
}

long WholeMinutes(double degrees) {
  return std::lround(degrees * kMinutesPerDegree);
}

bool InCalendar(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  return IsCalendarDate(reading.day, reading.month, reading.year);
}

// The start of the minute of an instant.
ClockSeconds MinuteOf(ClockSeconds seconds) {
  return seconds - ((seconds % kSecondsPerMinute) + kSecondsPerMinute) % kSecondsPerMinute;
}

// A valid place group of the fields: its sign, degrees and minutes, and its
// value in signed whole minutes and in degrees.
struct FieldPlace {
  bool negative;
  PlaceEntry entry;
  long minutes;
  double degrees;
};

// The group whose sign is the field `sign` (longitude or latitude), if its
// fields hold a valid place.
std::optional<FieldPlace> ReadFieldPlace(const std::array<std::string, kDateFieldCount>& texts,
                                         DateField sign) {
  const bool longitude = sign == DateField::kLongitudeSign;
  const std::string& signText = texts[Index(sign)];
  if (signText != "+" && signText != "-") return std::nullopt;
  const auto entry = ReadPlace(texts[Index(sign) + 1], texts[Index(sign) + 2],
                               longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees,
                               longitude ? kLongitudeLimit : kLatitudeLimit);
  if (!entry) return std::nullopt;
  const bool negative = signText == "-";
  const double degrees = EnteredValue(negative, entry->degrees, entry->minutes);
  return FieldPlace{negative, *entry, WholeMinutes(degrees), degrees};
}

// The instant the date and time fields name, if they hold a valid one.
std::optional<ClockSeconds> ReadingOfFields(const std::array<std::string, kDateFieldCount>& texts) {
  const FieldNumbers numbers = ReadFieldNumbers(texts, DateField::kDay, DateField::kMinute);
  if (numbers.notANumber != nullptr) return std::nullopt;
  const int day = numbers[DateField::kDay];
  const int month = numbers[DateField::kMonth];
  const int year = numbers[DateField::kYear];
  const int hour = numbers[DateField::kHour];
  const int minute = numbers[DateField::kMinute];
  if (!IsCalendarDate(day, month, year) || !IsTimeOfDay(hour, minute)) return std::nullopt;
  return ClockSecondsOf(day, month, year, EnteredValue(false, hour, minute));
}

// The date and time fields as the sky's texts fill them.
void FillInstantFields(const SkyState& sky, std::array<std::string, kDateFieldCount>& texts) {
  texts[Index(DateField::kDay)] = ZeroPad(FixedField(sky.dateText, 1, 2), 2);
  texts[Index(DateField::kMonth)] = ZeroPad(FixedField(sky.dateText, 4, 5), 2);
  texts[Index(DateField::kYear)] = ZeroPad(FixedField(sky.dateText, 7, 10), 4);
  texts[Index(DateField::kHour)] = ZeroPad(FixedField(sky.timeText, 1, 2), 2);
  texts[Index(DateField::kMinute)] = ZeroPad(FixedField(sky.timeText, 4, 5), 2);
}

}  // namespace

int MaxLength(DateField field) {
  return field == DateField::kHelpText ? 0 : kMaxLengths[Index(field)];
}

DateTimePlaceLogic::DateTimePlaceLogic(SkyState& sky, ErrorSink showError, PlaceServices services)
    : sky_(sky), showError_(std::move(showError)), services_(std::move(services)) {}

DateTimePlaceLogic::KnownPlace DateTimePlaceLogic::At(PlaceIdentity identity, double longitude,
                                                      double latitude) {
  return {std::move(identity), longitude, latitude, WholeMinutes(longitude),
          WholeMinutes(latitude)};
}

void DateTimePlaceLogic::Activate(PlaceIdentity place) {
  const double longitude = sky_.longitude;
  const double latitude = sky_.latitude;
  SetPlaceFromTexts(sky_);
  // The texts keep whole minutes; a named place has its exact coordinates.
  if (!place.name.empty() && WholeMinutes(longitude) == WholeMinutes(sky_.longitude) &&
      WholeMinutes(latitude) == WholeMinutes(sky_.latitude)) {
    sky_.longitude = longitude;
    sky_.latitude = latitude;
  }

  FillInstantFields(sky_, texts_);
  Field(DateField::kLongitudeSign) = SignText(sky_.isWest);
  Field(DateField::kLongitudeDegrees) = ZeroPad(FixedField(sky_.longitudeText, 2, 4), 3);
  Field(DateField::kLongitudeMinutes) = ZeroPad(FixedField(sky_.longitudeText, 6, 7), 2);
  Field(DateField::kLatitudeSign) = SignText(sky_.isSouth);
  Field(DateField::kLatitudeDegrees) = ZeroPad(FixedField(sky_.latitudeText, 2, 3), 2);
  Field(DateField::kLatitudeMinutes) = ZeroPad(FixedField(sky_.latitudeText, 5, 6), 2);

  focus_ = DateField::kDay;
  closed_ = false;
  place_ = std::move(place);
  known_ = At(place_, sky_.longitude, sky_.latitude);
  committedLocal_.reset();
  reportedZoneProblem_.clear();
  if (localReading_) FillLocalReading();
}

void DateTimePlaceLogic::Type(std::string text) {
  if (closed_ || focus_ == DateField::kHelpText) return;
  const DateField typed = focus_;
  // An edited coordinate makes the place a typed one.
  if (Index(typed) >= Index(DateField::kLongitudeSign) && text != Field(typed)) known_.reset();
  Field(typed) = std::move(text);
  if (static_cast<int>(Field(typed).size()) < MaxLength(typed)) return;
  if (typed == DateField::kLatitudeMinutes) {
    CommitAndClose();
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
    CommitAndClose();
  } else {
    Leave(Next(focus_));
  }
}

void DateTimePlaceLogic::ChoosePlace(const AtlasPlace& place) {
  if (closed_) return;
  known_ = At(IdentityOf(place, ShownLanguage()), place.longitude, place.latitude);
  // Sign, degrees and minutes follow each other in the tab order.
  const auto fill = [this](long minutes, DateField sign, int degreeWidth) {
    const long size = std::labs(minutes);
    Field(sign) = SignText(minutes < 0);
    Field(Next(sign)) = ZeroPad(size / kWholeMinutesPerDegree, degreeWidth);
    Field(Next(Next(sign))) = ZeroPad(size % kWholeMinutesPerDegree, 2);
  };
  fill(known_->longitudeMinutes, DateField::kLongitudeSign, 3);
  fill(known_->latitudeMinutes, DateField::kLatitudeSign, 2);
  if (Index(focus_) > Index(DateField::kMinute)) focus_ = DateField::kLongitudeSign;
}

void DateTimePlaceLogic::SetLocalReading(bool local) {
  // A local time committed before is no longer what the fields read.
  if (localReading_ != (local && OffersLocalReading())) committedLocal_.reset();
  localReading_ = local && OffersLocalReading();
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
      CheckSign(DateField::kLongitudeSign, Said(kInvalidLongitudeSign));
      break;
    case DateField::kLongitudeDegrees:
      CheckDegrees(DateField::kLongitudeDegrees, kMaxLongitudeDegrees,
                   Said(kLongitudeDegreesRange));
      break;
    case DateField::kLongitudeMinutes:
      CommitLongitude();
      break;
    case DateField::kLatitudeSign:
      CheckSign(DateField::kLatitudeSign, Said(kInvalidLatitudeSign));
      break;
    case DateField::kLatitudeDegrees:
      CheckDegrees(DateField::kLatitudeDegrees, kMaxLatitudeDegrees, Said(kLatitudeDegreesRange));
      break;
    case DateField::kLatitudeMinutes:
      CommitAndClose();
      break;
    default:
      break;
  }
}

void DateTimePlaceLogic::Fail(std::string_view message, DateField focus) {
  showError_(message);
  focus_ = focus;
}

std::optional<DateTimePlaceLogic::Refusal> DateTimePlaceLogic::DateRefusal() const {
  const FieldNumbers numbers = ReadFieldNumbers(texts_, DateField::kDay, DateField::kYear);
  if (numbers.notANumber != nullptr) {
    return Refusal{Said(numbers.notANumber->notANumber), numbers.notANumber->field};
  }
  const int day = numbers[DateField::kDay];
  const int month = numbers[DateField::kMonth];
  const int year = numbers[DateField::kYear];
  if (IsCalendarDate(day, month, year)) return std::nullopt;
  const bool dayOfAnEarlierYear = year < kFirstCalendarYear && month >= 1 &&
                                  month <= kMonthsPerYear && day >= 1 &&
                                  day <= DaysInMonth(month, year);
  return Refusal{Said(dayOfAnEarlierYear ? kBeforeCalendar : kInvalidDate), DateField::kDay};
}

std::optional<DateTimePlaceLogic::Refusal> DateTimePlaceLogic::TimeRefusal() const {
  const FieldNumbers numbers = ReadFieldNumbers(texts_, DateField::kHour, DateField::kMinute);
  if (numbers.notANumber != nullptr) {
    return Refusal{Said(numbers.notANumber->notANumber), numbers.notANumber->field};
  }
  if (IsTimeOfDay(numbers[DateField::kHour], numbers[DateField::kMinute])) return std::nullopt;
  return Refusal{Said(kInvalidTime), DateField::kHour};
}

std::optional<DateTimePlaceLogic::Refusal> DateTimePlaceLogic::PlaceRefusal(DateField sign) const {
  if (ReadFieldPlace(texts_, sign)) return std::nullopt;
  return Refusal{Said(sign == DateField::kLongitudeSign ? kInvalidLongitude : kInvalidLatitude),
                 sign};
}

void DateTimePlaceLogic::CommitDate() {
  if (const auto refusal = DateRefusal()) return Fail(*refusal);
  if (localReading_) {
    // The local date alone names no instant: it is committed with the time
    // fields when they hold a time that occurs once; else the time's own
    // commit says what is wrong or asks.
    if (const auto local = EnteredReading()) CommitLocalReading(*local, false);
    return;
  }
  committedLocal_.reset();
  WriteDate();
}

void DateTimePlaceLogic::CommitTime() {
  if (const auto refusal = TimeRefusal()) return Fail(*refusal);
  if (localReading_) {
    if (const auto refusal = DateRefusal()) return Fail(*refusal);
    return CommitLocalReading(*EnteredReading(), true);
  }
  committedLocal_.reset();
  WriteTime();
}

void DateTimePlaceLogic::CheckSign(DateField sign, std::string_view message) {
  if (Field(sign) != "+" && Field(sign) != "-") Fail(message, sign);
}

void DateTimePlaceLogic::CheckDegrees(DateField degrees, int limit, std::string_view range) {
  const Outcome<int> value = ReadWholeNumber(Field(degrees), kSignedField);
  if (!value.ok()) return Fail(Said(kDegreesNotANumber) + " " + std::string(range), degrees);
  if (value.value() < 0 || value.value() > limit) Fail(range, degrees);
}

void DateTimePlaceLogic::CommitLongitude() {
  if (const auto refusal = PlaceRefusal(DateField::kLongitudeSign)) return Fail(*refusal);
  WritePlaceGroup(DateField::kLongitudeSign);
  FollowCommittedPlace();
}

void DateTimePlaceLogic::CommitAndClose() {
  for (const std::optional<Refusal>& refusal :
       {DateRefusal(), TimeRefusal(), PlaceRefusal(DateField::kLongitudeSign),
        PlaceRefusal(DateField::kLatitudeSign)}) {
    if (refusal) return Fail(*refusal);
  }
  const KnownPlace place = *FieldsPlace();
  const ClockSeconds entered = *EnteredReading();
  const bool instantShown = ShowsSkyInstant(place, entered);
  std::optional<LocalEntry> local;
  if (localReading_ && !instantShown) {
    // A local time committed before keeps the answer given for it.
    const bool answered = committedLocal_ && committedLocal_->seconds == entered;
    local = LocalAt(entered, place, true,
                    answered ? std::optional(committedLocal_->choice) : std::nullopt);
    if (!local) return;
  }
  WritePlaceGroup(DateField::kLongitudeSign);
  WritePlaceGroup(DateField::kLatitudeSign);
  place_ = place.identity;
  if (local) {
    static_cast<void>(WriteUniversal(local->universal));  // LocalAt checked the calendar
    committedLocal_ = local;
  } else if (!instantShown) {
    committedLocal_.reset();
    WriteDate();
    WriteTime();
  }
  closed_ = true;
}

void DateTimePlaceLogic::WriteDate() {
  const FieldNumbers numbers = ReadFieldNumbers(texts_, DateField::kDay, DateField::kYear);
  sky_.day = numbers[DateField::kDay];
  sky_.month = numbers[DateField::kMonth];
  sky_.year = numbers[DateField::kYear];
  sky_.dateText = DateText(sky_.day, sky_.month, sky_.year);
}

void DateTimePlaceLogic::WriteTime() {
  const FieldNumbers numbers = ReadFieldNumbers(texts_, DateField::kHour, DateField::kMinute);
  const int hour = numbers[DateField::kHour];
  const int minute = numbers[DateField::kMinute];
  sky_.hours = EnteredValue(false, hour, minute);
  sky_.timeText = ZeroPad(hour, 2) + ":" + ZeroPad(minute, 2) + ":00";
}

void DateTimePlaceLogic::WritePlaceGroup(DateField sign) {
  const FieldPlace group = *ReadFieldPlace(texts_, sign);
  const bool longitude = sign == DateField::kLongitudeSign;
  // The chosen or opening place's exact coordinates while the fields show it.
  double value = group.degrees;
  if (known_ && (longitude ? known_->longitudeMinutes : known_->latitudeMinutes) == group.minutes) {
    value = longitude ? known_->longitude : known_->latitude;
  }
  const std::string text =
      PlaceText(group.negative, group.entry.degrees, longitude ? 3 : 2, group.entry.minutes);
  if (longitude) {
    sky_.longitude = value;
    sky_.isWest = group.negative;
    sky_.longitudeText = text;
  } else {
    sky_.latitude = value;
    sky_.isSouth = group.negative;
    sky_.latitudeText = text;
  }
}

std::optional<ClockSeconds> DateTimePlaceLogic::EnteredReading() const {
  return ReadingOfFields(texts_);
}

std::optional<ClockSeconds> DateTimePlaceLogic::SkyInstant() const {
  std::array<std::string, kDateFieldCount> filled;
  FillInstantFields(sky_, filled);
  const std::optional<ClockSeconds> minute = ReadingOfFields(filled);
  if (!minute) return std::nullopt;
  return *minute + std::max(0, FixedField(sky_.timeText, 7, 8));
}

bool DateTimePlaceLogic::ShowsSkyInstant(const KnownPlace& place, ClockSeconds entered) const {
  const std::optional<ClockSeconds> sky = SkyInstant();
  if (!sky) return false;
  if (!localReading_) return MinuteOf(*sky) == entered;
  const ZoneReading local = services_.rules.localOf(place.identity, place.longitude, *sky);
  return !local.instants.empty() && MinuteOf(local.instants.front().seconds) == entered;
}

std::optional<DateTimePlaceLogic::KnownPlace> DateTimePlaceLogic::FieldsPlace() const {
  const auto longitude = ReadFieldPlace(texts_, DateField::kLongitudeSign);
  const auto latitude = ReadFieldPlace(texts_, DateField::kLatitudeSign);
  if (!longitude || !latitude) return std::nullopt;
  if (known_ && known_->longitudeMinutes == longitude->minutes &&
      known_->latitudeMinutes == latitude->minutes) {
    return known_;
  }
  return KnownPlace{
      TypedIdentity(longitude->minutes, latitude->minutes, longitude->degrees, latitude->degrees),
      longitude->degrees, latitude->degrees, longitude->minutes, latitude->minutes};
}

DateTimePlaceLogic::KnownPlace DateTimePlaceLogic::ShownOrCommittedPlace() const {
  if (auto shown = FieldsPlace()) return std::move(*shown);
  return At(place_, sky_.longitude, sky_.latitude);
}

const PlaceIdentity& DateTimePlaceLogic::TypedIdentity(long longitudeMinutes, long latitudeMinutes,
                                                       double longitude, double latitude) const {
  // The nearest place is looked up once per typed coordinates, not again at
  // each keystroke that leaves them as they are.
  if (!lastTyped_ || lastTyped_->longitudeMinutes != longitudeMinutes ||
      lastTyped_->latitudeMinutes != latitudeMinutes) {
    lastTyped_ = KnownPlace{services_.atlas != nullptr
                                ? TypedPlaceIdentity(*services_.atlas, longitude, latitude)
                                : PlaceIdentity{},
                            longitude, latitude, longitudeMinutes, latitudeMinutes};
  }
  return lastTyped_->identity;
}

PlaceIdentity DateTimePlaceLogic::ShownPlace() const {
  return ShownOrCommittedPlace().identity;
}

std::string DateTimePlaceLogic::PlaceLine() const {
  const PlaceIdentity place = ShownPlace();
  std::string line(place.name.empty() ? Said(kTypedPlace) : place.name);
  for (const std::string* part : {&place.region, &place.country}) {
    if (!place.name.empty() && !part->empty()) line += ", " + *part;
  }
  line += kPlaceSeparator;
  line += place.timeZone.empty() ? Said(kMeanLocalTimeOnly) : place.timeZone;
  return line;
}

std::string DateTimePlaceLogic::OtherReadingLine() const {
  const auto entered = EnteredReading();
  if (!OffersLocalReading() || !entered) return {};
  const KnownPlace place = ShownOrCommittedPlace();
  if (!localReading_) {
    const ZoneReading local = services_.rules.localOf(place.identity, place.longitude, *entered);
    if (local.instants.empty()) return {};
    return "= " + ReadingText(local.instants.front().seconds, *entered) + " " +
           local.instants.front().zoneText;
  }
  const ZoneReading universal =
      services_.rules.universalOf(place.identity, place.longitude, *entered);
  if (universal.instants.empty()) return "= " + Said(kSkippedHere);
  std::string line = "=";
  for (const ZoneInstant& instant : universal.instants) {
    line += (&instant == &universal.instants.front() ? " " : Said(kOr)) +
            ReadingText(instant.seconds, *entered);
  }
  return line + " " + Said(kUniversalTimeText);
}

void DateTimePlaceLogic::FillLocalReading() {
  const std::optional<ClockSeconds> universal = SkyInstant();
  if (!universal) return;
  const ZoneReading local = services_.rules.localOf(place_, sky_.longitude, *universal);
  ReportZoneProblem(local.zoneProblem);
  if (local.instants.empty()) return;
  const ClockReading reading = ReadingOf(local.instants.front().seconds);
  Field(DateField::kDay) = ZeroPad(reading.day, 2);
  Field(DateField::kMonth) = ZeroPad(reading.month, 2);
  Field(DateField::kYear) = ZeroPad(reading.year, 4);
  Field(DateField::kHour) = ZeroPad(reading.secondOfDay / kSecondsPerHour, 2);
  Field(DateField::kMinute) = ZeroPad(reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2);
}

ZoneReading DateTimePlaceLogic::Convert(ClockSeconds local, const PlaceIdentity& place,
                                        double longitude) {
  ZoneReading reading = services_.rules.universalOf(place, longitude, local);
  ReportZoneProblem(reading.zoneProblem);
  return reading;
}

std::optional<DateTimePlaceLogic::LocalEntry> DateTimePlaceLogic::LocalAt(
    ClockSeconds local, const KnownPlace& place, bool asking, std::optional<std::size_t> answered) {
  const ZoneReading reading = Convert(local, place.identity, place.longitude);
  if (reading.instants.empty()) {
    if (asking) Fail(SkippedMessage(local), DateField::kHour);
    return std::nullopt;
  }
  std::size_t choice = 0;
  if (reading.instants.size() > 1) {
    if (answered) {
      choice = std::min(*answered, reading.instants.size() - 1);
    } else if (!asking) {
      return std::nullopt;
    } else {
      // Without anyone to ask, the earlier instant is taken.
      choice = !services_.ask || services_.ask(RepeatedQuestion(local, reading)) ? 0 : 1;
    }
  }
  const ClockSeconds universal = reading.instants[choice].seconds;
  if (!InCalendar(universal)) {
    Fail(Said(kBeforeCalendar), DateField::kDay);
    return std::nullopt;
  }
  return LocalEntry{local, choice, universal};
}

void DateTimePlaceLogic::CommitLocalReading(ClockSeconds local, bool asking) {
  if (const auto entry = LocalAt(local, ShownOrCommittedPlace(), asking, std::nullopt)) {
    static_cast<void>(WriteUniversal(entry->universal));
    committedLocal_ = entry;
  }
}

void DateTimePlaceLogic::FollowCommittedPlace() {
  const bool known =
      known_ && known_->longitude == sky_.longitude && known_->latitude == sky_.latitude;
  place_ = known ? known_->identity
                 : TypedIdentity(WholeMinutes(sky_.longitude), WholeMinutes(sky_.latitude),
                                 sky_.longitude, sky_.latitude);
  if (!committedLocal_) return;
  // The local date and time stay as typed; the Universal Time follows the
  // place, with the same choice where the time occurs twice there too.
  const ZoneReading reading = Convert(committedLocal_->seconds, place_, sky_.longitude);
  if (reading.instants.empty()) return showError_(SkippedMessage(committedLocal_->seconds));
  const std::size_t choice = std::min(committedLocal_->choice, reading.instants.size() - 1);
  static_cast<void>(WriteUniversal(reading.instants[choice].seconds));
}

bool DateTimePlaceLogic::WriteUniversal(ClockSeconds universal) {
  if (!InCalendar(universal)) return false;
  const ClockReading reading = ReadingOf(universal);
  sky_.day = reading.day;
  sky_.month = reading.month;
  sky_.year = reading.year;
  sky_.dateText = DateText(reading.day, reading.month, reading.year);
  sky_.hours = static_cast<double>(reading.secondOfDay) / kSecondsPerHour;
  sky_.timeText = ReadingText(universal, universal);
  return true;
}

void DateTimePlaceLogic::ReportZoneProblem(const std::string& problem) {
  if (problem.empty() || problem == reportedZoneProblem_) return;
  reportedZoneProblem_ = problem;
  showError_(problem + Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                                              " Es gilt die mittlere Ortszeit des Ortes.")));
}

}  // namespace sternwerk
