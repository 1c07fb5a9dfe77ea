// TForm5, the window "Diagramm-Vergrößerung": the enlarged chart shown 1:1,
// put on the clipboard and written to img.wmf at every drawing, with buttons
// to save numbered copies, print it and explain the printer settings.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "engine/sky_state.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/printing.h"
#include "platform/report_once.h"
#include "windows/chart_files.h"
#include "windows/enlarged_chart_drawing.h"

namespace sternwerk {

class TForm8;
class TForm13;

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  // Files are written to `workingDirectory`; errors and confirmations go to
  // `messages`. Both, and the sky, must outlive the window.
  TForm5(const SkyState& sky, Messages& messages, std::filesystem::path workingDirectory,
         QWidget* parent = nullptr);

  // Handed over by the clock window before each showing: its place line
  // and last search result, and the default printer's page width.
  ChartTexts texts;
  std::uint16_t printPageWidth = 0;
  // Chooses the printer for "&Drucken": the print dialog unless replaced.
  std::unique_ptr<PrinterChoice> printerChoice;
  // The outside view and the chart's help, created once by the program's
  // entry and shown modally from here.
  TForm8* outsideView = nullptr;
  TForm13* help = nullptr;

  // A new visit: nothing saved yet, then the chart drawn.
  void FormShow();
  // Records the chart, puts it on the clipboard and writes img.wmf; a failed
  // write is reported once per visit and the chart is kept in memory.
  void diagramm();
  void Button1Click();
  // Saves a numbered copy and tells its name.
  void Button2Click();
  // Prints the chart with its header and position list.
  void Button3Click();
  // Shows the outside view with every button but the printer advice
  // disabled, and restores the view's title when it closes.
  void Button4Click();
  // Shows the advice on the printer settings.
  void Button5Click();
  // Shows the chart's help.
  void Button6Click();
  // The files' clean-up at the end of a visit.
  void FormClose();

  // The chart as last drawn.
  std::shared_ptr<const Picture> chart() const { return chart_; }

  QPushButton* Button5;
  QPushButton* Button4;
  QPushButton* Button6;
  QPushButton* Button3;
  QPushButton* Button2;
  QPushButton* Button1;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Every way of closing (Zurück, ESC, the frame) ends here.
  void done(int result) override;

 private:
  const SkyState& sky_;
  Messages& messages_;
  ChartFiles files_;
  std::shared_ptr<const Picture> chart_;
  QString chosenPrinter_;  // the printer of the last print, empty before it
  ReportOnce writeFailure_{*this, messages_};
};

}  // namespace sternwerk
