// The interval dialog: the step per clock tick as a number of
// minutes typed into minutesEdit, or one day, seven days, thirty days or one year
// by its four buttons. It shows the clock's step and gives the one chosen.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>

#include "clock/clock_settings.h"
#include "platform/messages.h"

namespace sternwerk {

class IntervalDialog : public QDialog {
  Q_OBJECT

 public:
  // `clock` is the clock's settings, which must outlive the dialog.
  IntervalDialog(const ClockSettings& clock, Messages& messages, QWidget* parent = nullptr);

  // Each showing: minutesEdit empty and focused, the clock's step shown,
  // no step chosen.
  void BeginEntry();
  // The step chosen in the last showing; none when ESC closed it.
  const std::optional<StepChoice>& choice() const { return choice_; }

  QPlainTextEdit* explanation;
  QPushButton* dayButton;
  QPushButton* weekButton;
  QPushButton* monthButton;
  QPushButton* yearButton;
  QLineEdit* minutesEdit;
  QLabel* escLabel;
  QLabel* minutesLabel;
  // The step the clock takes now, "Jetzt: 1 Sekunde pro Takt".
  QLabel* stepLabel;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Enter, the sixth character or leaving minutesEdit: a positive number becomes
  // the minutes per tick and closes the dialog; no number keeps the focus in
  // minutesEdit; an empty field, zero or less changes nothing. False when the
  // text was refused.
  bool ApplyMinutes();
  // Enter or the sixth character: as ApplyMinutes, and a refused text is
  // explained and left selected for retyping.
  void EnterMinutes();
  QPushButton* StepButton(const QString& caption, int left, StepMode mode);

  const ClockSettings& clock_;
  Messages& messages_;
  std::optional<StepChoice> choice_;
  // From the showing until the dialog is being closed; minutesEdit losing the
  // focus as the dialog closes is no entry.
  bool open_ = false;
};

}  // namespace sternwerk
