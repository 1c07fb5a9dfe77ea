#include "dial/factor_choice_dialog.h"

#include <QKeyEvent>
#include <QScreen>
#include <QValidator>

#include "dial/factor_code.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 218;  // 226 x 306 with the window frame
constexpr int kClientHeight = 279;
constexpr int kCodeLength = 2;
constexpr QChar kEscape(27);
const QColor kSilver(192, 192, 192);

constexpr const char* kInstructions[] = {
    " Geben Sie hier die Abkürzung des",   " gewünschten Faktors ein.",
    " Sie dürfen Kleinbuchstaben für die", " Eingabe verwenden.",
    " Betätigen von Enter / Return ist",   " nicht erforderlich: das Programm",
    " prüft nach zwei Buchstaben die",     " Gültigkeit und schaltet, wenn die",
    " Abkürzung korrekt ist, sofort auf",  " das Hauptbild zurück.",
    " Haben Sie diesen Eingabedialog",     " versehentlich geöffnet, schließen",
    " Sie ihn mit der Taste ´ESC´. "};

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

TForm6::TForm6(SkyState& sky, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sky_(sky),
      messages_(messages) {
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);

  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(16, 224, 36, 28);
  Edit1->setMaxLength(kCodeLength);
  Edit1->setValidator(new CapitalLetters(Edit1));
  Edit1->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
  SetColours(Edit1, Qt::white, kNavyColour);
  Edit1->installEventFilter(this);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(2, 1, 214, 216);
  Memo1->setFont(PixelFont(QStringLiteral("Arial"), 13));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->document()->setDocumentMargin(1);
  for (const char* line : kInstructions) Memo1->appendPlainText(QString::fromUtf8(line));
  Memo1->moveCursor(QTextCursor::Start);
  setTabOrder(Edit1, Memo1);

  Label1 = new QLabel(this);
  Label1->move(64, 230);
  Label2 = new QLabel(QStringLiteral(" ESC "), this);
  Label2->move(1, 264);
  Label2->setAutoFillBackground(true);
  SetColours(Label2, kSilver);
  Label2->adjustSize();

  connect(Edit1, &QLineEdit::textChanged, this, &TForm6::Edit1Change);
}

void TForm6::FormActivate() {
  Edit1->blockSignals(true);
  Edit1->clear();
  Edit1->blockSignals(false);
  answer.clear();
  Label1->setText(FromUtf8(FactorRangeHint(sky_.transplutonian)));
  Label1->adjustSize();
  Edit1->setFocus();
}

void TForm6::Edit1KeyPress(QChar key) {
  if (key == kEscape) Edit1->setText(FromUtf8(kCancelCode));
}

void TForm6::Edit1Change(const QString& text) {
  const FactorCodeCheck check = CheckFactorCode(text.toStdString(), sky_.transplutonian);
  switch (check.verdict) {
    case FactorCodeVerdict::kIncomplete:
      return;
    case FactorCodeVerdict::kCancelled:
      reject();
      return;
    case FactorCodeVerdict::kRefused:
      messages_.Error(QString::fromStdString(check.message));
      Edit1->selectAll();  // the next keys retype the code
      return;
    case FactorCodeVerdict::kChosen:
      sky_.selectedFactor = static_cast<std::uint8_t>(check.factor);
      accept();
      return;
  }
}

void TForm6::reject() {
  answer = FromUtf8(kCancelCode);
  QDialog::reject();
}

void TForm6::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  FormActivate();
}

void TForm6::keyPressEvent(QKeyEvent* event) {
  // ESC cancels only from the field; elsewhere the key does nothing.
  if (event->key() == Qt::Key_Escape) return event->accept();
  QDialog::keyPressEvent(event);
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      Edit1KeyPress(kEscape);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sternwerk
