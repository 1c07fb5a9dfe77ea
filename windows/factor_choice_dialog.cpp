#include "windows/factor_choice_dialog.h"

#include <QKeyEvent>
#include <QScreen>
#include <QValidator>

#include "clock/search_texts.h"
#include "engine/factor_code.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 218;  // 226 x 306 with the window frame
constexpr int kClientHeight = 279;
constexpr int kCodeLength = 2;
constexpr QChar kEscape(27);

constexpr const char* kInstructions[] = {
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Geben Sie hier die Abkürzung des"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " gewünschten Faktors ein."),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Sie dürfen Kleinbuchstaben für die"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Eingabe verwenden."),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Betätigen von Enter / Return ist"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " nicht erforderlich: das Programm"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " prüft nach zwei Buchstaben die"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Gültigkeit und schaltet, wenn die"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Abkürzung korrekt ist, sofort auf"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " das Hauptbild zurück."),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Haben Sie diesen Eingabedialog"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " versehentlich geöffnet, schließen"),
    QT_TRANSLATE_NOOP("sternwerk::FactorChoiceDialog", " Sie ihn mit der Taste ´ESC´. ")};

// Turns letters into capitals as they are typed or pasted.
class CapitalLetters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FactorChoiceDialog::FactorChoiceDialog(const SearchState& search, const DisplayOptions& display,
                                       Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      search_(search),
      display_(display),
      messages_(messages) {
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);

  codeEdit = new QLineEdit(this);
  codeEdit->setGeometry(16, 224, 36, 28);
  codeEdit->setMaxLength(kCodeLength);
  codeEdit->setValidator(new CapitalLetters(codeEdit));
  codeEdit->setFont(PixelFont(kSansSerifFace, 16, true));
  SetColours(codeEdit, kWhite, kNavy);
  codeEdit->installEventFilter(this);

  instructions = MakeTextBox(this, {2, 1, 214, 216}, {.readOnly = false});
  instructions->setFont(PixelFont(kArialFace, 13));
  instructions->document()->setDocumentMargin(1);
  for (const char* line : kInstructions) instructions->appendPlainText(tr(line));
  instructions->moveCursor(QTextCursor::Start);
  setTabOrder(codeEdit, instructions);

  rangeLabel = new QLabel(this);
  rangeLabel->move(64, 230);
  escLabel = new QLabel(QStringLiteral(" ESC "), this);
  escLabel->move(1, 264);
  escLabel->setAutoFillBackground(true);
  SetColours(escLabel, kSilver);
  escLabel->adjustSize();

  connect(codeEdit, &QLineEdit::textChanged, this, &FactorChoiceDialog::CheckCode);
}

void FactorChoiceDialog::SetSearchedEvent(EventKind kind) {
  searched_ = kind;
  setWindowTitle(QString::fromStdString(FactorDialogTitle(kind)));
}

void FactorChoiceDialog::BeginEntry() {
  codeEdit->blockSignals(true);
  codeEdit->clear();
  codeEdit->blockSignals(false);
  choice_.reset();
  rangeLabel->setText(FromUtf8(FactorRangeHint(display_.transplutonian)));
  rangeLabel->adjustSize();
  codeEdit->setFocus();
}

void FactorChoiceDialog::CancelOnEscape(QChar key) {
  if (key == kEscape) codeEdit->setText(FromUtf8(kCancelCode));
}

void FactorChoiceDialog::CheckCode(const QString& text) {
  const FactorCodeCheck check =
      CheckFactorCode(text.toStdString(), display_.transplutonian, search_.atHorizon, searched_);
  switch (check.verdict) {
    case FactorCodeVerdict::kIncomplete:
      return;
    case FactorCodeVerdict::kCancelled:
      reject();
      return;
    case FactorCodeVerdict::kRefused:
      messages_.Error(QString::fromStdString(check.message));
      codeEdit->selectAll();  // the next keys retype the code
      return;
    case FactorCodeVerdict::kChosen:
      choice_ = FactorChoice{static_cast<std::uint8_t>(check.factor)};
      accept();
      return;
  }
}

void FactorChoiceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  BeginEntry();
}

void FactorChoiceDialog::keyPressEvent(QKeyEvent* event) {
  // ESC cancels only from the field; elsewhere the key does nothing.
  if (event->key() == Qt::Key_Escape) return event->accept();
  QDialog::keyPressEvent(event);
}

bool FactorChoiceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == codeEdit && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      CancelOnEscape(kEscape);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sternwerk
