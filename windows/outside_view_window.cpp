#include "windows/outside_view_window.h"

#include <QPainter>
#include <system_error>

#include "platform/clipboard.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"
#include "platform/wmf_writer.h"
#include "windows/outside_view_drawing.h"

namespace sternwerk {

namespace {

const QString kTitle = QString(44, QLatin1Char(' ')) + QStringLiteral("Der Blick nach draußen ");
// A title this long already carries the instant.
constexpr int kCompleteTitleLength = 70;
// The client area of a window 800 x 260 pixels in outer size.
constexpr QSize kClientSize{792, 233};
constexpr int kButtonTop = 213;
constexpr QSize kButtonSize{55, 20};
constexpr QRect kHelpArea{40, 64, 705, 137};
constexpr int kHelpFontPixels = 10;

const QStringList kHelpLines = {
    QStringLiteral(" Auch in dieser Darstellung ist die grüne Linie die Verlängerung des "
                   "Längengrades, MC der Schnittpunkt mit der Ekliptik = Blickrichtung nach "
                   "Süden."),
    QStringLiteral(" Die linke rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie "
                   "(Ascendent) und die rechte den West-Horizont = Untergangs-Linie (Decendent). "),
    QStringLiteral(" Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, "
                   "sind sie hier auch die festen Bild- oder Darstellungs-Grenzen."),
    QString(),
    QStringLiteral(" Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im "
                   "Laufe eines Tages ihre Lage gegenüber MC  -Drehung der Erde"),
    QStringLiteral(
        " um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der Bewegung "
        "der Erde um die Sonne. "),
    QStringLiteral(" Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser "
                   "Darstellung also nicht fest in der Bildmitte, repräsentiert aber immer Süd."),
    QString(),
    QStringLiteral(" Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und "
                   "-Untergang; den Jahreszeit-Unterschied bei einem Vergleich der"),
    QStringLiteral(" relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei "
                   "Sonnenaufgang im Sommer weit von MC, im Winter sehr nah."),
};

QPushButton* Button(QWidget* parent, const QString& caption, int left) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm8::TForm8(const SkyState& sky, Messages& messages, std::filesystem::path workingDirectory,
               QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      sky_(sky),
      messages_(messages),
      file_(std::move(workingDirectory) / kOutsideViewFile) {
  setWindowTitle(kTitle);
  setFixedSize(kClientSize);
  SetColours(this, kNavyColour);

  Button3 = Button(this, QStringLiteral("&Drucken"), 288);
  Button2 = Button(this, QStringLiteral("&Hilfe"), 364);
  Button1 = Button(this, QStringLiteral("&Zurück"), 438);
  Button2->setToolTip(QStringLiteral(" Öffnet und schließt das Hilfe-Fenster "));
  Button1->setDefault(true);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(kHelpArea);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setFont(PixelFont(QStringLiteral("Arial"), kHelpFontPixels));
  SetColours(Memo1, Qt::white, Qt::black);
  Memo1->setPlainText(kHelpLines.join(QLatin1Char('\n')));
  Memo1->hide();

  connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
}

void TForm8::FormShow() {
  writeFailure_.Rearm();
}

void TForm8::Diagramm() {
  if (windowTitle().size() < kCompleteTitleLength) {
    setWindowTitle(windowTitle() + QString::fromStdString(OutsideViewTitleSuffix(sky_)));
  }
  auto view = std::make_shared<Picture>(kOutsideViewWidth, kOutsideViewHeight);
  Canvas canvas(*view);
  DrawOutsideView(sky_, canvas);
  view_ = view;
  CopyPictureToClipboard(*view_);
  const Status written = SaveWmfFile(*view_, file_.string());
  if (written.ok()) {
    fileWritten_ = true;
  } else {
    writeFailure_.Error(written.error());
  }
}

void TForm8::Button1Click() {
  close();
}

void TForm8::Button2Click() {
  Memo1->setVisible(Memo1->isHidden());
}

// Printed from the view in memory, which is what draus.wmf holds.
void TForm8::Button3Click() {
  if (!view_) Diagramm();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(PrintJobName(QStringLiteral("Draußen-Ansicht"), InstantOf(sky_)));
  if (!printerChoice->Choose(printer)) return;
  const Picture page = OutsideViewPrintPicture(view_, sky_, texts);
  const Status printed =
      PrintPicture(printer, page, QRectF(0, 0, printPageWidth, printPageWidth / 4));
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

void TForm8::FormClose() {
  if (!fileWritten_) return;
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  fileWritten_ = false;
}

void TForm8::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  FormShow();
}

void TForm8::paintEvent(QPaintEvent*) {
  Diagramm();
  QPainter painter(this);
  PaintPicture(painter, *view_);
}

void TForm8::done(int result) {
  FormClose();
  QDialog::done(result);
}

}  // namespace sternwerk
