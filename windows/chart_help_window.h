// The enlarged chart's help, "Hilfen zur vergrößerten Diagramm-Anzeige": how the enlarged
// chart differs from the dial, its print and save, and where to read on.
#pragma once

#include "windows/help_window.h"

namespace sternwerk {

class ChartHelpWindow : public HelpWindow {
  Q_OBJECT

 public:
  explicit ChartHelpWindow(Messages& messages, QWidget* parent = nullptr);

  // Puts the focus on "&Zurück".
  void SetInitialFocus();
  QStringList PrintLines() const override;

  QPlainTextEdit* helpText;
  QPlainTextEdit* materialText;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sternwerk
