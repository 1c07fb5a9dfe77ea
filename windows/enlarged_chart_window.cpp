#include "windows/enlarged_chart_window.h"

#include <QPainter>
#include <array>

#include "astrology/chart_lines.h"
#include "charts/chart_astrology_layer.h"
#include "charts/chart_export.h"
#include "charts/chart_printing.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/picture_painter.h"
#include "platform/printing.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/chart_help_window.h"
#include "windows/ninety_degree_dial_window.h"
#include "windows/outside_view_window.h"
#include "windows/printer_advice.h"

namespace sternwerk {

namespace {

constexpr int kCaptionIndent = 66;
constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("sternwerk::EnlargedChartWindow", "Diagramm-Vergrößerung");
constexpr QPoint kScreenPosition{1, 0};
// The buttons stand in a column right of the chart, so that none covers a
// factor drawn near the chart's edge; the lowest one ends where the chart does.
constexpr int kButtonMargin = 8;
constexpr int kButtonLeft = kChartSize + kButtonMargin;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 22;
constexpr int kButtonPitch = 28;  // from one button's top to the next one's
constexpr int kLowestButtonTop = kChartSize - kButtonMargin - kButtonHeight;
constexpr QSize kWindowSize{kButtonLeft + kButtonWidth + kButtonMargin, kChartSize};
// With houses and aspects, the aspect list right of the buttons widens the
// window.
constexpr int kAspectListWidth = 260;
constexpr QRect kAspectListPlace{kWindowSize.width(), kButtonMargin, kAspectListWidth,
                                 kChartSize - 2 * kButtonMargin};
constexpr QSize kWindowWithListSize{kAspectListPlace.right() + 1 + kButtonMargin, kChartSize};
constexpr int kListFontPixels = 11;
constexpr int kButtonFontPixels = 11;
const QString kButtonFace = kSansSerifFace;

constexpr const char* kSaveHint = QT_TRANSLATE_NOOP(
    "sternwerk::EnlargedChartWindow",
    " Speichert in einem Programmlauf auch mehrere Diagramme nacheinander mit fortlaufenden "
    "Nummern als Metafile (*.WMF) ");
constexpr const char* kExportHint = QT_TRANSLATE_NOOP(
    "sternwerk::EnlargedChartWindow",
    " Speichert das Diagramm unter einem frei gewählten Namen als PNG, SVG, PDF (mit "
    "Faktorenliste, wie gedruckt) oder WMF ");
// The file dialog's suggestion: the place and the instant, as a PNG picture.
constexpr const char* kExportExtension = ".png";
constexpr const char* kPrintHint = QT_TRANSLATE_NOOP(
    "sternwerk::EnlargedChartWindow",
    " Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste ");
constexpr const char* kOutsideHint =
    QT_TRANSLATE_NOOP("sternwerk::EnlargedChartWindow",
                      " Zeigt den Blick nach Süden mit MC sowie Ost- und West-Horizont ");

// The aspects' chords follow the positions of the computation shown.
ComputationMode ModeOf(ComputationUsed used) {
  return used == ComputationUsed::kOwn ? ComputationMode::kOwn : ComputationMode::kPrecise;
}

// A button of the column, counted upwards from the lowest (0).
QRect ButtonPlace(int fromBelow) {
  return {kButtonLeft, kLowestButtonTop - fromBelow * kButtonPitch, kButtonWidth, kButtonHeight};
}

}  // namespace

EnlargedChartWindow::EnlargedChartWindow(const SkyState& sky, const DisplayOptions& display,
                                         Messages& messages, std::filesystem::path workingDirectory,
                                         QWidget* parent)
    : SkyPictureWindow(sky, display, messages, parent), files_(std::move(workingDirectory)) {
  setWindowTitle(QString(kCaptionIndent, QLatin1Char(' ')) + tr(kCaption));
  setFixedSize(kWindowSize);
  move(kScreenPosition);
  SetColours(this, kWhite);

  // Top to bottom: the printer advice apart, the views, the outputs, and
  // "Zurück" lowest.
  printerHelpButton = MakeButton(this, tr("Drucker-Hilfe"), ButtonPlace(7));
  ninetyDegreeDialButton = MakeButton(this, tr("&90°-Scheibe"), ButtonPlace(6));
  outsideViewButton = MakeButton(this, tr("Draußen-&Ansicht"), ButtonPlace(5));
  helpButton = MakeButton(this, tr("&Hilfe"), ButtonPlace(4));
  printButton = MakeButton(this, tr("&Drucken"), ButtonPlace(3));
  saveButton = MakeButton(this, tr("&Speichern"), ButtonPlace(2));
  exportButton = MakeButton(this, tr("&Exportieren …"), ButtonPlace(1));
  backButton = MakeButton(this, tr("&Zurück"), ButtonPlace(0));
  for (QPushButton* button : {printerHelpButton, ninetyDegreeDialButton, outsideViewButton,
                              helpButton, printButton, saveButton, exportButton, backButton}) {
    button->setFont(PixelFont(kButtonFace, kButtonFontPixels));
    button->setAutoDefault(false);
  }
  backButton->setFont(PixelFont(kButtonFace, kButtonFontPixels, true));
  aspectList = MakeTextBox(this, kAspectListPlace);
  aspectList->setObjectName(QStringLiteral("aspectList"));
  aspectList->setFont(PixelFont(kLowerCourierFace, kListFontPixels));
  aspectList->setLineWrapMode(QPlainTextEdit::WidgetWidth);  // a long note wraps
  aspectList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  aspectList->hide();
  outsideViewButton->setToolTip(tr(kOutsideHint));
  printButton->setToolTip(tr(kPrintHint));
  saveButton->setToolTip(tr(kSaveHint));
  exportButton->setToolTip(tr(kExportHint));

  connect(backButton, &QPushButton::clicked, this, &EnlargedChartWindow::Back);
  connect(saveButton, &QPushButton::clicked, this, &EnlargedChartWindow::SaveCopy);
  connect(exportButton, &QPushButton::clicked, this, &EnlargedChartWindow::Export);
  connect(printButton, &QPushButton::clicked, this, &EnlargedChartWindow::Print);
  connect(outsideViewButton, &QPushButton::clicked, this, &EnlargedChartWindow::ShowOutsideView);
  connect(ninetyDegreeDialButton, &QPushButton::clicked, this,
          &EnlargedChartWindow::ShowNinetyDegreeDial);
  connect(printerHelpButton, &QPushButton::clicked, this, &EnlargedChartWindow::ShowPrinterAdvice);
  connect(helpButton, &QPushButton::clicked, this, &EnlargedChartWindow::ShowHelp);
}

void EnlargedChartWindow::BeginVisit() {
  files_.BeginVisit();
  writeFailure_.Rearm();
  const bool listed = handOver.astrology.shown;
  setFixedSize(listed ? kWindowWithListSize : kWindowSize);
  aspectList->setVisible(listed);
  UpdateChart();
  QStringList lines;
  if (!astrology_.note.empty()) lines << QString::fromStdString(astrology_.note);
  if (astrology_.aspects) {
    for (const Aspect& aspect : *astrology_.aspects)
      lines << QString::fromStdString(AspectLine(aspect));
  }
  aspectList->setPlainText(lines.join('\n'));
}

void EnlargedChartWindow::UpdateChart() {
  astrology_ = ComputeChartAstrology(sky_, ModeOf(display_.computation), display_.transplutonian,
                                     RequestOf(handOver.astrology));
  auto chart = std::make_shared<Picture>(kChartSize, kChartSize);
  Canvas canvas(*chart);
  DrawEnlargedChart(sky_, display_, handOver.texts, canvas);
  DrawAstrologyLayer(astrology_, canvas);
  chart_ = chart;
  // A failed write is reported by Publish; the chart stays shown.
  static_cast<void>(Publish(*chart_, [this] { return files_.WriteWorkingFile(*chart_); }));
}

void EnlargedChartWindow::Back() {
  close();
}

void EnlargedChartWindow::SaveCopy() {
  const Outcome<std::string> saved = files_.SaveCopy(*chart_);
  if (!saved.ok()) {
    messages_.Error(QString::fromStdString(saved.error()));
    return;
  }
  messages_.Information(
      tr("Das Diagramm wurde als Windows-Metafile gespeichert in  %1  im Ordner  %2.")
          .arg(QString::fromStdString(saved.value()),
               QString::fromStdString(files_.folder().lexically_normal().string())));
}

void EnlargedChartWindow::Export() {
  if (!chart_) UpdateChart();
  ExportTo(files_.folder() / (ExportStem() + kExportExtension), [this](const std::string& path) {
    return SaveChartFile(chart_, sky_, display_, handOver.texts, path, astrology_);
  });
}

void EnlargedChartWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  PrintOnChosenPrinter(printer, [this](QPrinter& chosen) {
    if (chosen.outputFormat() == QPrinter::NativeFormat) chosenPrinter_ = chosen.printerName();
    return PrintChart(chosen, chart_, sky_, display_, handOver.texts, astrology_);
  });
}

