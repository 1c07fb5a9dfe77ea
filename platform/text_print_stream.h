// Plain text lines sent to a printer, one below the other in "Arial" 9 pt
// or a font of the caller's, starting a new page whenever a page is full.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include "base/outcome.h"

namespace sternwerk {

class TextPrintStream {
 public:
  // Starts the print job.
  explicit TextPrintStream(QPrinter& printer);
  // Starts the print job in `font`, made smaller where the widest of
  // `widestOf` would not fit the page's width (a table in a fixed-width
  // face whose columns must stay whole).
  TextPrintStream(QPrinter& printer, QFont font, const QStringList& widestOf);

  void WriteLine(const QString& line);
  // Ends the print job; fails when it could not start or not be finished.
  Status Close();

 private:
  QPrinter& printer_;
  QPainter painter_;
  bool started_;
  int line_height_ = 0;
  int next_line_top_ = 0;

  void Begin(const QFont& font);
};

}  // namespace sternwerk
