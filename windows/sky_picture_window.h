// What the two picture windows of the sky, the enlarged chart and the
// outside view, share: the sky and display options they draw, the hand-over
// they are given before each showing, and printing on a printer the user
// chooses.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "astrology/astrology_choices.h"
#include "base/outcome.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "places/place_identity.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/printing.h"
#include "platform/report_once.h"

namespace sternwerk {

// Handed from window to window: the clock window's place line and last
// search result, the default printer's page width in printer pixels, the
// place's name and zone, which name an exported file, and the astrologer's
// choice of houses and aspects over the chart.
struct PictureHandOver {
  ChartTexts texts;
  std::uint16_t printPageWidth = 0;
  PlaceIdentity place;
  AstrologyChoices astrology;
};

class SkyPictureWindow : public QDialog {
  Q_OBJECT

 public:
  // Chooses the printer for "&Drucken": the print dialog unless replaced.
  std::unique_ptr<PrinterChoice> printerChoice;
  // Set by the window that opens this one, before each showing.
  PictureHandOver handOver;
  // Chooses the file for "Exportieren …", starting from the suggested path
  // (empty: cancelled); the standard file dialog unless replaced.
  std::function<QString(const QString& suggestedPath)> exportChooser;

 protected:
  // Errors and confirmations go to `messages`; it, the sky and the display
  // options must outlive the window.
  SkyPictureWindow(const SkyState& sky, const DisplayOptions& display, Messages& messages,
                   QWidget* parent);

  // Lets the user choose a printer for `printer`, then prints with `print`
  // and reports a failed print. Nothing is printed when the choice is
  // cancelled.
  void PrintOnChosenPrinter(QPrinter& printer, const std::function<Status(QPrinter&)>& print);

  // Writes what the window shows with `write` to the file exportChooser
  // names, suggesting `suggested`, and confirms the written path or reports
  // the failure; nothing when the choice is cancelled.
  void ExportTo(const std::filesystem::path& suggested,
                const std::function<Status(const std::string&)>& write);
  // The suggested export's name without extension: the place and the
  // instant (PictureFileStem).
  std::string ExportStem() const;

  // Publishes a drawn picture: puts it on the clipboard and writes its file
  // with `writeFile`; a failed write is reported once per showing.
  Status Publish(const Picture& picture, const std::function<Status()>& writeFile);

  const SkyState& sky_;
  const DisplayOptions& display_;
  Messages& messages_;
  // A failed write of the window's file, reported once per showing.
  ReportOnce writeFailure_{*this, messages_};
};

}  // namespace sternwerk
