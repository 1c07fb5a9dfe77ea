// TForm11, "Einige einführende Hinweise zu diesem Programm und zum
// Diagramm": the program in brief, its settings, what the halt enables, and
// an introduction to the dial with a worked example.
#pragma once

#include "windows/help_window.h"

namespace sternwerk {

class TForm11 : public HelpWindow {
  Q_OBJECT

 public:
  explicit TForm11(Messages& messages, QWidget* parent = nullptr);

  // Puts the focus into the introduction.
  void FormShow();
  QStringList PrintLines() const override;

  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo4;
  QPlainTextEdit* Memo3;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sternwerk