void EnlargedChartWindow::ShowOutsideView() {
  const QString title = outsideView->windowTitle();
  const std::array<QPushButton*, 6> heldBack = {backButton,  saveButton,        exportButton,
                                                printButton, outsideViewButton, helpButton};
  for (QPushButton* button : heldBack) button->setEnabled(false);
  outsideView->handOver = handOver;
  outsideView->exec();
  outsideView->setWindowTitle(title);
  for (QPushButton* button : heldBack) button->setEnabled(true);
}

void EnlargedChartWindow::ShowNinetyDegreeDial() {
  ninetyDegreeDial->exec();
}

void EnlargedChartWindow::ShowPrinterAdvice() {
  // The printer chosen last in this window, else the default one, at the
  // resolution CUPS reports; the start's page width without a printer.
  const PrinterAdviceText advice =
      PrinterAdvice(PrinterPageWidth(chosenPrinter_).value_or(handOver.printPageWidth));
  messages_.Plain(QString::fromStdString(advice.title), QString::fromStdString(advice.text));
}

void EnlargedChartWindow::ShowHelp() {
  help->exec();
}

void EnlargedChartWindow::EndVisit() {
  if (chart_) files_.EndVisit(*chart_);
}

void EnlargedChartWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  BeginVisit();
}

void EnlargedChartWindow::paintEvent(QPaintEvent*) {
  UpdateChart();
  QPainter painter(this);
  PaintPicture(painter, *chart_);
}

void EnlargedChartWindow::done(int result) {
  EndVisit();
  QDialog::done(result);
}

}  // namespace sternwerk
