#include "windows/outside_view_window.h"

#include <QPainter>
#include <system_error>

#include "charts/chart_export.h"
#include "charts/outside_view_drawing.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"
#include "platform/wmf_writer.h"
#include "windows/help_texts.h"

namespace sternwerk {

namespace {

constexpr int kTitleIndent = 44;
constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("sternwerk::OutsideViewWindow", "Der Blick nach draußen ");
// A title this long already carries the instant.
constexpr int kCompleteTitleLength = 70;
// The client area of a window 800 x 260 pixels in outer size.
constexpr QSize kClientSize{792, 233};
constexpr int kButtonTop = 213;
constexpr QSize kButtonSize{55, 20};
// Down to the buttons, and high enough for every line of the help.
constexpr QRect kHelpArea{40, 4, 705, 205};
constexpr int kHelpFontPixels = 10;
// The file dialog's suggestion; %1 is the place and the instant.
constexpr const char* kExportName =
    QT_TRANSLATE_NOOP("sternwerk::OutsideViewWindow", "%1 draussen.png");

constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    " Auch in dieser Darstellung ist die grüne Linie die Verlängerung des Längengrades, MC der "
    "Schnittpunkt mit der Ekliptik = Blickrichtung nach Süden.\n"
    " Die linke rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie (Ascendent) und die rechte "
    "den West-Horizont = Untergangs-Linie (Decendent). \n"
    " Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, sind sie hier "
    "auch die festen Bild- oder Darstellungs-Grenzen.\n"
    "\n"
    " Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im Laufe eines "
    "Tages ihre Lage gegenüber MC  -Drehung der Erde\n"
    " um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der Bewegung der Erde um "
    "die Sonne. \n"
    " Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser Darstellung also "
    "nicht fest in der Bildmitte, repräsentiert aber immer Süd.\n"
    "\n"
    " Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und -Untergang; den "
    "Jahreszeit-Unterschied bei einem Vergleich der\n"
    " relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei Sonnenaufgang im "
    "Sommer weit von MC, im Winter sehr nah.\n"
    "\n"
    " Die Gradmarken: Von links nach rechts ist die Länge in der Ekliptik aufgetragen, 4 "
    "Bildpunkte je Grad; die kurzen roten Striche oben stehen alle 10° ab AS (10° bis 170°), der "
    "West-Horizont DE bei 180°.\n"
    " Die grüne Zahl über Sonne und Mond ist ihr Abstand von MC in Grad (0° bis 180°, gleich auf "
    "welcher Seite); unten links steht der Abstand von MC zum Ost-Horizont, unten rechts zum "
    "West-Horizont.\n"
    " Mit 22 Faktoren zeigt die Skala ganz unten die Zeichengrenzen (hellblaue Striche alle 30°) "
    "und das Zeichen jedes Abschnitts.");
// The same for the view facing north, where the MC stands north of the
// zenith.
constexpr const char* kHelpFacingNorth = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    " Auch in dieser Darstellung ist die grüne Linie die Verlängerung des Längengrades, MC der "
    "Schnittpunkt mit der Ekliptik = Blickrichtung nach Norden.\n"
    " Die rechte rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie (Ascendent) und die linke "
    "den West-Horizont = Untergangs-Linie (Decendent). \n"
    " Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, sind sie hier "
    "auch die festen Bild- oder Darstellungs-Grenzen.\n"
    "\n"
    " Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im Laufe eines "
    "Tages ihre Lage gegenüber MC  -Drehung der Erde\n"
    " um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der Bewegung der Erde um "
    "die Sonne. \n"
    " Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser Darstellung also "
    "nicht fest in der Bildmitte, repräsentiert aber hier Nord.\n"
    "\n"
    " Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und -Untergang; den "
    "Jahreszeit-Unterschied bei einem Vergleich der\n"
    " relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei Sonnenaufgang im "
    "Sommer weit von MC, im Winter sehr nah.\n"
    "\n"
    " Die Gradmarken: Von rechts nach links ist die Länge in der Ekliptik aufgetragen, 4 "
    "Bildpunkte je Grad; die kurzen roten Striche oben stehen alle 10° ab AS (10° bis 170°), der "
    "West-Horizont DE bei 180°.\n"
    " Die grüne Zahl über Sonne und Mond ist ihr Abstand von MC in Grad (0° bis 180°, gleich auf "
    "welcher Seite); unten rechts steht der Abstand von MC zum Ost-Horizont, unten links zum "
    "West-Horizont.\n"
    " Mit 22 Faktoren zeigt die Skala ganz unten die Zeichengrenzen (hellblaue Striche alle 30°) "
    "und das Zeichen jedes Abschnitts.");

}  // namespace

