#include "windows/help_window.h"

#include <QDateTime>
#include <QPainter>
#include <QPixmap>

#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/text_print_stream.h"
#include "platform/ui_style.h"

namespace sternwerk {

namespace {

constexpr int kIconSize = 32;

// A cream mark on maroon, the help windows' own window icon.
QIcon HelpIcon(QChar mark) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(ToQColor(kMaroon));
  QPainter painter(&pixmap);
  painter.setPen(ToQColor(kCream));
  painter.setFont(PixelFont(kArialFace, kIconSize - 6, true));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(mark));
  return QIcon(pixmap);
}

}  // namespace

HelpWindow::HelpWindow(Messages& messages, QSize clientSize, QChar iconMark, QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      messages_(messages) {
  setFixedSize(clientSize);
  setWindowIcon(HelpIcon(iconMark));
  SetColours(this, kMaroon);
  printButton = new QPushButton(tr("&Drucken"), this);
  backButton = new QPushButton(tr("&Zurück"), this);
  for (QPushButton* button : {printButton, backButton}) button->setAutoDefault(false);
  connect(backButton, &QPushButton::clicked, this, &HelpWindow::Back);
  connect(printButton, &QPushButton::clicked, this, &HelpWindow::Print);
}

QPlainTextEdit* HelpWindow::TextBox(const QRect& area, Rgb background, Rgb text, const QFont& font,
                                    const QStringList& lines, bool focusable) {
  QPlainTextEdit* box = MakeTextBox(this, area, {.linesAsWritten = false});
  box->setFont(font);
  SetColours(box, background, text);
  box->setPlainText(lines.join(QLatin1Char('\n')));
  box->setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
  return box;
}

void HelpWindow::PlaceButtons(const QRect& print, const QRect& back, const QFont& font) {
  printButton->setGeometry(print);
  backButton->setGeometry(back);
  printButton->setFont(font);
  QFont bold = font;
  bold.setBold(true);
  backButton->setFont(bold);
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

void HelpWindow::Back() {
  close();
}

void HelpWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(PrintJobName(
      windowTitle().trimmed(),
      QDateTime::currentDateTimeUtc().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))));
  if (!printerChoice->Choose(printer)) return;
  TextPrintStream stream(printer);
  for (const QString& line : PrintLines()) stream.WriteLine(line);
  const Status printed = stream.Close();
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

}  // namespace sternwerk
