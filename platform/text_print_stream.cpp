#include "platform/text_print_stream.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/faces.h"
#include "platform/printing_failures.h"

namespace sternwerk {

namespace {
const QString kFace = kArialFace;
constexpr int kPointSize = 9;
constexpr ContextTexts Said(kPrintingContext);
}  // namespace

TextPrintStream::TextPrintStream(QPrinter& printer)
    : printer_(printer), started_(painter_.begin(&printer)) {
  Begin(QFont(kFace, kPointSize));
}

TextPrintStream::TextPrintStream(QPrinter& printer, QFont font, const QStringList& widestOf)
    : printer_(printer), started_(painter_.begin(&printer)) {
  if (!started_) return;
  const QFontMetricsF metrics(font, painter_.device());
  qreal widest = 0;
  for (const QString& line : widestOf) widest = std::max(widest, metrics.horizontalAdvance(line));
  const qreal pageWidth = painter_.viewport().width();
  if (widest > pageWidth) font.setPointSizeF(font.pointSizeF() * pageWidth / widest);
  Begin(font);
}

void TextPrintStream::Begin(const QFont& font) {
  if (!started_) return;
  painter_.setFont(font);
  line_height_ = painter_.fontMetrics().lineSpacing();
}

void TextPrintStream::WriteLine(const QString& line) {
  if (!started_) return;
  const int page_height = painter_.viewport().height();
  if (next_line_top_ > 0 && next_line_top_ + line_height_ > page_height) {
    printer_.newPage();
    next_line_top_ = 0;
  }
  painter_.drawText(0, next_line_top_ + painter_.fontMetrics().ascent(), line);
  next_line_top_ += line_height_;
}

Status TextPrintStream::Close() {
  if (!started_) return Status::Failure(Said(kPrintNotStarted));
  started_ = false;
  if (!painter_.end()) return Status::Failure(Said(kPrintFailed));
  return Status::Success();
}

}  // namespace sternwerk
