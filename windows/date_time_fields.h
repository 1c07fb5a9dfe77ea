// The eleven fields of the date/time/place dialog as texts: reading them
// into a date, a time of day and two place groups, checking each group, and
// filling them from the sky's texts. Pure functions over the field texts.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/calendar.h"
#include "engine/sky_state.h"

namespace sternwerk {

// The eleven edit fields in tab order (dayEdit to latitudeMinutesEdit), then the help text,
// which takes the focus but has no reactions of its own.
enum class DateField {
  kDay,
  kMonth,
  kYear,
  kHour,
  kMinute,
  kLongitudeSign,
  kLongitudeDegrees,
  kLongitudeMinutes,
  kLatitudeSign,
  kLatitudeDegrees,
  kLatitudeMinutes,
  kHelpText,
};
inline constexpr int kDateFieldCount = 11;
inline constexpr int kMaxLongitudeDegrees = 180;
inline constexpr int kMaxLatitudeDegrees = 90;

using FieldTexts = std::array<std::string, kDateFieldCount>;

// The most characters a field takes.
int MaxLength(DateField field);

int Index(DateField field);
// The field after `field` in the tab order.
DateField Next(DateField field);

// Why a group's fields hold no valid value: the message (untranslated, in
// the logic's context) and the field to correct it in.
struct FieldRefusal {
  const char* message;
  DateField field;
};
std::optional<FieldRefusal> DateRefusal(const FieldTexts& texts);
// The one check of the time of day: hours 0..24, minutes 0..59, at most 24:00.
std::optional<FieldRefusal> TimeRefusal(const FieldTexts& texts);
// The longitude or latitude group, named by its sign field.
std::optional<FieldRefusal> PlaceRefusal(const FieldTexts& texts, DateField sign);
// The degree field's number, if it holds one (its range is the caller's).
std::optional<int> DegreesOf(const FieldTexts& texts, DateField degrees);

// The instant the date and time fields name, if they hold a valid one.
std::optional<ClockSeconds> EnteredInstant(const FieldTexts& texts);

// The date and time as the fields name them; only for fields that passed
// their checks.
struct FieldDate {
  int day;
  int month;
  int year;
};
FieldDate DateOf(const FieldTexts& texts);
// Hours as a fraction, and the time text "hh:mm:00".
struct FieldTime {
  double hours;
  std::string text;
};
FieldTime TimeOf(const FieldTexts& texts);

// A valid place group of the fields: its sign, its text "+ddd°mm'" or
// "+dd°mm'" as the place texts are stored, and its value in signed whole
// minutes and in degrees.
struct PlaceGroup {
  bool negative;
  std::string text;
  long minutes;
  double degrees;
};
// The group whose sign is the field `sign`, if its fields hold a valid place.
std::optional<PlaceGroup> ReadPlaceGroup(const FieldTexts& texts, DateField sign);

// Coordinates in signed whole minutes, rounded.
long WholeMinutes(double degrees);

// The date and time fields as the sky's texts fill them.
void FillInstantFields(const SkyState& sky, FieldTexts& texts);
// The date and time fields showing the reading of an instant.
void FillInstantFields(ClockSeconds seconds, FieldTexts& texts);
// The place fields as the sky's place texts fill them.
void FillPlaceFields(const SkyState& sky, FieldTexts& texts);
// A place group, named by its sign field, showing whole signed minutes.
void FillPlaceGroup(long minutes, DateField sign, FieldTexts& texts);

}  // namespace sternwerk
