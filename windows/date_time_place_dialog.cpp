#include "windows/date_time_place_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScreen>

#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/date_time_place_texts.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 282;
constexpr int kClientHeight = 447;
constexpr int kFieldHeight = 24;
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QColor kSilver(192, 192, 192);

struct FieldPlace {
  int left;
  int top;
  int width;
};

constexpr std::array<FieldPlace, kDateFieldCount> kFieldPlaces = {{
    {56, 355, 25},
    {80, 355, 25},
    {104, 355, 41},
    {168, 355, 25},
    {192, 355, 25},
    {56, 404, 17},
    {72, 404, 35},
    {106, 404, 25},
    {168, 404, 17},
    {184, 404, 25},
    {208, 404, 25},
}};

QLabel* Label(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

// Focus changes that only follow the window being deactivated or reactivated
// (by a message box, for example) are no moves of the user.
bool MovedByUser(const QFocusEvent& event) {
  return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

}  // namespace

TForm3::TForm3(SkyState& sky, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      logic_(sky, [&messages](std::string_view message) {
        messages.Error(QString::fromUtf8(message.data(), static_cast<int>(message.size())));
      }) {
  setWindowTitle(QStringLiteral("                    Datum / Zeit / Ort "));
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);
  setAutoFillBackground(true);
  setFont(PixelFont(kSansSerif, 11));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(4, 3, 275, 346);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::StrongFocus);
  Memo1->setTabChangesFocus(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(Memo1, kCream);
  // Arial's narrower, smaller letters let all 27 lines show at once.
  Memo1->setFont(PixelFont(QStringLiteral("Arial"), 10));
  Memo1->document()->setDocumentMargin(2);
  QStringList help;
  for (const char* line : date_time_place_texts::kHelpLines) help << QString::fromUtf8(line);
  Memo1->setPlainText(help.join('\n'));

  CreateLabels();
  CreateFields();
  Memo1->installEventFilter(this);
}

void TForm3::CreateFields() {
  const QFont fieldFont = PixelFont(kSansSerif, 13, true);
  for (int index = 0; index < kDateFieldCount; ++index) {
    const FieldPlace place = kFieldPlaces[index];
    auto* edit = new QLineEdit(this);
    edit->setGeometry(place.left, place.top, place.width, kFieldHeight);
    edit->setMaxLength(MaxLength(static_cast<DateField>(index)));
    edit->setFont(fieldFont);
    edit->setTextMargins(0, 0, 0, 0);
    SetColours(edit, kSilver, kNavyColour);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
      const DateField typed = logic_.Focus();
      logic_.Type(text.toLatin1().toStdString());
      if (text.size() >= edit->maxLength()) FollowLogicAfterLeaving(typed);
    });
    edits_[index] = edit;
  }
  Edit1 = edits_[0];
  Edit2 = edits_[1];
  Edit3 = edits_[2];
  Edit4 = edits_[3];
  Edit5 = edits_[4];
  Edit6 = edits_[5];
  Edit7 = edits_[6];
  Edit8 = edits_[7];
  Edit9 = edits_[8];
  Edit10 = edits_[9];
  Edit11 = edits_[10];
  for (int index = 1; index < kDateFieldCount; ++index) {
    setTabOrder(edits_[index - 1], edits_[index]);
  }
  setTabOrder(Edit11, Memo1);
}

void TForm3::CreateLabels() {
  const QFont labelFont = PixelFont(kSansSerif, 13);
  Label1 = Label(this, QStringLiteral("Datum"), 56, 379);
  Label2 = Label(this, QStringLiteral("WZ/GMT"), 168, 379);
  Label4 = Label(this, QStringLiteral("Länge"), 56, 428);
  Label5 = Label(this, QStringLiteral("Breite"), 168, 428);
  for (QLabel* label : {Label1, Label2, Label4, Label5}) {
    label->setFont(labelFont);
    label->adjustSize();
  }
  Label3 = Label(this, QStringLiteral("  ESC  "), 2, 432);
  Label3->setAutoFillBackground(true);
  SetColours(Label3, kSilver);
  Label3->installEventFilter(this);
}

void TForm3::FormActivate() {
  logic_.Activate();
  for (int index = 0; index < kDateFieldCount; ++index) {
    edits_[index]->setText(FromWindows1252(logic_.Text(static_cast<DateField>(index))));
  }
  Edit1->setFocus(Qt::OtherFocusReason);
  Edit1->selectAll();
  selectDayOnFocus_ = true;
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (screen() != nullptr) move(screen()->availableGeometry().center() - rect().center());
  FormActivate();
}

QWidget* TForm3::Widget(DateField field) const {
  return field == DateField::kMemo ? static_cast<QWidget*>(Memo1) : edits_[static_cast<int>(field)];
}

bool TForm3::FollowLogic() {
  if (logic_.Closed()) {
    if (isVisible()) accept();
    return false;
  }
  QWidget* target = Widget(logic_.Focus());
  if (target->hasFocus()) return false;
  target->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
  return true;
}

void TForm3::FollowLogicAfterLeaving(DateField left) {
  if (FollowLogic() || logic_.Closed() || logic_.Focus() != left) return;
  // The field's own check kept the focus in it: its text is selected for
  // the correction, as when the focus comes back to a field.
  edits_[static_cast<int>(left)]->selectAll();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched == Edit1 && selectDayOnFocus_ &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
    // The day's text selected at the opening may be lost while the window
    // is being activated; it is selected again when the focus arrives.
    selectDayOnFocus_ = false;
    Edit1->selectAll();
  }
  if (event->type() == QEvent::FocusIn && MovedByUser(*static_cast<QFocusEvent*>(event))) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->selectAll();
    for (int index = 0; index <= kDateFieldCount; ++index) {
      const auto field = static_cast<DateField>(index);
      if (Widget(field) != watched || logic_.Focus() == field) continue;
      logic_.MoveFocus(field);
      // The logic may have turned the focus elsewhere: this widget does not
      // keep it then, so its own focus handling is skipped.
      return FollowLogic() || logic_.Closed();
    }
  }
  if (event->type() == QEvent::MouseButtonPress && watched == Label3) {
    Escape();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      Escape();
      return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched != Memo1) {
      const DateField left = logic_.Focus();
      logic_.PressEnter();
      FollowLogicAfterLeaving(left);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return Escape();
  QDialog::keyPressEvent(event);
}

void TForm3::Escape() {
  logic_.PressEscape();
  FollowLogic();
}

}  // namespace sternwerk
