#include "windows/help_window.h"

#include <QDateTime>
#include <QPainter>
#include <QPixmap>

#include "platform/text_print_stream.h"
#include "platform/ui_style.h"

namespace sternwerk {

namespace {

constexpr int kIconSize = 32;

// A cream mark on maroon, the help windows' own window icon.
QIcon HelpIcon(QChar mark) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(kMaroon);
  QPainter painter(&pixmap);
  painter.setPen(kCream);
  painter.setFont(PixelFont(QStringLiteral("Arial"), kIconSize - 6, true));
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
  Button2 = new QPushButton(QStringLiteral("&Drucken"), this);
  Button1 = new QPushButton(QStringLiteral("&Zurück"), this);
  for (QPushButton* button : {Button2, Button1}) button->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &HelpWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &HelpWindow::Button2Click);
}

QPlainTextEdit* HelpWindow::Memo(const QRect& area, const QColor& background, const QColor& text,
                                 const QFont& font, const QStringList& lines, bool focusable) {
  auto* memo = new QPlainTextEdit(this);
  memo->setGeometry(area);
  memo->setReadOnly(true);
  memo->setFont(font);
  SetColours(memo, background, text);
  memo->setPlainText(lines.join(QLatin1Char('\n')));
  memo->setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
  return memo;
}

void HelpWindow::PlaceButtons(const QRect& print, const QRect& back, const QFont& font) {
  Button2->setGeometry(print);
  Button1->setGeometry(back);
  Button2->setFont(font);
  QFont bold = font;
  bold.setBold(true);
  Button1->setFont(bold);
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

void HelpWindow::Button1Click() {
  close();
}

void HelpWindow::Button2Click() {
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
