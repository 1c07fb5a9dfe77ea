// TForm2, the interval dialog: the step per clock tick as a number of
// minutes typed into Edit1, or one day, seven days, thirty days or one year
// by its four buttons. It writes only the step mode and intervalMinutes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "clock/interval_choice.h"
#include "engine/sky_state.h"
#include "platform/messages.h"

namespace sternwerk {

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(SkyState& sky, Messages& messages, QWidget* parent = nullptr);

  // Each showing: Edit1's text selected and focused.
  void FormActivate();

  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QLineEdit* Edit1;
  QLabel* Label1;
  QLabel* Label2;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Enter, the sixth character or leaving Edit1: a positive number becomes
  // the minutes per tick and closes the dialog; no number keeps the focus in
  // Edit1; zero or less changes nothing. False when the text was refused.
  bool ApplyEdit1();
  // Enter or the sixth character: as ApplyEdit1, and a refused text is
  // explained and left selected for retyping.
  void EnterEdit1();
  QPushButton* StepButton(const QString& caption, int left, StepMode mode);

  SkyState& sky_;
  Messages& messages_;
  // From the showing until the dialog is being closed; Edit1 losing the
  // focus as the dialog closes is no entry.
  bool open_ = false;
};

}  // namespace sternwerk
