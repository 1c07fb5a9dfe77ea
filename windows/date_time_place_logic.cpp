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

constexpr int kFebruary = 2;
constexpr int kYearWithoutLeapDay = 1;  // February's length while no year is read
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

// The signed whole minutes and the value in degrees of a place group's
// fields, if they hold a valid place.
struct FieldPlace {
  long minutes;
  double degrees;
};

std::optional<FieldPlace> ReadFieldPlace(const std::string& sign, const std::string& degreesText,
                                         const std::string& minutesText, int maxDegrees,
                                         double limit) {
  if (sign != "+" && sign != "-") return std::nullopt;
  const auto entry = ReadPlace(degreesText, minutesText, maxDegrees, limit);
  if (!entry) return std::nullopt;
  const double degrees = EnteredValue(sign == "-", entry->degrees, entry->minutes);
  return FieldPlace{WholeMinutes(degrees), degrees};
}

}  // namespace

namespace {

// The instant the date and time fields name, if they hold a valid one.
std::optional<ClockSeconds> ReadingOfFields(const std::array<std::string, kDateFieldCount>& texts) {
  const auto number = [&texts](DateField field, NumberRules rules) {
    return ReadWholeNumber(texts[Index(field)], rules);
  };
  const Outcome<int> day = number(DateField::kDay, kSignedField);
  const Outcome<int> month = number(DateField::kMonth, kSignedField);
  const Outcome<int> year = number(DateField::kYear, kSignedField);
  const Outcome<int> hour = number(DateField::kHour, kUnsignedField);
  const Outcome<int> minute = number(DateField::kMinute, kUnsignedField);
  if (!day.ok() || !month.ok() || !year.ok() || !hour.ok() || !minute.ok()) return std::nullopt;
  if (!IsCalendarDate(day.value(), month.value(), year.value())) return std::nullopt;
  if (hour.value() > kMaxHour || minute.value() > kMaxMinute ||
      hour.value() * 100 + minute.value() > kLatestTime) {
    return std::nullopt;
  }
  return ClockSecondsOf(day.value(), month.value(), year.value(),
                        EnteredValue(false, hour.value(), minute.value()));
}

}  // namespace

int MaxLength(DateField field) {
  return field == DateField::kHelpText ? 0 : kMaxLengths[Index(field)];
}

DateTimePlaceLogic::DateTimePlaceLogic(SkyState& sky, ErrorSink showError, PlaceServices services)
    : sky_(sky), showError_(std::move(showError)), services_(std::move(services)) {}

