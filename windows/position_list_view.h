// The clock window's position list: a read-only text box of lines as
// written, which the user can scroll, select and copy from, and which every
// redraw of the dial rewrites. A rewrite costs what changed: only lines
// whose text differs are edited, laid out and repainted, and each line
// keeps its shaped glyphs from one paint to the next.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace sternwerk {

class PositionListView : public QPlainTextEdit {
 public:
  explicit PositionListView(QWidget* parent);

  // Shows the lines from the top, without a selection.
  void ShowLines(const QStringList& lines);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace sternwerk
