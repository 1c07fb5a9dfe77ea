#include "windows/enlarged_chart_window.h"

#include <QPainter>
#include <array>

#include "platform/clipboard.h"
#include "platform/picture_painter.h"
#include "platform/printing.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/chart_help_window.h"
#include "windows/chart_printing.h"
#include "windows/outside_view_window.h"
#include "windows/printer_advice.h"

namespace sternwerk {

namespace {

const QString kCaption = QString(66, QLatin1Char(' ')) + QStringLiteral("Diagramm-Vergrößerung");
constexpr QPoint kScreenPosition{1, 0};
constexpr int kButtonTop = 688;
constexpr int kButtonHeight = 22;
constexpr int kButtonFontPixels = 11;
const QString kButtonFace = QStringLiteral("MS Sans Serif");

const QString kSaveHint = QStringLiteral(
    " Speichert in einem Programmlauf auch mehrere Diagramme nacheinander mit fortlaufenden "
    "Nummern als Metafile (*.WMF) ");
const QString kPrintHint = QStringLiteral(
    " Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste ");
const QString kOutsideHint =
    QStringLiteral(" Zeigt den Blick nach Süden mit MC sowie Ost- und West-Horizont ");

QPushButton* Button(QWidget* parent, const QString& caption, int left, int width) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, kButtonTop, width, kButtonHeight);
  button->setFont(PixelFont(kButtonFace, kButtonFontPixels));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm5::TForm5(const SkyState& sky, Messages& messages, std::filesystem::path workingDirectory,
               QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      sky_(sky),
      messages_(messages),
      files_(std::move(workingDirectory)) {
  setWindowTitle(kCaption);
  setFixedSize(kChartSize, kChartSize);
  move(kScreenPosition);
  SetColours(this, Qt::white);

  Button5 = Button(this, QStringLiteral("Drucker-Hilfe"), 8, 89);
  Button4 = Button(this, QStringLiteral("Draußen-&Ansicht"), 186, 105);
  Button6 = Button(this, QStringLiteral("&Hilfe"), 296, 75);
  Button3 = Button(this, QStringLiteral("&Drucken"), 376, 75);
  Button2 = Button(this, QStringLiteral("&Speichern"), 456, 75);
  Button1 = Button(this, QStringLiteral("&Zurück"), 648, 75);
  Button1->setFont(PixelFont(kButtonFace, kButtonFontPixels, true));
  Button4->setToolTip(kOutsideHint);
  Button3->setToolTip(kPrintHint);
  Button2->setToolTip(kSaveHint);

  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TForm5::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TForm5::Button6Click);
}

void TForm5::FormShow() {
  files_.BeginVisit();
  writeFailure_.Rearm();
  diagramm();
}

void TForm5::diagramm() {
  auto chart = std::make_shared<Picture>(kChartSize, kChartSize);
  Canvas canvas(*chart);
  DrawEnlargedChart(sky_, texts, canvas);
  chart_ = chart;
  CopyPictureToClipboard(*chart_);
  const Status written = files_.WriteWorkingFile(*chart_);
  if (!written.ok()) writeFailure_.Error(written.error());
}

void TForm5::Button1Click() {
  close();
}

void TForm5::Button2Click() {
  const Outcome<std::string> saved = files_.SaveCopy(*chart_);
  if (!saved.ok()) {
    messages_.Error(QString::fromStdString(saved.error()));
    return;
  }
  messages_.Information(QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  ") +
                        QString::fromStdString(saved.value()) +
                        QStringLiteral("  im aktuellen Verzeichnis."));
}

void TForm5::Button3Click() {
  QPrinter printer(QPrinter::HighResolution);
  if (!printerChoice->Choose(printer)) return;
  if (printer.outputFormat() == QPrinter::NativeFormat) chosenPrinter_ = printer.printerName();
  const Status printed = PrintChart(printer, chart_, sky_, texts, printPageWidth);
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

void TForm5::Button4Click() {
  const QString title = outsideView->windowTitle();
  const std::array<QPushButton*, 5> heldBack = {Button1, Button2, Button3, Button4, Button6};
  for (QPushButton* button : heldBack) button->setEnabled(false);
  outsideView->texts = texts;
  outsideView->printPageWidth = printPageWidth;
  outsideView->exec();
  outsideView->setWindowTitle(title);
  for (QPushButton* button : heldBack) button->setEnabled(true);
}

void TForm5::Button5Click() {
  // The printer chosen last in this window, else the default one, at the
  // resolution CUPS reports; the start's page width without a printer.
  const PrinterAdviceText advice =
      PrinterAdvice(PrinterPageWidth(chosenPrinter_).value_or(printPageWidth));
  messages_.Plain(FromWindows1252(advice.title), FromWindows1252(advice.text));
}

void TForm5::Button6Click() {
  help->exec();
}

void TForm5::FormClose() {
  if (chart_) files_.EndVisit(*chart_);
}

void TForm5::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TForm5::paintEvent(QPaintEvent*) {
  diagramm();
  QPainter painter(this);
  PaintPicture(painter, *chart_);
}

void TForm5::done(int result) {
  FormClose();
  QDialog::done(result);
}

}  // namespace sternwerk
