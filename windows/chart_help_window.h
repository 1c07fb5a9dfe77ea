// TForm13, "Hilfen zur vergrößerten Diagramm-Anzeige": how the enlarged
// chart differs from the dial, its print and save, and where to read on.
#pragma once

#include "windows/help_window.h"

namespace sternwerk {

class TForm13 : public HelpWindow {
  Q_OBJECT

 public:
  explicit TForm13(Messages& messages, QWidget* parent = nullptr);

  // Puts the focus on "&Zurück".
  void FormShow();
  QStringList PrintLines() const override;

  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sternwerk
