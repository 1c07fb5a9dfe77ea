// TForm6, the factor choice dialog: the user types the two-letter code of
// the factor whose rise, set or culmination is searched.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "engine/sky_state.h"
#include "platform/messages.h"

namespace sternwerk {

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  TForm6(SkyState& sky, Messages& messages, QWidget* parent = nullptr);

  // Empties the field and the answer and sets the range hint; runs each
  // time the dialog is shown.
  void FormActivate();
  // ESC in the field enters the cancel code.
  void Edit1KeyPress(QChar key);
  // Checks the field after every change: closes with the factor chosen,
  // closes cancelled, or explains a refused code and stays open.
  void Edit1Change(const QString& text);

  // Empty when a factor was chosen (written to selectedFactor), "##" when
  // the dialog was cancelled, by ESC, "##" or closing the window.
  QString answer;

  QPlainTextEdit* Memo1;
  QLineEdit* Edit1;
  QLabel* Label1;
  QLabel* Label2;

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkyState& sky_;
  Messages& messages_;
};

}  // namespace sternwerk
