// The clock window's legend ("Zeichen"): a memo of glyphs in the symbol font
// with a memo of their names right beside it. The symbol font and the name
// font have different line spacings, so every line of both memos is given
// the same fixed height: each glyph then stands on its name's baseline, the
// last line as the first.
#pragma once

#include <QFont>
#include <QPoint>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

namespace sternwerk {

struct LegendFonts {
  QFont glyph;
  QFont name;
};

struct LegendMemos {
  QTextEdit* glyphs = nullptr;
  QTextEdit* names = nullptr;

  // The size of both memos side by side.
  QSize size() const;
  // Puts the glyph memo's top-left corner at `topLeft`, the names beside it.
  void MoveTo(QPoint topLeft) const;
  void SetHidden(bool hidden) const;
};

// Two hidden, read-only memos with line i of `glyphs` beside line i of
// `names` (the lists are equally long), each just large enough to show
// every line whole.
LegendMemos MakeLegend(QWidget* parent, const QStringList& glyphs, const QStringList& names,
                       const LegendFonts& fonts);

}  // namespace sternwerk