OutsideViewWindow::OutsideViewWindow(const SkyState& sky, const DisplayOptions& display,
                                     Messages& messages, std::filesystem::path workingDirectory,
                                     QWidget* parent)
    : SkyPictureWindow(sky, display, messages, parent),
      file_(std::move(workingDirectory) / kOutsideViewFile) {
  setWindowTitle(QString(kTitleIndent, QLatin1Char(' ')) + tr(kTitle));
  setFixedSize(kClientSize);
  SetColours(this, kNavy);

  exportButton = MakeButton(this, tr("&Exportieren …"),
                            {QPoint(188, kButtonTop), QSize(95, kButtonSize.height())});
  printButton = MakeButton(this, tr("&Drucken"), {QPoint(288, kButtonTop), kButtonSize});
  helpButton = MakeButton(this, tr("&Hilfe"), {QPoint(364, kButtonTop), kButtonSize});
  backButton = MakeButton(this, tr("&Zurück"), {QPoint(438, kButtonTop), kButtonSize});
  for (QPushButton* button : {exportButton, printButton, helpButton, backButton}) {
    button->setAutoDefault(false);
  }
  helpButton->setToolTip(tr(" Öffnet und schließt das Hilfe-Fenster "));
  exportButton->setToolTip(
      tr(" Speichert die Ansicht unter einem frei gewählten Namen als PNG, SVG, PDF oder WMF "));
  backButton->setDefault(true);

  helpText = MakeTextBox(this, kHelpArea, {.linesAsWritten = false});
  helpText->setFocusPolicy(Qt::NoFocus);
  helpText->setFont(PixelFont(kArialFace, kHelpFontPixels));
  SetColours(helpText, kWhite, kBlack);
  ShowHelpFacing(MeridianDirectionOf(sky_));
  helpText->hide();

  connect(backButton, &QPushButton::clicked, this, &OutsideViewWindow::Back);
  connect(helpButton, &QPushButton::clicked, this, &OutsideViewWindow::ToggleHelp);
  connect(printButton, &QPushButton::clicked, this, &OutsideViewWindow::Print);
  connect(exportButton, &QPushButton::clicked, this, &OutsideViewWindow::Export);
}

void OutsideViewWindow::BeginVisit() {
  writeFailure_.Rearm();
}

void OutsideViewWindow::UpdateView() {
  if (windowTitle().size() < kCompleteTitleLength) {
    setWindowTitle(windowTitle() + QString::fromStdString(OutsideViewTitleSuffix(sky_)));
  }
  auto view = std::make_shared<Picture>(kOutsideViewWidth, kOutsideViewHeight);
  Canvas canvas(*view);
  DrawOutsideView(sky_, display_, canvas);
  ShowHelpFacing(MeridianDirectionOf(sky_));
  view_ = view;
  if (Publish(*view_, [this] { return SaveWmfFile(*view_, file_.string()); }).ok()) {
    fileWritten_ = true;
  }
}

void OutsideViewWindow::ShowHelpFacing(MeridianDirection meridian) {
  if (helpFacing_ == meridian) return;
  helpFacing_ = meridian;
  const char* help = meridian == MeridianDirection::kNorth ? kHelpFacingNorth : kHelp;
  helpText->setPlainText(HelpLines(help).join(QLatin1Char('\n')));
}

void OutsideViewWindow::Back() {
  close();
}

void OutsideViewWindow::ToggleHelp() {
  helpText->setVisible(helpText->isHidden());
}

// Printed from the view in memory, which is what draus.wmf holds.
void OutsideViewWindow::Print() {
  if (!view_) UpdateView();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(PrintJobName(tr("Draußen-Ansicht"), InstantOf(sky_)));
  PrintOnChosenPrinter(printer, [this](QPrinter& chosen) {
    const int width = PrintableWidth(chosen);
    return PrintPicture(chosen, OutsideViewPrintPicture(view_, sky_, handOver.texts),
                        QRectF(0, 0, width, width / 4));
  });
}

void OutsideViewWindow::Export() {
  if (!view_) UpdateView();
  const std::string name = tr(kExportName).arg(QString::fromStdString(ExportStem())).toStdString();
  ExportTo(std::filesystem::absolute(file_.parent_path()) / name,
           [this](const std::string& path) { return SaveOutsideViewFile(*view_, path); });
}

void OutsideViewWindow::EndVisit() {
  if (!fileWritten_) return;
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  fileWritten_ = false;
}

void OutsideViewWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  BeginVisit();
}

void OutsideViewWindow::paintEvent(QPaintEvent*) {
  UpdateView();
  QPainter painter(this);
  PaintPicture(painter, *view_);
}

void OutsideViewWindow::done(int result) {
  EndVisit();
  QDialog::done(result);
}

}  // namespace sternwerk
