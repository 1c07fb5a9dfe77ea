#include "windows/date_time_place_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

#include "places/qt/civil_time.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/date_time_place_texts.h"
#include "windows/help_texts.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 282;
// The fields' part of the window, then the rows of the local time, the place
// and the search button below it.
constexpr int kClientHeight = 538;
constexpr int kFieldHeight = 24;
const QString kSansSerif = kSansSerifFace;
const QRect kHelpTextPlace(4, 3, 275, 346);
constexpr int kTitleIndent = 20;
constexpr const char* kUniversalTimeLabel =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceDialog", "WZ/GMT");
constexpr const char* kLocalTimeLabel =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceDialog", "Ortszeit");

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

// Focus changes that only follow the window being deactivated or reactivated
// (by a message box, for example) are no moves of the user.
bool MovedByUser(const QFocusEvent& event) {
  return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const PlaceAtlas& NoPlaces() {
  static const PlaceAtlas atlas({});
  return atlas;
}

}  // namespace

DateTimePlaceDialog::DateTimePlaceDialog(SkyState& sky, Messages& messages, QWidget* parent)
    : DateTimePlaceDialog(sky, messages, NoPlaces(), {}, parent) {}

DateTimePlaceDialog::DateTimePlaceDialog(SkyState& sky, Messages& messages, const PlaceAtlas& atlas,
                                         std::string germanNamesMissing, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sky_(sky),
      logic_(
          sky, [&messages](std::string_view message) { messages.Error(FromUtf8(message)); },
          PlaceServices{.atlas = &atlas,
                        .rules = SystemPlaceTimeRules(),
                        .ask = [&messages](std::string_view question) {
                          return messages.Confirm(FromUtf8(question));
                        }}) {
  setWindowTitle(QString(kTitleIndent, QLatin1Char(' ')) + tr("Datum / Zeit / Ort "));
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kYellow);
  setAutoFillBackground(true);
  setFont(PixelFont(kSansSerif, 11));

  helpText = MakeTextBox(this, kHelpTextPlace);
  // The first paragraphs show at once; the rest is scrolled to.
  helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  helpText->setFocusPolicy(Qt::StrongFocus);
  helpText->setTabChangesFocus(true);
  SetColours(helpText, kCream);
  // Arial's narrower, smaller letters let all 27 lines show at once.
  helpText->setFont(PixelFont(kArialFace, 10));
  helpText->document()->setDocumentMargin(2);
  helpText->setPlainText(HelpLines(date_time_place_texts::kHelp).join('\n'));

  CreateLabels();
  CreateFields();
  CreatePlaceControls();
  CreateSearchPanel(atlas, germanNamesMissing);
  // The search, while it is open, is tabbed to after the help text.
  setTabOrder(latitudeMinutesEdit, helpText);
  setTabOrder(helpText, searchEdit);
  setTabOrder(searchEdit, searchList);
  helpText->installEventFilter(this);
}

void DateTimePlaceDialog::Prepare(const SkyState& sky, PlaceIdentity place, bool localTime) {
  sky_ = sky;
  SetPlaceIdentity(std::move(place));
  localTimeBox->setChecked(localTime);
}

void DateTimePlaceDialog::CreatePlaceControls() {
  const QFont font = PixelFont(kSansSerif, 12);
  // Neither control takes the focus from the fields: they are reached by
  // their keys (Alt+O, F3 or Alt+S) and by the mouse.
  localTimeBox = new QCheckBox(tr("&Ortszeit"), this);
  localTimeBox->setGeometry(4, 450, 86, 22);
  localTimeBox->setFocusPolicy(Qt::NoFocus);
  connect(localTimeBox, &QCheckBox::toggled, this, [this](bool local) {
    logic_.SetLocalReading(local);
    timeLabel->setText(tr(logic_.LocalReading() ? kLocalTimeLabel : kUniversalTimeLabel));
    timeLabel->adjustSize();
    ShowPlaceAndReading();
  });
  otherReadingLabel = MakeLabel(this, QString(), QRect(92, 450, 188, 22));
  placeLabel = MakeLabel(this, QString(), QRect(4, 474, 276, 30));
  placeLabel->setWordWrap(true);
  searchButton = MakeButton(this, tr("Ort &suchen ...  F3"), QRect(4, 508, 130, 25));
  searchButton->setFocusPolicy(Qt::NoFocus);
  // The search panel is created after these controls.
  connect(searchButton, &QPushButton::clicked, this, [this] { searchPanel->Open(); });
  auto* searchKey = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(searchKey, &QShortcut::activated, this, [this] { searchPanel->Open(); });
  for (QWidget* control :
       {static_cast<QWidget*>(localTimeBox), static_cast<QWidget*>(searchButton),
        static_cast<QWidget*>(otherReadingLabel), static_cast<QWidget*>(placeLabel)}) {
    control->setFont(font);
  }
}

void DateTimePlaceDialog::CreateSearchPanel(const PlaceAtlas& atlas,
                                            const std::string& germanNamesMissing) {
  searchPanel = new PlaceSearchPanel(atlas, germanNamesMissing, kHelpTextPlace, this);
  searchEdit = searchPanel->searchEdit;
  searchNote = searchPanel->searchNote;
  searchList = searchPanel->searchList;
  connect(searchPanel, &PlaceSearchPanel::placeChosen, this, &DateTimePlaceDialog::TakeChosenPlace);
  connect(searchPanel, &PlaceSearchPanel::dismissed, this, &DateTimePlaceDialog::CloseSearch);
}

