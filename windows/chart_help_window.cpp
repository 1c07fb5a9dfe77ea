#include "windows/chart_help_window.h"

#include "platform/faces.h"
#include "platform/ui_style.h"
#include "windows/help_print_layout.h"
#include "windows/help_texts.h"

namespace sternwerk {

namespace {

constexpr int kCaptionIndent = 35;
constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("sternwerk::ChartHelpWindow", "Hilfen zur vergrößerten Diagramm-Anzeige");
// The client area of a window 627 x 692 pixels in outer size.
constexpr QSize kClientSize{619, 665};
constexpr int kTextFontPixels = 13;

}  // namespace

ChartHelpWindow::ChartHelpWindow(Messages& messages, QWidget* parent)
    : HelpWindow(messages, kClientSize, QLatin1Char('?'), parent) {
  setWindowTitle(QString(kCaptionIndent, QLatin1Char(' ')) + tr(kCaption));
  const QFont textFont = PixelFont(kArialFace, kTextFontPixels);
  helpText =
      TextBox({1, 2, 616, 535}, kWhite, kBlack, textFont, HelpLines(help_texts::kChartHelpText));
  materialText = TextBox({1, 537, 616, 103}, kWhite, kBlack, textFont,
                         HelpLines(help_texts::kChartHelpMaterial));
  PlaceButtons({224, 642, 75, 22}, {318, 642, 75, 22}, font());
}

void ChartHelpWindow::SetInitialFocus() {
  backButton->setFocus();
}

QStringList ChartHelpWindow::PrintLines() const {
  return HelpPrintLines({{3, 8, HelpLines(help_texts::kChartHelpText)},
                         {3, 9, HelpLines(help_texts::kChartHelpMaterial)}},
                        1);
}

void ChartHelpWindow::showEvent(QShowEvent* event) {
  HelpWindow::showEvent(event);
  SetInitialFocus();
}

}  // namespace sternwerk
