// The date/time/place dialog: eleven small fields for date, time of
// day (WZ/GMT or the place's local time), longitude and latitude over
// DateTimePlaceLogic, which checks and commits each group. The window passes
// typed texts, focus moves, Enter and ESC to the logic and puts the focus
// where the logic says. F3 opens the place search over the help text; the
// chosen place fills the place fields.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <string>
#include <utility>

#include "engine/sky_state.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"
#include "platform/messages.h"
#include "windows/date_time_place_logic.h"
#include "windows/place_search_panel.h"

namespace sternwerk {

class DateTimePlaceDialog : public QDialog {
  Q_OBJECT

 public:
  // `sky` is the instant and place a visit edits, and must outlive the
  // dialog. `germanNamesMissing`: empty, or why the atlas has only English
  // names.
  DateTimePlaceDialog(SkyState& sky, Messages& messages, const PlaceAtlas& atlas,
                      std::string germanNamesMissing = {}, QWidget* parent = nullptr);
  // A dialog without named places: places only by their coordinates.
  DateTimePlaceDialog(SkyState& sky, Messages& messages, QWidget* parent = nullptr);

  // What the sky's coordinates were chosen as; the next opening starts
  // from it.
  void SetPlaceIdentity(PlaceIdentity place) { openingPlace_ = std::move(place); }
  // What the committed coordinates belong to after the visit.
  const PlaceIdentity& placeIdentity() const { return logic_.Place(); }
  // Before an opening from the clock window: the visit edits a copy of the
  // clock's `sky`, its coordinates chosen as `place`, the time fields read
  // as the local time when `localTime`.
  void Prepare(const SkyState& sky, PlaceIdentity place, bool localTime);
  // The instant and place the visits left.
  const SkyState& enteredSky() const { return sky_; }

  // Each opening: fills the fields from the sky state, focus in dayEdit.
  void BeginEntry();

  QPlainTextEdit* helpText;
  QLabel* dateLabel;
  QLabel* timeLabel;
  QLabel* escLabel;
  QLabel* longitudeLabel;
  QLabel* latitudeLabel;
  QLineEdit* dayEdit;
  QLineEdit* monthEdit;
  QLineEdit* yearEdit;
  QLineEdit* hourEdit;
  QLineEdit* minuteEdit;
  QLineEdit* longitudeSignEdit;
  QLineEdit* longitudeDegreesEdit;
  QLineEdit* longitudeMinutesEdit;
  QLineEdit* latitudeSignEdit;
  QLineEdit* latitudeDegreesEdit;
  QLineEdit* latitudeMinutesEdit;
  // Below the fields: how the time fields read, the other reading, the place.
  QCheckBox* localTimeBox;
  QLabel* otherReadingLabel;
  QLabel* placeLabel;
  QPushButton* searchButton;
  // The place search, shown over the help text while it is open, and its
  // controls.
  PlaceSearchPanel* searchPanel;
  QLineEdit* searchEdit;
  QLabel* searchNote;
  QListWidget* searchList;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // ESC, from any field or a click on the "ESC" label, goes through the
  // logic, which keeps the groups committed so far.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateFields();
  void CreateLabels();
  void CreatePlaceControls();
  void CreateSearchPanel(const PlaceAtlas& atlas, const std::string& germanNamesMissing);
  // Hides the search, the focus back in the logic's field.
  void CloseSearch();
  // A place chosen in the search fills the place fields.
  void TakeChosenPlace(const AtlasPlace& place);
  // The place line and the other reading as the fields stand.
  void ShowPlaceAndReading();
  QWidget* Widget(DateField field) const;
  // Closes the dialog when the logic has ended the visit, otherwise moves
  // the focus to the logic's field; true when the focus was moved.
  bool FollowLogic();
  // FollowLogic after the focused field was left by Enter or by filling it.
  void FollowLogicAfterLeaving(DateField left);
  void Escape();

  SkyState& sky_;
  PlaceIdentity openingPlace_;
  DateTimePlaceLogic logic_;
  std::array<QLineEdit*, kDateFieldCount> edits_{};
  // Set by an opening before the window is active: dayEdit's text is selected
  // once the focus arrives in it.
  bool selectDayOnFocus_ = false;
};

}  // namespace sternwerk