void DateTimePlaceDialog::CloseSearch() {
  // The focus goes back first: hiding the focused search would pass it on to
  // the next field as if the user had tabbed there.
  FollowLogic();
  searchPanel->hide();
}

void DateTimePlaceDialog::TakeChosenPlace(const AtlasPlace& place) {
  logic_.ChoosePlace(place);
  for (int index = 0; index < kDateFieldCount; ++index) {
    edits_[index]->setText(FromWindows1252(logic_.Text(static_cast<DateField>(index))));
  }
  ShowPlaceAndReading();
  CloseSearch();
}

void DateTimePlaceDialog::ShowPlaceAndReading() {
  placeLabel->setText(tr("Ort: ") + FromUtf8(logic_.PlaceLine()));
  otherReadingLabel->setText(FromUtf8(logic_.OtherReadingLine()));
}

void DateTimePlaceDialog::CreateFields() {
  const QFont fieldFont = PixelFont(kSansSerif, 13, true);
  for (int index = 0; index < kDateFieldCount; ++index) {
    const FieldPlace place = kFieldPlaces[index];
    auto* edit = new QLineEdit(this);
    edit->setGeometry(place.left, place.top, place.width, kFieldHeight);
    edit->setMaxLength(MaxLength(static_cast<DateField>(index)));
    edit->setFont(fieldFont);
    edit->setTextMargins(0, 0, 0, 0);
    SetColours(edit, kSilver, kNavy);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
      const DateField typed = logic_.Focus();
      logic_.Type(text.toLatin1().toStdString());
      if (text.size() >= edit->maxLength()) FollowLogicAfterLeaving(typed);
      ShowPlaceAndReading();
    });
    edits_[index] = edit;
  }
  dayEdit = edits_[0];
  monthEdit = edits_[1];
  yearEdit = edits_[2];
  hourEdit = edits_[3];
  minuteEdit = edits_[4];
  longitudeSignEdit = edits_[5];
  longitudeDegreesEdit = edits_[6];
  longitudeMinutesEdit = edits_[7];
  latitudeSignEdit = edits_[8];
  latitudeDegreesEdit = edits_[9];
  latitudeMinutesEdit = edits_[10];
  for (int index = 1; index < kDateFieldCount; ++index) {
    setTabOrder(edits_[index - 1], edits_[index]);
  }
}

void DateTimePlaceDialog::CreateLabels() {
  const QFont labelFont = PixelFont(kSansSerif, 13);
  dateLabel = MakeLabel(this, tr("Datum"), QPoint(56, 379));
  timeLabel = MakeLabel(this, tr(kUniversalTimeLabel), QPoint(168, 379));
  longitudeLabel = MakeLabel(this, tr("Länge"), QPoint(56, 428));
  latitudeLabel = MakeLabel(this, tr("Breite"), QPoint(168, 428));
  for (QLabel* label : {dateLabel, timeLabel, longitudeLabel, latitudeLabel}) {
    label->setFont(labelFont);
    label->adjustSize();
  }
  escLabel = MakeLabel(this, QStringLiteral("  ESC  "), QPoint(2, 432));
  escLabel->setAutoFillBackground(true);
  SetColours(escLabel, kSilver);
  escLabel->installEventFilter(this);
}

void DateTimePlaceDialog::BeginEntry() {
  searchPanel->hide();
  logic_.Activate(openingPlace_);
  for (int index = 0; index < kDateFieldCount; ++index) {
    edits_[index]->setText(FromWindows1252(logic_.Text(static_cast<DateField>(index))));
  }
  dayEdit->setFocus(Qt::OtherFocusReason);
  dayEdit->selectAll();
  selectDayOnFocus_ = true;
  ShowPlaceAndReading();
}

void DateTimePlaceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (screen() != nullptr) move(screen()->availableGeometry().center() - rect().center());
  BeginEntry();
}

QWidget* DateTimePlaceDialog::Widget(DateField field) const {
  return field == DateField::kHelpText ? static_cast<QWidget*>(helpText)
                                       : edits_[static_cast<int>(field)];
}

bool DateTimePlaceDialog::FollowLogic() {
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

void DateTimePlaceDialog::FollowLogicAfterLeaving(DateField left) {
  if (FollowLogic() || logic_.Closed() || logic_.Focus() != left) return;
  // The field's own check kept the focus in it: its text is selected for
  // the correction, as when the focus comes back to a field.
  edits_[static_cast<int>(left)]->selectAll();
}

bool DateTimePlaceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched == dayEdit && selectDayOnFocus_ &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
    // The day's text selected at the opening may be lost while the window
    // is being activated; it is selected again when the focus arrives.
    selectDayOnFocus_ = false;
    dayEdit->selectAll();
  }
  if (event->type() == QEvent::FocusIn && MovedByUser(*static_cast<QFocusEvent*>(event))) {
    // A field taken by the user ends an open search without a choice.
    searchPanel->hide();
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
  if (event->type() == QEvent::MouseButtonPress && watched == escLabel) {
    Escape();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      Escape();
      return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched != helpText) {
      const DateField left = logic_.Focus();
      logic_.PressEnter();
      FollowLogicAfterLeaving(left);
      ShowPlaceAndReading();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DateTimePlaceDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return Escape();
  QDialog::keyPressEvent(event);
}

void DateTimePlaceDialog::Escape() {
  logic_.PressEscape();
  FollowLogic();
}

}  // namespace sternwerk