void DateTimePlaceLogic::Activate(PlaceIdentity place) {
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
  place_ = std::move(place);
  opening_ = KnownPlace{place_, WholeMinutes(sky_.longitude), WholeMinutes(sky_.latitude)};
  chosen_.reset();
  committedLocal_.reset();
  reportedZoneProblem_.clear();
  if (localReading_) FillLocalReading();
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

void DateTimePlaceLogic::ChoosePlace(const AtlasPlace& place) {
  if (closed_) return;
  const KnownPlace chosen{IdentityOf(place, ShownLanguage()), WholeMinutes(place.longitude),
                          WholeMinutes(place.latitude)};
  // Sign, degrees and minutes follow each other in the tab order.
  const auto fill = [this](long minutes, DateField sign, int degreeWidth) {
    const long size = std::labs(minutes);
    Field(sign) = SignText(minutes < 0);
    Field(Next(sign)) = ZeroPad(size / kWholeMinutesPerDegree, degreeWidth);
    Field(Next(Next(sign))) = ZeroPad(size % kWholeMinutesPerDegree, 2);
  };
  fill(chosen.longitudeMinutes, DateField::kLongitudeSign, 3);
  fill(chosen.latitudeMinutes, DateField::kLatitudeSign, 2);
  chosen_ = chosen;
  if (Index(focus_) > Index(DateField::kMinute)) focus_ = DateField::kLongitudeSign;
}

void DateTimePlaceLogic::SetLocalReading(bool local) {
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

  if (!day.ok() || !month.ok() || !year.ok()) return Fail(Said(kInvalidDate), DateField::kDay);
  if (!IsCalendarDate(day.value(), month.value(), year.value())) {
    const bool dayOfAnEarlierYear = year.value() < kFirstCalendarYear && month.value() >= 1 &&
                                    month.value() <= kMonthsPerYear && day.value() >= 1 &&
                                    day.value() <= DaysInMonth(month.value(), year.value());
    return Fail(Said(dayOfAnEarlierYear ? kBeforeCalendar : kInvalidDate), DateField::kDay);
  }
  if (localReading_) {
    // The local date alone names no instant: it is committed with the time
    // fields when they hold a time that occurs once; else the time's own
    // commit says what is wrong or asks.
    if (const auto local = EnteredReading()) CommitLocalReading(*local, false);
    return;
  }
  committedLocal_.reset();
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
    return Fail(Said(kInvalidTime), DateField::kHour);
  }
  if (localReading_) {
    const auto local = EnteredReading();
    if (!local) return Fail(Said(kInvalidDate), DateField::kDay);
    return CommitLocalReading(*local, true);
  }
  committedLocal_.reset();
  sky_.hours = EnteredValue(false, hour.value(), minute.value());
  sky_.timeText = ZeroPad(hour.value(), 2) + ":" + ZeroPad(minute.value(), 2) + ":00";
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
  const bool west = Field(DateField::kLongitudeSign) == "-";
  const auto entry =
      ReadPlace(Field(DateField::kLongitudeDegrees), Field(DateField::kLongitudeMinutes),
                kMaxLongitudeDegrees, kLongitudeLimit);
  if (!entry) return Fail(Said(kInvalidLongitude), DateField::kLongitudeSign);
  sky_.longitude = EnteredValue(west, entry->degrees, entry->minutes);
  sky_.isWest = west;
  sky_.longitudeText = PlaceText(west, entry->degrees, 3, entry->minutes);
  FollowCommittedPlace();
}

void DateTimePlaceLogic::CommitLatitude() {
  const bool south = Field(DateField::kLatitudeSign) == "-";
  const auto entry =
      ReadPlace(Field(DateField::kLatitudeDegrees), Field(DateField::kLatitudeMinutes),
                kMaxLatitudeDegrees, kLatitudeLimit);
  if (!entry) return Fail(Said(kInvalidLatitude), DateField::kLatitudeSign);
  sky_.latitude = EnteredValue(south, entry->degrees, entry->minutes);
  sky_.isSouth = south;
  sky_.latitudeText = PlaceText(south, entry->degrees, 2, entry->minutes);
  FollowCommittedPlace();
  closed_ = true;
}

std::optional<ClockSeconds> DateTimePlaceLogic::EnteredReading() const {
  return ReadingOfFields(texts_);
}

std::optional<double> DateTimePlaceLogic::ShownLongitude() const {
  const auto longitude =
      ReadFieldPlace(Text(DateField::kLongitudeSign), Text(DateField::kLongitudeDegrees),
                     Text(DateField::kLongitudeMinutes), kMaxLongitudeDegrees, kLongitudeLimit);
  if (!longitude) return std::nullopt;
  return longitude->degrees;
}

PlaceIdentity DateTimePlaceLogic::PlaceAt(long longitudeMinutes, long latitudeMinutes,
                                          double longitude, double latitude) const {
  for (const std::optional<KnownPlace>* known : {&chosen_, &opening_}) {
    if (*known && (*known)->longitudeMinutes == longitudeMinutes &&
        (*known)->latitudeMinutes == latitudeMinutes) {
      return (*known)->identity;
    }
  }
  // The nearest place is looked up once per typed coordinates, not again at
  // each keystroke that leaves them as they are.
  if (!lastTyped_ || lastTyped_->longitudeMinutes != longitudeMinutes ||
      lastTyped_->latitudeMinutes != latitudeMinutes) {
    lastTyped_ = KnownPlace{services_.atlas != nullptr
                                ? TypedPlaceIdentity(*services_.atlas, longitude, latitude)
                                : PlaceIdentity{},
                            longitudeMinutes, latitudeMinutes};
  }
  return lastTyped_->identity;
}

