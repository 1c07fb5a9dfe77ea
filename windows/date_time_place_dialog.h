// The date/time/place dialog: eleven small fields for date, time of
// day (WZ/GMT), longitude and latitude over DateTimePlaceLogic, which checks
// and commits each group. The window passes typed texts, focus moves, Enter
// and ESC to the logic and puts the focus where the logic says.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "engine/sky_state.h"
#include "platform/messages.h"
#include "windows/date_time_place_logic.h"

namespace sternwerk {

class DateTimePlaceDialog : public QDialog {
  Q_OBJECT

 public:
  DateTimePlaceDialog(SkyState& sky, Messages& messages, QWidget* parent = nullptr);

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

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // ESC, from any field or a click on the "ESC" label, goes through the
  // logic, which keeps the groups committed so far.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateFields();
  void CreateLabels();
  QWidget* Widget(DateField field) const;
  // Closes the dialog when the logic has ended the visit, otherwise moves
  // the focus to the logic's field; true when the focus was moved.
  bool FollowLogic();
  // FollowLogic after the focused field was left by Enter or by filling it.
  void FollowLogicAfterLeaving(DateField left);
  void Escape();

  DateTimePlaceLogic logic_;
  std::array<QLineEdit*, kDateFieldCount> edits_{};
  // Set by an opening before the window is active: dayEdit's text is selected
  // once the focus arrives in it.
  bool selectDayOnFocus_ = false;
};

}  // namespace sternwerk
