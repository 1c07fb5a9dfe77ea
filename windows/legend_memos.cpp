#include "windows/legend_memos.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace sternwerk {

namespace {

// The line height both memos share: the larger of the two fonts' spacings.
int SharedLineHeight(const LegendFonts& fonts) {
  return std::max(QFontMetrics(fonts.glyph).lineSpacing(), QFontMetrics(fonts.name).lineSpacing());
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

// The widest line in the memo's font and all lines at their fixed height,
// plus the frame, the document's margins and the cursor.
QSize FittingSize(const QTextEdit* memo, int lineCount, int lineHeight) {
  const QFontMetrics metrics(memo->font());
  int widest = 0;
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    widest = std::max(widest, metrics.horizontalAdvance(block.text()));
  }
  const int margins = static_cast<int>(std::ceil(2 * memo->document()->documentMargin()));
  const int frame = 2 * memo->frameWidth();
  return {widest + margins + frame + memo->cursorWidth() + 1,
          lineCount * lineHeight + margins + frame};
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
  for (QTextEdit* memo : {legend.glyphs, legend.names}) {
    memo->resize(FittingSize(memo, static_cast<int>(names.size()), lineHeight));
  }
  return legend;
}

}  // namespace sternwerk
