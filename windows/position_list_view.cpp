#include "windows/position_list_view.h"

#include <QPaintEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace sternwerk {
namespace {

// Qt's plain text layout takes n characters replaced by m at `from` to reach
// up to from + n + m - 1. Near a line's end that position lies in the next
// line, and the layout then lays out both lines and repaints the whole box.
// Told only where the new characters stand, it lays out and repaints the
// one changed line, as for any change inside a line; a change of the line
// count is handled as before.
class LineLayout : public QPlainTextDocumentLayout {
 public:
  using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

 protected:
  void documentChanged(int from, int /*charsRemoved*/, int charsAdded) override {
    QPlainTextDocumentLayout::documentChanged(from, 0, std::max(charsAdded, 1));
  }
};

// Replaces only the characters between the parts the old and the new line
// share at both ends: a small change stays within its line.
void ReplaceLine(const QTextBlock& block, const QString& line) {
  const QString old = block.text();
  if (old == line) return;
  const qsizetype shorter = std::min(old.size(), line.size());
  qsizetype head = 0;
  while (head < shorter && old[head] == line[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head && old[old.size() - 1 - tail] == line[line.size() - 1 - tail])
    ++tail;
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + static_cast<int>(head));
  cursor.setPosition(block.position() + static_cast<int>(old.size() - tail),
                     QTextCursor::KeepAnchor);
  cursor.insertText(line.mid(head, line.size() - tail - head));
}

}  // namespace

PositionListView::PositionListView(QWidget* parent) : QPlainTextEdit(parent) {
  auto* lines = new QTextDocument(this);
  lines->setDocumentLayout(new LineLayout(lines));
  lines->setUndoRedoEnabled(false);  // the rewrites are no user's to undo
  setDocument(lines);
  setReadOnly(true);
  setLineWrapMode(NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PositionListView::ShowLines(const QStringList& lines) {
  QTextDocument* list = document();
  if (list->blockCount() != lines.size()) {
    setPlainText(lines.join('\n'));
    // A line is shaped again only when its text changes, not at every paint.
    for (QTextBlock block = list->begin(); block.isValid(); block = block.next())
      block.layout()->setCacheEnabled(true);
  } else {
    int line = 0;
    for (QTextBlock block = list->begin(); block.isValid(); block = block.next())
      ReplaceLine(block, lines[line++]);
  }
  // Moving the cursor repaints the first line: only when it is away from
  // the start, or the list is scrolled, does it go back there.
  const QTextCursor cursor = textCursor();
  if (cursor.position() != 0 || cursor.hasSelection() || verticalScrollBar()->value() != 0 ||
      horizontalScrollBar()->value() != 0) {
    moveCursor(QTextCursor::Start);
  }
}

// Qt's text box paints every line that meets the bounding rectangle of what
// needs painting; lines changed apart from each other are painted each
// alone instead.
void PositionListView::paintEvent(QPaintEvent* event) {
  if (event->region().rectCount() <= 1) return QPlainTextEdit::paintEvent(event);
  for (const QRect& part : event->region()) {
    QPaintEvent partEvent(part);
    QPlainTextEdit::paintEvent(&partEvent);
  }
}

}  // namespace sternwerk
