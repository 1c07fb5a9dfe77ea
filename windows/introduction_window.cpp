#include "windows/introduction_window.h"

#include "platform/faces.h"
#include "platform/ui_style.h"
#include "windows/help_print_layout.h"
#include "windows/help_texts.h"

namespace sternwerk {

namespace {

constexpr int kCaptionIndent = 33;
constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("sternwerk::IntroductionWindow",
                      "Einige einführende Hinweise zu diesem Programm und zum Diagramm");
// The client area of a window 800 x 577 pixels in outer size.
constexpr QSize kClientSize{792, 550};
constexpr int kTextFontPixels = 13;

// The dial's introduction, then the astrologer's charts.
QStringList IntroductionLines() {
  return HelpLines(help_texts::kIntroductionText) + HelpLines(help_texts::kIntroductionCharts);
}

}  // namespace

IntroductionWindow::IntroductionWindow(Messages& messages, QWidget* parent)
    : HelpWindow(messages, kClientSize, QLatin1Char('i'), parent) {
  setWindowTitle(QString(kCaptionIndent, QLatin1Char(' ')) + tr(kCaption));
  const QFont boxFont = PixelFont(kSansSerifFace, kTextFontPixels, true);
  summaryText = TextBox({0, 1, 792, 55}, kCream, kBlack, boxFont,
                        HelpLines(help_texts::kIntroductionSummary));
  settingsText = TextBox({0, 56, 520, 103}, kCream, kNavy, boxFont,
                         HelpLines(help_texts::kIntroductionSettings));
  haltedText = TextBox({519, 56, 273, 103}, kWhite, kNavy, boxFont,
                       HelpLines(help_texts::kIntroductionHalted));
  introductionText =
      TextBox({0, 159, 792, 363}, kCream, kMaroon, PixelFont(kArialFace, kTextFontPixels, true),
              IntroductionLines(), true);
  introductionText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PlaceButtons({288, 526, 75, 22}, {424, 526, 70, 22}, font());
  setTabOrder(backButton, introductionText);
  setTabOrder(introductionText, printButton);
}

void IntroductionWindow::SetInitialFocus() {
  introductionText->setFocus();
}

QStringList IntroductionWindow::PrintLines() const {
  return HelpPrintLines({{3, 8, HelpLines(help_texts::kIntroductionSummary)},
                         {1, 17, HelpLines(help_texts::kIntroductionSettings)},
                         {1, 17, HelpLines(help_texts::kIntroductionHalted)},
                         {2, 8, IntroductionLines()}},
                        0);
}

void IntroductionWindow::showEvent(QShowEvent* event) {
  HelpWindow::showEvent(event);
  SetInitialFocus();
}

}  // namespace sternwerk
