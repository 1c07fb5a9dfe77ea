#include "windows/date_time_fields.h"

#include <cmath>
#include <cstdlib>

#include "base/number_reading.h"
#include "base/time_units.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "windows/date_time_place_messages.h"

namespace sternwerk {
namespace {

namespace messages = date_time_place_messages;

constexpr int kMaxHour = 24;
constexpr int kMaxMinute = 59;
constexpr int kLatestTime = 2400;  // hour * 100 + minute
constexpr double kLongitudeLimit = 180.00011;
constexpr double kLatitudeLimit = 90.00011;
constexpr double kMinutesPerDegree = 60.0;
constexpr long kWholeMinutesPerDegree = 60;

// The fields take blanks before a number; a sign only where a value may be
// negative.
constexpr NumberRules kSignedField{.leadingBlanks = true, .sign = true};
constexpr NumberRules kUnsignedField{.leadingBlanks = true};

constexpr std::array<int, kDateFieldCount> kMaxLengths = {2, 2, 4, 2, 2, 1, 3, 2, 1, 2, 2};
constexpr int kInstantFieldCount = 5;  // the date and time fields, day to minute

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
    {DateField::kDay, kSignedField, messages::kDayNotANumber},
    {DateField::kMonth, kSignedField, messages::kMonthNotANumber},
    {DateField::kYear, kSignedField, messages::kYearNotANumber},
    {DateField::kHour, kUnsignedField, messages::kHourNotANumber},
    {DateField::kMinute, kUnsignedField, messages::kMinuteNotANumber},
}};

// The numbers of the date and time fields from `first` to `last`, and the
// first of them that holds no number.
struct FieldNumbers {
  std::array<std::optional<int>, kInstantFieldCount> values;
  const NumberField* notANumber = nullptr;

  int operator[](DateField field) const { return values[Index(field)].value_or(0); }
};

