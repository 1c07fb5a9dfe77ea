#include "windows/place_search_panel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/translation.h"
#include "places/place_identity.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

// The panel's texts belong to the dialog it is part of.
constexpr const char* kContext = "sternwerk::DateTimePlaceDialog";
constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceDialog",
                      "Ort suchen: die ersten Buchstaben des Namens (deutsch oder englisch) "
                      "eingeben, mit den Pfeiltasten wählen, Enter übernimmt, ESC schließt.");
constexpr const char* kNoPlaceFound =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceDialog", "Kein Ort gefunden.");
constexpr const char* kLatinLettersOnly = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceDialog", "Ortsnamen werden in lateinischen Buchstaben gesucht.");
constexpr const char* kGermanNamesMissing = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceDialog", "Deutsche Ortsnamen fehlen, nur englische werden gefunden.");
// The letter of eastern longitudes in the list.
constexpr const char* kEast = QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceDialog", "O");

constexpr std::size_t kMostMatches = 20;
constexpr int kMinutesPerDegree = 60;
constexpr int kEditHeight = 24;
const QString kSansSerif = kSansSerifFace;

QString Said(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "48°08' N  011°35' O" in the whole minutes the fields hold.
QString CoordinatesText(const AtlasPlace& place) {
  const auto part = [](double degrees, int width, QChar positive, QChar negative) {
    const long minutes = std::lround(degrees * kMinutesPerDegree);
    const long size = std::labs(minutes);
    return QStringLiteral("%1°%2' %3")
        .arg(size / kMinutesPerDegree, width, 10, QChar('0'))
        .arg(size % kMinutesPerDegree, 2, 10, QChar('0'))
        .arg(minutes < 0 ? negative : positive);
  };
  return part(place.latitude, 2, 'N', 'S') + "  " +
         part(place.longitude, 3, Said(kEast).at(0), 'W');
}

// Two lines: name, region, country; coordinates and time zone.
QString MatchText(const AtlasPlace& place) {
  const PlaceIdentity identity = IdentityOf(place, ShownLanguage());
  QStringList names{FromUtf8(identity.name)};
  for (const std::string* part : {&identity.region, &identity.country}) {
    if (!part->empty()) names << FromUtf8(*part);
  }
  return names.join(", ") + "\n   " + CoordinatesText(place) + "   " + FromUtf8(identity.timeZone);
}

}  // namespace

PlaceSearchPanel::PlaceSearchPanel(const PlaceAtlas& atlas, const std::string& germanNamesMissing,
                                   QRect geometry, QWidget* parent)
    : QWidget(parent), atlas_(atlas), germanNamesMissing_(!germanNamesMissing.empty()) {
  setGeometry(geometry);
  SetColours(this, kCream);
  auto* caption = MakeLabel(this, Said(kCaption), QRect(4, 2, 267, 44));
  caption->setWordWrap(true);
  searchEdit = new QLineEdit(this);
  searchEdit->setGeometry(4, 48, 267, kEditHeight);
  searchNote = MakeLabel(this, QString(), QRect(4, 74, 267, 30));
  searchNote->setWordWrap(true);
  // Why the German names are missing is too long for the note's two lines.
  searchNote->setToolTip(FromUtf8(germanNamesMissing));
  searchList = new QListWidget(this);
  searchList->setGeometry(4, 106, 267, 236);
  for (QWidget* widget : {static_cast<QWidget*>(caption), static_cast<QWidget*>(searchEdit),
                          static_cast<QWidget*>(searchNote), static_cast<QWidget*>(searchList)}) {
    widget->setFont(PixelFont(kSansSerif, 11));
  }
  connect(searchEdit, &QLineEdit::textEdited, this, &PlaceSearchPanel::ListMatches);
  connect(searchList, &QListWidget::itemActivated, this, &PlaceSearchPanel::ChooseListedPlace);
  searchEdit->installEventFilter(this);
  searchList->installEventFilter(this);
  hide();
}

void PlaceSearchPanel::Open() {
  if (isVisible()) return searchEdit->setFocus(Qt::OtherFocusReason);
  show();
  raise();
  ListMatches(searchEdit->text());
  searchEdit->setFocus(Qt::OtherFocusReason);
  searchEdit->selectAll();
}

void PlaceSearchPanel::ListMatches(const QString& typed) {
  const PlaceSearch search = atlas_.Search(typed.toStdString(), kMostMatches, ShownLanguage());
  matches_.clear();
  searchList->clear();
  for (const FoundPlace& found : search.found) {
    matches_.push_back(found.place);
    searchList->addItem(MatchText(*found.place));
  }
  if (!matches_.empty()) searchList->setCurrentRow(0);
  QStringList notes;
  if (germanNamesMissing_) notes << Said(kGermanNamesMissing);
  if (search.foreignScript) {
    notes << Said(kLatinLettersOnly);
  } else if (matches_.empty() && !typed.trimmed().isEmpty()) {
    notes << Said(kNoPlaceFound);
  }
  searchNote->setText(notes.join(' '));
}

void PlaceSearchPanel::ChooseListedPlace() {
  const int row = searchList->currentRow();
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  emit placeChosen(*matches_[static_cast<std::size_t>(row)]);
}

bool PlaceSearchPanel::HandleKey(int key) {
  switch (key) {
    case Qt::Key_Escape:
      emit dismissed();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ChooseListedPlace();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (searchList->count() == 0) return true;
      const int step = key == Qt::Key_Up ? -1 : 1;
      searchList->setCurrentRow(
          std::clamp(searchList->currentRow() + step, 0, searchList->count() - 1));
      return true;
    }
    default:
      return false;
  }
}

bool PlaceSearchPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == searchEdit || watched == searchList)) {
    return HandleKey(static_cast<QKeyEvent*>(event)->key());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sternwerk
