#include "clock/interval_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScreen>

#include "clock/interval_texts.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 305;
constexpr int kClientHeight = 348;
constexpr int kMinutesLength = 6;
constexpr int kButtonTop = 304;
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QColor kSilver(192, 192, 192);

QLabel* Label(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TForm2::TForm2(SkyState& sky, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sky_(sky),
      messages_(messages) {
  setWindowTitle(QStringLiteral("                Die Schrittweite pro Takt"));
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);
  setAutoFillBackground(true);
  setFont(PointFont(kSansSerif, 8));

  Edit1 = new QLineEdit(this);  // created first: first in the tab order
  Edit1->setGeometry(240, kButtonTop, 57, 24);
  Edit1->setMaxLength(kMinutesLength);
  Edit1->setFont(PixelFont(kSansSerif, 13, true));
  SetColours(Edit1, kSilver, kNavyColour);
  Edit1->installEventFilter(this);
  connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.size() == kMinutesLength) EnterEdit1();
  });

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 8, 289, 289);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Arial 8 point is 10.7 pixels; 10 pixels keep the longest lines whole.
  Memo1->setFont(PixelFont(QStringLiteral("Arial"), 10));
  Memo1->document()->setDocumentMargin(2);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(Memo1, kCream);
  QStringList lines;
  for (const char* line : interval_texts::kExplanationLines) lines << QString::fromUtf8(line);
  Memo1->setPlainText(lines.join('\n'));

  Button1 = StepButton(QStringLiteral("1 Tag"), 8, StepMode::kDay);
  Button2 = StepButton(QStringLiteral("7 Tage"), 64, StepMode::kWeek);
  Button3 = StepButton(QStringLiteral("30 Tage"), 120, StepMode::kMonth);
  Button4 = StepButton(QStringLiteral("1 Jahr"), 176, StepMode::kYear);

  Label2 = Label(this, QStringLiteral("Minuten"), 240, 328);
  Label1 = Label(this, QStringLiteral("  ESC  "), 2, 333);
  Label1->setAutoFillBackground(true);
  SetColours(Label1, kSilver);
}

QPushButton* TForm2::StepButton(const QString& caption, int left, StepMode mode) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(left, kButtonTop, 49, 25);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, mode] {
    SetStepMode(sky_, mode);
    accept();
  });
  return button;
}

void TForm2::FormActivate() {
  open_ = true;
  Edit1->selectAll();
  Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (screen() != nullptr) move(screen()->availableGeometry().center() - rect().center());
  FormActivate();
}

void TForm2::done(int result) {
  open_ = false;
  QDialog::done(result);
}

bool TForm2::ApplyEdit1() {
  if (!open_) return true;
  const std::optional<double> minutes = ReadIntervalMinutes(Edit1->text().toStdString());
  if (!minutes) {
    Edit1->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (*minutes <= 0) return false;
  sky_.intervalMinutes = *minutes;
  SetStepMode(sky_, StepMode::kMinutes);
  open_ = false;
  Memo1->setFocus(Qt::OtherFocusReason);
  accept();
  return true;
}

void TForm2::EnterEdit1() {
  if (ApplyEdit1()) return;
  messages_.Error(QString::fromUtf8(interval_texts::kMinutesRefused));
  Edit1->setFocus(Qt::OtherFocusReason);
  Edit1->selectAll();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EnterEdit1();
      return true;
    }
  }
  if (watched == Edit1 && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) ApplyEdit1();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sternwerk
