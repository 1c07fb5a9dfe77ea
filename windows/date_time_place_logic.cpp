#include "windows/date_time_place_logic.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "base/time_units.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "windows/date_time_place_messages.h"

namespace sternwerk {
namespace {

namespace messages = date_time_place_messages;
using messages::Said;

bool InCalendar(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  return IsCalendarDate(reading.day, reading.month, reading.year);
}

// The start of the minute of an instant.
ClockSeconds MinuteOf(ClockSeconds seconds) {
  return seconds - ((seconds % kSecondsPerMinute) + kSecondsPerMinute) % kSecondsPerMinute;
}

}  // namespace

DateTimePlaceLogic::DateTimePlaceLogic(SkyState& sky, ErrorSink showError, PlaceServices services)
    : sky_(sky),
      showError_(std::move(showError)),
      services_(std::move(services)),
      places_(services_.atlas) {}

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
  FillPlaceFields(sky_, texts_);

  focus_ = DateField::kDay;
  closed_ = false;
  place_ = std::move(place);
  places_.Know(KnownPlace::At(place_, sky_.longitude, sky_.latitude));
  committedLocal_.reset();
  reportedZoneProblem_.clear();
  if (localReading_) FillLocalReading();
}

void DateTimePlaceLogic::Type(std::string text) {
  if (closed_ || focus_ == DateField::kHelpText) return;
  const DateField typed = focus_;
  // An edited coordinate makes the place a typed one.
  if (Index(typed) >= Index(DateField::kLongitudeSign) && text != Field(typed)) {
    places_.Forget();
  }
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
  const KnownPlace known =
      KnownPlace::At(IdentityOf(place, ShownLanguage()), place.longitude, place.latitude);
  FillPlaceGroup(known.longitudeMinutes, DateField::kLongitudeSign, texts_);
  FillPlaceGroup(known.latitudeMinutes, DateField::kLatitudeSign, texts_);
  places_.Know(known);
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
      CheckSign(DateField::kLongitudeSign, Said(messages::kInvalidLongitudeSign));
      break;
    case DateField::kLongitudeDegrees:
      CheckDegrees(DateField::kLongitudeDegrees, kMaxLongitudeDegrees,
                   Said(messages::kLongitudeDegreesRange));
      break;
    case DateField::kLongitudeMinutes:
      CommitLongitude();
      break;
    case DateField::kLatitudeSign:
      CheckSign(DateField::kLatitudeSign, Said(messages::kInvalidLatitudeSign));
      break;
    case DateField::kLatitudeDegrees:
      CheckDegrees(DateField::kLatitudeDegrees, kMaxLatitudeDegrees,
                   Said(messages::kLatitudeDegreesRange));
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

void DateTimePlaceLogic::Fail(const FieldRefusal& refusal) {
  Fail(Said(refusal.message), refusal.field);
}

void DateTimePlaceLogic::CommitDate() {
  if (const auto refusal = DateRefusal(texts_)) return Fail(*refusal);
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
  if (const auto refusal = TimeRefusal(texts_)) return Fail(*refusal);
  if (localReading_) {
    if (const auto refusal = DateRefusal(texts_)) return Fail(*refusal);
    return CommitLocalReading(*EnteredReading(), true);
  }
  committedLocal_.reset();
  WriteTime();
}

void DateTimePlaceLogic::CheckSign(DateField sign, std::string_view message) {
  if (Field(sign) != "+" && Field(sign) != "-") Fail(message, sign);
}

void DateTimePlaceLogic::CheckDegrees(DateField degrees, int limit, std::string_view range) {
  const std::optional<int> value = DegreesOf(texts_, degrees);
  if (!value) return Fail(messages::DegreesNotANumber(std::string(range)), degrees);
  if (*value < 0 || *value > limit) Fail(range, degrees);
}

void DateTimePlaceLogic::CommitLongitude() {
  if (const auto refusal = PlaceRefusal(texts_, DateField::kLongitudeSign)) return Fail(*refusal);
  WritePlaceGroup(DateField::kLongitudeSign);
  FollowCommittedPlace();
}

void DateTimePlaceLogic::CommitAndClose() {
  for (const std::optional<FieldRefusal>& refusal :
       {DateRefusal(texts_), TimeRefusal(texts_), PlaceRefusal(texts_, DateField::kLongitudeSign),
        PlaceRefusal(texts_, DateField::kLatitudeSign)}) {
    if (refusal) return Fail(*refusal);
  }
  const KnownPlace place = *places_.FieldsPlace(texts_);
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
  const FieldDate date = DateOf(texts_);
  sky_.day = date.day;
  sky_.month = date.month;
  sky_.year = date.year;
  sky_.dateText = DateText(sky_.day, sky_.month, sky_.year);
}

void DateTimePlaceLogic::WriteTime() {
  FieldTime time = TimeOf(texts_);
  sky_.hours = time.hours;
  sky_.timeText = std::move(time.text);
}

void DateTimePlaceLogic::WritePlaceGroup(DateField sign) {
  PlaceGroup group = *ReadPlaceGroup(texts_, sign);
  const bool longitude = sign == DateField::kLongitudeSign;
  const double value = places_.CommittedValue(group, sign);
  if (longitude) {
    sky_.longitude = value;
    sky_.isWest = group.negative;
    sky_.longitudeText = std::move(group.text);
  } else {
    sky_.latitude = value;
    sky_.isSouth = group.negative;
    sky_.latitudeText = std::move(group.text);
  }
}

std::optional<ClockSeconds> DateTimePlaceLogic::EnteredReading() const {
  return EnteredInstant(texts_);
}

std::optional<ClockSeconds> DateTimePlaceLogic::SkyInstant() const {
  FieldTexts filled;
  FillInstantFields(sky_, filled);
  const std::optional<ClockSeconds> minute = EnteredInstant(filled);
  if (!minute) return std::nullopt;
  return *minute + std::max(0, FixedField(sky_.timeText, 7, 8));
}

bool DateTimePlaceLogic::ShowsSkyInstant(const KnownPlace& place, ClockSeconds entered) const {
  const std::optional<ClockSeconds> sky = SkyInstant();
  if (!sky) return false;
  if (!localReading_) return MinuteOf(*sky) == entered;
  return MinuteOf(LocalOf(services_.rules, place.identity, place.longitude, *sky).reading) ==
         entered;
}

KnownPlace DateTimePlaceLogic::ShownOrCommittedPlace() const {
  if (auto shown = places_.FieldsPlace(texts_)) return std::move(*shown);
  return KnownPlace::At(place_, sky_.longitude, sky_.latitude);
}

PlaceIdentity DateTimePlaceLogic::ShownPlace() const {
  return ShownOrCommittedPlace().identity;
}

std::string DateTimePlaceLogic::PlaceLine() const {
  return messages::PlaceLine(ShownPlace());
}

std::string DateTimePlaceLogic::OtherReadingLine() const {
  const auto entered = EnteredReading();
  if (!OffersLocalReading() || !entered) return {};
  const KnownPlace place = ShownOrCommittedPlace();
  if (!localReading_) {
    return messages::LocalReadingLine(
        LocalOf(services_.rules, place.identity, place.longitude, *entered), *entered);
  }
  return messages::UniversalReadingLine(
      UniversalOf(services_.rules, place.identity, place.longitude, *entered), *entered);
}

void DateTimePlaceLogic::FillLocalReading() {
  const std::optional<ClockSeconds> universal = SkyInstant();
  if (!universal) return;
  const LocalTime local = LocalOf(services_.rules, place_, sky_.longitude, *universal);
  ReportZoneProblem(local.zoneProblem);
  FillInstantFields(local.reading, texts_);
}

UniversalTimes DateTimePlaceLogic::Convert(ClockSeconds local, const PlaceIdentity& place,
                                           double longitude) {
  UniversalTimes reading = UniversalOf(services_.rules, place, longitude, local);
  ReportZoneProblem(reading.zoneProblem);
  return reading;
}

std::optional<DateTimePlaceLogic::LocalEntry> DateTimePlaceLogic::LocalAt(
    ClockSeconds local, const KnownPlace& place, bool asking, std::optional<std::size_t> answered) {
  const UniversalTimes reading = Convert(local, place.identity, place.longitude);
  if (reading.instants.empty()) {
    if (asking) Fail(messages::SkippedMessage(local), DateField::kHour);
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
      choice = !services_.ask || services_.ask(messages::RepeatedQuestion(local, reading)) ? 0 : 1;
    }
  }
  const ClockSeconds universal = reading.instants[choice].seconds;
  if (!InCalendar(universal)) {
    Fail(Said(messages::kBeforeCalendar), DateField::kDay);
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
  place_ = places_.IdentityAt(sky_.longitude, sky_.latitude);
  if (!committedLocal_) return;
  // The local date and time stay as typed; the Universal Time follows the
  // place, with the same choice where the time occurs twice there too.
  const UniversalTimes reading = Convert(committedLocal_->seconds, place_, sky_.longitude);
  if (reading.instants.empty())
    return showError_(messages::SkippedMessage(committedLocal_->seconds));
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
  sky_.timeText = messages::ReadingText(universal, universal);
  return true;
}

void DateTimePlaceLogic::ReportZoneProblem(const std::string& problem) {
  if (problem.empty() || problem == reportedZoneProblem_) return;
  reportedZoneProblem_ = problem;
  showError_(messages::ZoneProblemMessage(problem));
}

}  // namespace sternwerk
