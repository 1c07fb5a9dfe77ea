// What the date/time/place dialog does, without any window: it fills its
// eleven fields from the sky state, follows the focus through them, checks
// each of the four groups (date, time, longitude, latitude) when its last
// field is left and writes a group that passes into the sky state at once.
// Leaving the latitude, the last group, closes the visit: then every group
// is committed as the fields show it, or none while one of them fails.
// The window over it only passes on typed texts, focus moves and keys.
// A place chosen by name fills the place fields; the date and time fields
// may be read as the local time of the place instead of Universal Time.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar.h"
#include "engine/sky_state.h"
#include "places/local_time.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"
#include "places/place_time_rules.h"
#include "windows/date_time_fields.h"
#include "windows/date_time_place_tracker.h"

namespace sternwerk {

// What the logic needs beyond the sky state to know places and their time.
struct PlaceServices {
  const PlaceAtlas* atlas = nullptr;  // zones of typed places; none: no zone
  // The system's time-zone data, which the window has and the logic does
  // not; empty: the fields read Universal Time only.
  PlaceTimeRules rules;
  // Asks a yes/no question (UTF-8); true for yes.
  std::function<bool(std::string_view question)> ask;
};

class DateTimePlaceLogic {
 public:
  // showError shows one error message (UTF-8) and returns when it is confirmed.
  using ErrorSink = std::function<void(std::string_view message)>;

  DateTimePlaceLogic(SkyState& sky, ErrorSink showError, PlaceServices services = {});

  // Opening the dialog: derives the place from its texts into the sky state,
  // fills the fields from the instant and place texts and focuses the day.
  // `place` is what the sky's coordinates were chosen as; in the local
  // reading the date and time fields show its local time. A named place
  // keeps the sky's exact coordinates where its texts show them to the
  // minute.
  void Activate(PlaceIdentity place = {});

  // Fills the place fields with the place's coordinates in whole minutes
  // and takes its name, zone and exact coordinates for them until a
  // coordinate field is edited; then the fields hold a typed place. Filling
  // is not typing: nothing is committed. From the date or time fields the
  // focus stays where it is, the user goes on to the place fields from
  // there; from anywhere else it goes to the longitude sign.
  void ChoosePlace(const AtlasPlace& place);
  // Whether the date and time fields read as the place's local time.
  void SetLocalReading(bool local);
  bool LocalReading() const { return localReading_; }
  bool OffersLocalReading() const { return services_.rules.ReadsZones(); }

  // The focused field's text as typing has changed it. A field that becomes
  // full moves the focus on; the full latitude minutes close the visit.
  void Type(std::string text);
  // The focus moved by the tab key or a mouse click; leaving a group's last
  // field checks it, and a failure sends the focus to the failure's field.
  void MoveFocus(DateField target);
  // Enter moves to the next field; in the latitude minutes it closes the
  // visit.
  void PressEnter();
  // ESC closes the dialog from any field; groups committed before stay
  // committed, the group being typed is left as it was.
  void PressEscape();

  const std::string& Text(DateField field) const;
  DateField Focus() const { return focus_; }
  // True once ESC or the closing commit has ended the visit.
  bool Closed() const { return closed_; }

  // The place the committed coordinates belong to: the chosen or the opening
  // place while the coordinates are its exact ones, else a typed place.
  const PlaceIdentity& Place() const { return place_; }
  // The place the fields show as they stand (the committed one while the
  // fields hold no valid place).
  PlaceIdentity ShownPlace() const;
  // "München, Bayern, Deutschland · Europe/Berlin" for the shown place (UTF-8).
  std::string PlaceLine() const;
  // The date and time fields in the other reading, e.g. "= 10:50:02 WZ/GMT"
  // or "= 11:30:00 MEZ" (UTF-8); empty while they hold no valid instant.
  std::string OtherReadingLine() const;

 private:
  // The committed local reading, which the Universal Time follows when the
  // place changes; choice is which of two instants the user meant.
  struct LocalEntry {
    ClockSeconds seconds = 0;
    std::size_t choice = 0;
    ClockSeconds universal = 0;  // what it names at the place it was converted at
  };

  void Leave(DateField target);
  void CheckLeftField(DateField left);
  void Fail(std::string_view message, DateField focus);
  // A group's refusal, said in the program's language.
  void Fail(const FieldRefusal& refusal);
  void CommitDate();
  void CommitTime();
  void CheckSign(DateField sign, std::string_view message);
  // A refused degree field keeps the focus and says what is allowed.
  void CheckDegrees(DateField degrees, int limit, std::string_view range);
  void CommitLongitude();
  // The closing commit: every group as the fields show it; a refused group
  // keeps the visit open and commits nothing.
  void CommitAndClose();
  // Writes a checked group into the sky state.
  void WriteDate();
  void WriteTime();
  void WritePlaceGroup(DateField sign);
  std::string& Field(DateField field);

  // The instant the date and time fields name, if they hold a valid one.
  std::optional<ClockSeconds> EnteredReading() const;
  // The sky's instant to the second, as its texts give it.
  std::optional<ClockSeconds> SkyInstant() const;
  // Whether the date and time fields, in their reading at `place`, show
  // the sky's instant to the minute: then it stays as it is.
  bool ShowsSkyInstant(const KnownPlace& place, ClockSeconds entered) const;
  // The place the fields hold, or the committed place while they hold none.
  KnownPlace ShownOrCommittedPlace() const;
  // Rewrites the date and time fields as the local reading of the sky.
  void FillLocalReading();
  // The Universal Time a local reading names at the place. A skipped time
  // fails when `asking`; a repeated one takes `answered` where it is given,
  // else it is asked about when `asking`; otherwise there is none.
  std::optional<LocalEntry> LocalAt(ClockSeconds local, const KnownPlace& place, bool asking,
                                    std::optional<std::size_t> answered);
  // Commits the Universal Time of the local reading at the shown place, as
  // LocalAt finds it without an earlier answer.
  void CommitLocalReading(ClockSeconds local, bool asking);
  // After the longitude's commit: the place of the committed coordinates,
  // and the Universal Time of a committed local reading at it.
  void FollowCommittedPlace();
  UniversalTimes Convert(ClockSeconds local, const PlaceIdentity& place, double longitude);
  // Writes the instant into the sky state; false outside the calendar.
  bool WriteUniversal(ClockSeconds universal);
  // A zone this machine does not know is said once per visit.
  void ReportZoneProblem(const std::string& problem);

  SkyState& sky_;
  ErrorSink showError_;
  PlaceServices services_;
  PlaceIdentity place_;
  PlaceTracker places_;
  bool localReading_ = false;
  std::optional<LocalEntry> committedLocal_;
  std::string reportedZoneProblem_;
  FieldTexts texts_;
  DateField focus_ = DateField::kDay;
  bool closed_ = false;
};

}  // namespace sternwerk
