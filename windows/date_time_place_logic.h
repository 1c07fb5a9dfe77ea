// What the date/time/place dialog does, without any window: it fills its
// eleven fields from the sky state, follows the focus through them, checks
// each of the four groups (date, time, longitude, latitude) when its last
// field is left and writes a group that passes into the sky state at once.
// The window over it only passes on typed texts, focus moves and keys.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

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

// The most characters a field takes.
int MaxLength(DateField field);

class DateTimePlaceLogic {
 public:
  // showError shows one error message (UTF-8) and returns when it is confirmed.
  using ErrorSink = std::function<void(std::string_view message)>;

  DateTimePlaceLogic(SkyState& sky, ErrorSink showError);

  // Opening the dialog: derives the place from its texts into the sky state,
  // fills the fields from the instant and place texts and focuses the day.
  void Activate();

  // The focused field's text as typing has changed it. A field that becomes
  // full moves the focus on; the full latitude minutes commit the latitude.
  void Type(std::string text);
  // The focus moved by the tab key or a mouse click; leaving a group's last
  // field checks it, and a failure sends the focus to the failure's field.
  void MoveFocus(DateField target);
  // Enter moves to the next field; in the latitude minutes it commits.
  void PressEnter();
  // ESC closes the dialog from any field; groups committed before stay
  // committed, the group being typed is left as it was.
  void PressEscape();

  const std::string& Text(DateField field) const;
  DateField Focus() const { return focus_; }
  // True once ESC or a valid latitude has ended the visit.
  bool Closed() const { return closed_; }

 private:
  void Leave(DateField target);
  void CheckLeftField(DateField left);
  void Fail(std::string_view message, DateField focus);
  void CommitDate();
  void CommitTime();
  void CheckSign(DateField sign, std::string_view message);
  // A refused degree field keeps the focus and says what is allowed.
  void CheckDegrees(DateField degrees, int limit, std::string_view range);
  void CommitLongitude();
  void CommitLatitude();
  std::string& Field(DateField field);

  SkyState& sky_;
  ErrorSink showError_;
  std::array<std::string, kDateFieldCount> texts_;
  DateField focus_ = DateField::kDay;
  bool closed_ = false;
};

}  // namespace sternwerk
