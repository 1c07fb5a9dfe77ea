#include "windows/interval_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScreen>

#include "clock/interval_choice.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/ui_style.h"
#include "windows/help_texts.h"
#include "windows/interval_texts.h"

namespace sternwerk {
namespace {

constexpr int kTitleIndent = 16;
constexpr int kClientWidth = 305;
constexpr int kClientHeight = 348;
constexpr int kMinutesLength = 6;
constexpr int kButtonTop = 304;
// Right of the ESC label, left of the minutes' unit.
constexpr QRect kStepLabelPlace{44, 333, 190, 13};
const QString kSansSerif = kSansSerifFace;

}  // namespace

IntervalDialog::IntervalDialog(const ClockSettings& clock, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      clock_(clock),
      messages_(messages) {
  setWindowTitle(QString(kTitleIndent, QLatin1Char(' ')) + tr("Die Schrittweite pro Takt"));
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);
  setAutoFillBackground(true);
  setFont(PointFont(kSansSerif, 8));

  minutesEdit = new QLineEdit(this);  // created first: first in the tab order
  minutesEdit->setGeometry(240, kButtonTop, 57, 24);
  minutesEdit->setMaxLength(kMinutesLength);
  minutesEdit->setFont(PixelFont(kSansSerif, 13, true));
  SetColours(minutesEdit, kSilver, kNavy);
  minutesEdit->installEventFilter(this);
  connect(minutesEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.size() == kMinutesLength) EnterMinutes();
  });

  explanation = MakeTextBox(this, {8, 8, 289, 289});
  // Arial 8 point is 10.7 pixels; 10 pixels keep the longest lines whole.
  explanation->setFont(PixelFont(kArialFace, 10));
  explanation->document()->setDocumentMargin(2);
  SetColours(explanation, kCream);
  explanation->setPlainText(HelpLines(interval_texts::kExplanation).join('\n'));

  dayButton = StepButton(tr("1 Tag"), 8, StepMode::kDay);
  weekButton = StepButton(tr("7 Tage"), 64, StepMode::kWeek);
  monthButton = StepButton(tr("30 Tage"), 120, StepMode::kMonth);
  yearButton = StepButton(tr("1 Jahr"), 176, StepMode::kYear);

  minutesLabel = MakeLabel(this, tr("Minuten"), QPoint(240, 328));
  escLabel = MakeLabel(this, QStringLiteral("  ESC  "), QPoint(2, 333));
  escLabel->setAutoFillBackground(true);
  SetColours(escLabel, kSilver);
  stepLabel = MakeLabel(this, QString(), kStepLabelPlace);
}

QPushButton* IntervalDialog::StepButton(const QString& caption, int left, StepMode mode) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(left, kButtonTop, 49, 25);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, mode] {
    choice_ = StepChoice{.mode = mode};
    accept();
  });
  return button;
}

void IntervalDialog::BeginEntry() {
  open_ = true;
  choice_.reset();
  stepLabel->setText(tr("Jetzt: %1 pro Takt").arg(QString::fromStdString(StepLengthText(clock_))));
  minutesEdit->clear();
  minutesEdit->setFocus(Qt::OtherFocusReason);
}

void IntervalDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (screen() != nullptr) move(screen()->availableGeometry().center() - rect().center());
  BeginEntry();
}

void IntervalDialog::done(int result) {
  open_ = false;
  QDialog::done(result);
}

bool IntervalDialog::ApplyMinutes() {
  if (!open_) return true;
  if (minutesEdit->text().trimmed().isEmpty()) return false;
  const Outcome<double> minutes = ReadIntervalMinutes(minutesEdit->text().toStdString());
  if (!minutes.ok()) {
    minutesEdit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (minutes.value() <= 0) return false;
  choice_ = StepChoice{.mode = StepMode::kMinutes, .minutes = minutes.value()};
  open_ = false;
  explanation->setFocus(Qt::OtherFocusReason);
  accept();
  return true;
}

void IntervalDialog::EnterMinutes() {
  if (ApplyMinutes()) return;
  messages_.Error(tr(interval_texts::kMinutesRefused));
  minutesEdit->setFocus(Qt::OtherFocusReason);
  minutesEdit->selectAll();
}

bool IntervalDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == minutesEdit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EnterMinutes();
      return true;
    }
  }
  if (watched == minutesEdit && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) ApplyMinutes();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sternwerk