FieldNumbers ReadFieldNumbers(const FieldTexts& texts, DateField first, DateField last) {
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

std::string SignText(bool negative) {
  return negative ? "-" : "+";
}

// "+ddd°mm'" or "+dd°mm'" as the place texts are stored.
std::string PlaceText(bool negative, int degrees, int degreeWidth, int minutes) {
  return SignText(negative) + ZeroPad(degrees, degreeWidth) + kDegreeSign + ZeroPad(minutes, 2) +
         "'";
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

int Index(DateField field) {
  return static_cast<int>(field);
}

DateField Next(DateField field) {
  return static_cast<DateField>(Index(field) + 1);
}

std::optional<FieldRefusal> DateRefusal(const FieldTexts& texts) {
  const FieldNumbers numbers = ReadFieldNumbers(texts, DateField::kDay, DateField::kYear);
  if (numbers.notANumber != nullptr) {
    return FieldRefusal{numbers.notANumber->notANumber, numbers.notANumber->field};
  }
  const int day = numbers[DateField::kDay];
  const int month = numbers[DateField::kMonth];
  const int year = numbers[DateField::kYear];
  if (IsCalendarDate(day, month, year)) return std::nullopt;
  const bool dayOfAnEarlierYear = year < kFirstCalendarYear && month >= 1 &&
                                  month <= kMonthsPerYear && day >= 1 &&
                                  day <= DaysInMonth(month, year);
  return FieldRefusal{dayOfAnEarlierYear ? messages::kBeforeCalendar : messages::kInvalidDate,
                      DateField::kDay};
}

std::optional<FieldRefusal> TimeRefusal(const FieldTexts& texts) {
  const FieldNumbers numbers = ReadFieldNumbers(texts, DateField::kHour, DateField::kMinute);
  if (numbers.notANumber != nullptr) {
    return FieldRefusal{numbers.notANumber->notANumber, numbers.notANumber->field};
  }
  const int hour = numbers[DateField::kHour];
  const int minute = numbers[DateField::kMinute];
  if (hour >= 0 && minute >= 0 && hour <= kMaxHour && minute <= kMaxMinute &&
      hour * 100 + minute <= kLatestTime) {
    return std::nullopt;
  }
  return FieldRefusal{messages::kInvalidTime, DateField::kHour};
}

std::optional<FieldRefusal> PlaceRefusal(const FieldTexts& texts, DateField sign) {
  if (ReadPlaceGroup(texts, sign)) return std::nullopt;
  return FieldRefusal{
      sign == DateField::kLongitudeSign ? messages::kInvalidLongitude : messages::kInvalidLatitude,
      sign};
}

std::optional<int> DegreesOf(const FieldTexts& texts, DateField degrees) {
  const Outcome<int> value = ReadWholeNumber(texts[Index(degrees)], kSignedField);
  if (!value.ok()) return std::nullopt;
  return value.value();
}

std::optional<ClockSeconds> EnteredInstant(const FieldTexts& texts) {
  if (DateRefusal(texts) || TimeRefusal(texts)) return std::nullopt;
  const FieldDate date = DateOf(texts);
  return ClockSecondsOf(date.day, date.month, date.year, TimeOf(texts).hours);
}

FieldDate DateOf(const FieldTexts& texts) {
  const FieldNumbers numbers = ReadFieldNumbers(texts, DateField::kDay, DateField::kYear);
  return {numbers[DateField::kDay], numbers[DateField::kMonth], numbers[DateField::kYear]};
}

FieldTime TimeOf(const FieldTexts& texts) {
  const FieldNumbers numbers = ReadFieldNumbers(texts, DateField::kHour, DateField::kMinute);
  const int hour = numbers[DateField::kHour];
  const int minute = numbers[DateField::kMinute];
  return {EnteredValue(false, hour, minute), ZeroPad(hour, 2) + ":" + ZeroPad(minute, 2) + ":00"};
}

std::optional<PlaceGroup> ReadPlaceGroup(const FieldTexts& texts, DateField sign) {
  const bool longitude = sign == DateField::kLongitudeSign;
  const std::string& signText = texts[Index(sign)];
  if (signText != "+" && signText != "-") return std::nullopt;
  const auto entry = ReadPlace(texts[Index(Next(sign))], texts[Index(Next(Next(sign)))],
                               longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees,
                               longitude ? kLongitudeLimit : kLatitudeLimit);
  if (!entry) return std::nullopt;
  const bool negative = signText == "-";
  const double degrees = EnteredValue(negative, entry->degrees, entry->minutes);
  return PlaceGroup{negative,
                    PlaceText(negative, entry->degrees, longitude ? 3 : 2, entry->minutes),
                    WholeMinutes(degrees), degrees};
}

long WholeMinutes(double degrees) {
  return std::lround(degrees * kMinutesPerDegree);
}

void FillInstantFields(const SkyState& sky, FieldTexts& texts) {
  texts[Index(DateField::kDay)] = ZeroPad(FixedField(sky.dateText, 1, 2), 2);
  texts[Index(DateField::kMonth)] = ZeroPad(FixedField(sky.dateText, 4, 5), 2);
  texts[Index(DateField::kYear)] = ZeroPad(FixedField(sky.dateText, 7, 10), 4);
  texts[Index(DateField::kHour)] = ZeroPad(FixedField(sky.timeText, 1, 2), 2);
  texts[Index(DateField::kMinute)] = ZeroPad(FixedField(sky.timeText, 4, 5), 2);
}

void FillInstantFields(ClockSeconds seconds, FieldTexts& texts) {
  const ClockReading reading = ReadingOf(seconds);
  texts[Index(DateField::kDay)] = ZeroPad(reading.day, 2);
  texts[Index(DateField::kMonth)] = ZeroPad(reading.month, 2);
  texts[Index(DateField::kYear)] = ZeroPad(reading.year, 4);
  texts[Index(DateField::kHour)] = ZeroPad(reading.secondOfDay / kSecondsPerHour, 2);
  texts[Index(DateField::kMinute)] =
      ZeroPad(reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2);
}

void FillPlaceFields(const SkyState& sky, FieldTexts& texts) {
  texts[Index(DateField::kLongitudeSign)] = SignText(sky.isWest);
  texts[Index(DateField::kLongitudeDegrees)] = ZeroPad(FixedField(sky.longitudeText, 2, 4), 3);
  texts[Index(DateField::kLongitudeMinutes)] = ZeroPad(FixedField(sky.longitudeText, 6, 7), 2);
  texts[Index(DateField::kLatitudeSign)] = SignText(sky.isSouth);
  texts[Index(DateField::kLatitudeDegrees)] = ZeroPad(FixedField(sky.latitudeText, 2, 3), 2);
  texts[Index(DateField::kLatitudeMinutes)] = ZeroPad(FixedField(sky.latitudeText, 5, 6), 2);
}

void FillPlaceGroup(long minutes, DateField sign, FieldTexts& texts) {
  // Sign, degrees and minutes follow each other in the tab order.
  const long size = std::labs(minutes);
  const int degreeWidth = sign == DateField::kLongitudeSign ? 3 : 2;
  texts[Index(sign)] = SignText(minutes < 0);
  texts[Index(Next(sign))] = ZeroPad(size / kWholeMinutesPerDegree, degreeWidth);
  texts[Index(Next(Next(sign)))] = ZeroPad(size % kWholeMinutesPerDegree, 2);
}

}  // namespace sternwerk
