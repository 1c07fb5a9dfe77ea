// The introduction, "Einige einführende Hinweise zu diesem Programm und zum
// Diagramm": the program in brief, its settings, what the halt enables, and
// an introduction to the dial with a worked example.
#pragma once

#include "windows/help_window.h"

namespace sternwerk {

class IntroductionWindow : public HelpWindow {
  Q_OBJECT

 public:
  explicit IntroductionWindow(Messages& messages, QWidget* parent = nullptr);

  // Puts the focus into the introduction.
  void SetInitialFocus();
  QStringList PrintLines() const override;

  QPlainTextEdit* summaryText;
  QPlainTextEdit* settingsText;
  QPlainTextEdit* haltedText;
  QPlainTextEdit* introductionText;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sternwerk