PlaceIdentity DateTimePlaceLogic::ShownPlace() const {
  const auto longitude =
      ReadFieldPlace(Text(DateField::kLongitudeSign), Text(DateField::kLongitudeDegrees),
                     Text(DateField::kLongitudeMinutes), kMaxLongitudeDegrees, kLongitudeLimit);
  const auto latitude =
      ReadFieldPlace(Text(DateField::kLatitudeSign), Text(DateField::kLatitudeDegrees),
                     Text(DateField::kLatitudeMinutes), kMaxLatitudeDegrees, kLatitudeLimit);
  if (!longitude || !latitude) return place_;
  return PlaceAt(longitude->minutes, latitude->minutes, longitude->degrees, latitude->degrees);
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
  const PlaceIdentity place = ShownPlace();
  const double longitude = ShownLongitude().value_or(sky_.longitude);
  if (!localReading_) {
    const ZoneReading local = services_.rules.localOf(place, longitude, *entered);
    if (local.instants.empty()) return {};
    return "= " + ReadingText(local.instants.front().seconds, *entered) + " " +
           local.instants.front().zoneText;
  }
  const ZoneReading universal = services_.rules.universalOf(place, longitude, *entered);
  if (universal.instants.empty()) return "= " + Said(kSkippedHere);
  std::string line = "=";
  for (const ZoneInstant& instant : universal.instants) {
    line += (&instant == &universal.instants.front() ? " " : Said(kOr)) +
            ReadingText(instant.seconds, *entered);
  }
  return line + " " + Said(kUniversalTimeText);
}

void DateTimePlaceLogic::FillLocalReading() {
  // The fields as filled read Universal Time to the minute; the seconds of
  // the time text belong to the same instant.
  const auto universal = EnteredReading();
  if (!universal) return;
  const int seconds = std::max(0, FixedField(sky_.timeText, 7, 8));
  const ZoneReading local = services_.rules.localOf(place_, sky_.longitude, *universal + seconds);
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

void DateTimePlaceLogic::CommitLocalReading(ClockSeconds local, bool asking) {
  const ZoneReading reading =
      Convert(local, ShownPlace(), ShownLongitude().value_or(sky_.longitude));
  if (reading.instants.empty()) {
    if (asking) Fail(SkippedMessage(local), DateField::kHour);
    return;
  }
  std::size_t choice = 0;
  if (reading.instants.size() > 1) {
    if (!asking) return;
    // Without anyone to ask, the earlier instant is taken.
    choice = !services_.ask || services_.ask(RepeatedQuestion(local, reading)) ? 0 : 1;
  }
  if (!WriteUniversal(reading.instants[choice].seconds)) {
    return Fail(Said(kBeforeCalendar), DateField::kDay);
  }
  committedLocal_ = LocalEntry{local, choice};
}

void DateTimePlaceLogic::FollowCommittedPlace() {
  place_ = PlaceAt(WholeMinutes(sky_.longitude), WholeMinutes(sky_.latitude), sky_.longitude,
                   sky_.latitude);
  if (!committedLocal_) return;
  // The local date and time stay as typed; the Universal Time follows the
  // place, with the same choice where the time occurs twice there too.
  const ZoneReading reading = Convert(committedLocal_->seconds, place_, sky_.longitude);
  if (reading.instants.empty()) return showError_(SkippedMessage(committedLocal_->seconds));
  const std::size_t choice = std::min(committedLocal_->choice, reading.instants.size() - 1);
  static_cast<void>(WriteUniversal(reading.instants[choice].seconds));
}

bool DateTimePlaceLogic::WriteUniversal(ClockSeconds universal) {
  const ClockReading reading = ReadingOf(universal);
  if (!IsCalendarDate(reading.day, reading.month, reading.year)) return false;
  InitMonthLengths(sky_);
  sky_.monthLength[kFebruary] = DaysInMonth(kFebruary, reading.year);
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
