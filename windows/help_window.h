// The common frame of the help windows: read-only text boxes on maroon, a bold
// "&Zurück" that ESC also triggers, and "&Drucken", which prints the boxes'
// lines as plain text.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "platform/messages.h"
#include "platform/printing.h"

namespace sternwerk {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  // `messages` reports a failed print and must outlive the window.
  HelpWindow(Messages& messages, QSize clientSize, QChar iconMark, QWidget* parent = nullptr);

  // Chooses the printer for "&Drucken": the print dialog unless replaced.
  std::unique_ptr<PrinterChoice> printerChoice;

  void Back();
  // Prints PrintLines() in "Arial" 9 pt, one print job.
  void Print();

  // The lines "&Drucken" prints, as they are stored.
  virtual QStringList PrintLines() const = 0;

  QPushButton* printButton;
  QPushButton* backButton;

 protected:
  // Each showing is centred on the screen.
  void showEvent(QShowEvent* event) override;
  // A read-only text box holding `lines`, wrapped at its width; it takes
  // the focus only if asked to.
  QPlainTextEdit* TextBox(const QRect& area, Rgb background, Rgb text, const QFont& font,
                          const QStringList& lines, bool focusable = false);
  // "&Drucken" and the bold "&Zurück", both on one row.
  void PlaceButtons(const QRect& print, const QRect& back, const QFont& font);

 private:
  Messages& messages_;
};

}  // namespace sternwerk
