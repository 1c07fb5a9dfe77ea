// The window "Diagramm-Vergrößerung": the enlarged chart shown 1:1,
// put on the clipboard and written to img.wmf at every drawing, with buttons
// to save numbered copies, export it, print it and explain the printer
// settings. With houses and aspects chosen (handOver.astrology) their layer
// is drawn over the chart, and the aspect list stands right of the buttons.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "astrology/chart_astrology.h"
#include "charts/chart_files.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/printing.h"
#include "platform/report_once.h"
#include "windows/sky_picture_window.h"

namespace sternwerk {

class OutsideViewWindow;
class NinetyDegreeDialWindow;
class ChartHelpWindow;

class EnlargedChartWindow : public SkyPictureWindow {
  Q_OBJECT

 public:
  // Files are written to `workingDirectory`; errors and confirmations go to
  // `messages`. Both, and the sky and the display options, must outlive the window.
  EnlargedChartWindow(const SkyState& sky, const DisplayOptions& display, Messages& messages,
                      std::filesystem::path workingDirectory, QWidget* parent = nullptr);

  // The outside view and the chart's help, created once by the program's
  // entry and shown modally from here.
  OutsideViewWindow* outsideView = nullptr;
  NinetyDegreeDialWindow* ninetyDegreeDial = nullptr;
  ChartHelpWindow* help = nullptr;

  // A new visit: nothing saved yet, then the chart drawn.
  void BeginVisit();
  // Records the chart, puts it on the clipboard and writes img.wmf; a failed
  // write is reported once per visit and the chart is kept in memory.
  void UpdateChart();
  void Back();
  // Saves a numbered copy and tells its name.
  void SaveCopy();
  // Writes the chart to the file exportChooser names, as sternwerk-sky
  // --chart writes it: its square in PNG, SVG or WMF, its printed page in PDF.
  void Export();
  // Prints the chart with its header and position list.
  void Print();
  // Shows the outside view with every button but the printer advice
  // disabled, and restores the view's title when it closes.
  void ShowOutsideView();
  // Shows the chart on the 90-degree dial.
  void ShowNinetyDegreeDial();
  // Shows the advice on the printer settings.
  void ShowPrinterAdvice();
  // Shows the chart's help.
  void ShowHelp();
  // The files' clean-up at the end of a visit.
  void EndVisit();

  // The chart as last drawn, and its houses and aspects.
  std::shared_ptr<const Picture> chart() const { return chart_; }
  const ChartAstrology& astrology() const { return astrology_; }

  QPushButton* printerHelpButton;
  QPushButton* outsideViewButton;
  QPushButton* ninetyDegreeDialButton;
  QPushButton* helpButton;
  QPushButton* printButton;
  QPushButton* saveButton;
  QPushButton* exportButton;
  QPushButton* backButton;
  // The note on the houses, if any, then one line per aspect (AspectLine);
  // shown only with houses and aspects.
  QPlainTextEdit* aspectList;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Every way of closing (Zurück, ESC, the frame) ends here.
  void done(int result) override;

 private:
  ChartFiles files_;
  std::shared_ptr<const Picture> chart_;
  ChartAstrology astrology_;
  QString chosenPrinter_;  // the printer of the last print, empty before it
};

}  // namespace sternwerk
