#include "windows/legend_memos.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace sternwerk {

namespace {

// The line height both memos share: the larger of the two fonts' spacings,
// rounded up to whole pixels.
int SharedLineHeight(const LegendFonts& fonts) {
  return static_cast<int>(std::ceil(
      std::max(QFontMetricsF(fonts.glyph).lineSpacing(), QFontMetricsF(fonts.name).lineSpacing())));
}

QTextEdit* MakeMemo(QWidget* parent, const QStringList& lines, const QFont& font, int lineHeight) {
  auto* memo = new QTextEdit(parent);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setFont(font);
  memo->setPlainText(lines.join(QLatin1Char('\n')));
  QTextBlockFormat fixedHeight;
  fixedHeight.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
  QTextCursor everything(memo->document());
  everything.select(QTextCursor::Document);
  everything.mergeBlockFormat(fixedHeight);
  memo->hide();
  return memo;
}

// The baseline of the memo's first line from the document's top.
qreal FirstBaseline(const QTextEdit* memo) {
  const QTextBlock first = memo->document()->firstBlock();
  static_cast<void>(memo->document()->documentLayout()->blockBoundingRect(first));  // lays it out
  const QTextLine line = first.layout()->lineAt(0);
  return first.layout()->position().y() + line.y() + line.ascent();
}

// A fixed line height puts the baseline at the same height in every font but
// for the font's leading, which Qt adds above it; the text is drawn on whole
// pixels. The memo whose baseline falls on the higher pixel gets its text
// lowered by the whole pixels between them.
void AlignBaselines(const LegendMemos& legend) {
  const int lower = qRound(FirstBaseline(legend.glyphs)) - qRound(FirstBaseline(legend.names));
  if (lower == 0) return;
  QTextEdit* higher = lower > 0 ? legend.names : legend.glyphs;
  QTextFrame* root = higher->document()->rootFrame();
  QTextFrameFormat format = root->frameFormat();
  format.setTopMargin(format.topMargin() + std::abs(lower));
  root->setFrameFormat(format);
}

// The widest line in the memo's font and all lines at their fixed height,
// plus the frame, the document's margins and the cursor.
QSize FittingSize(const QTextEdit* memo, int lineCount, int lineHeight) {
  const QFontMetrics metrics(memo->font());
  int widest = 0;
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    widest = std::max(widest, metrics.horizontalAdvance(block.text()));
  }
  const QTextFrameFormat root = memo->document()->rootFrame()->frameFormat();
  const int margins = static_cast<int>(std::ceil(2 * memo->document()->documentMargin()));
  const int verticalMargins = static_cast<int>(std::ceil(root.topMargin() + root.bottomMargin()));
  const int frame = 2 * memo->frameWidth();
  return {widest + margins + frame + memo->cursorWidth() + 1,
          lineCount * lineHeight + verticalMargins + frame};
}

}  // namespace

QSize LegendMemos::size() const {
  return {glyphs->width() + names->width(), std::max(glyphs->height(), names->height())};
}

void LegendMemos::MoveTo(QPoint topLeft) const {
  glyphs->move(topLeft);
  names->move(topLeft.x() + glyphs->width(), topLeft.y());
}

void LegendMemos::SetHidden(bool hidden) const {
  glyphs->setHidden(hidden);
  names->setHidden(hidden);
}

LegendMemos MakeLegend(QWidget* parent, const QStringList& glyphs, const QStringList& names,
                       const LegendFonts& fonts) {
  const int lineHeight = SharedLineHeight(fonts);
  const LegendMemos legend{MakeMemo(parent, glyphs, fonts.glyph, lineHeight),
                           MakeMemo(parent, names, fonts.name, lineHeight)};
  AlignBaselines(legend);
  for (QTextEdit* memo : {legend.glyphs, legend.names}) {
    memo->resize(FittingSize(memo, static_cast<int>(names.size()), lineHeight));
  }
  return legend;
}

}  // namespace sternwerk
