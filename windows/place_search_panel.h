// The date/time/place dialog's search of the atlas by name: an edit for
// the first letters, a note and the list of matches. The arrow keys move
// through the list, Enter chooses, ESC dismisses; the dialog shows the panel
// over its help text and takes the chosen place.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "places/place_atlas.h"

namespace sternwerk {

class PlaceSearchPanel : public QWidget {
  Q_OBJECT

 public:
  // `germanNamesMissing`: empty, or why the atlas has only English names.
  PlaceSearchPanel(const PlaceAtlas& atlas, const std::string& germanNamesMissing, QRect geometry,
                   QWidget* parent);

  // Shows the panel with the matches of what the edit holds, the edit
  // focused and its text selected; focuses the edit of an open panel.
  void Open();

  QLineEdit* searchEdit;
  QLabel* searchNote;
  QListWidget* searchList;

 signals:
  // Enter or a click chose a listed place; it stays the atlas's.
  void placeChosen(const AtlasPlace& place);
  // ESC in the search: closing it is the dialog's, which moves the focus
  // back first.
  void dismissed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ListMatches(const QString& typed);
  void ChooseListedPlace();
  bool HandleKey(int key);

  const PlaceAtlas& atlas_;
  const bool germanNamesMissing_;
  std::vector<const AtlasPlace*> matches_;
};

}  // namespace sternwerk
