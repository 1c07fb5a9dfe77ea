// Printing: the page size the program works with, choosing a printer, and
// printing a picture or plain text lines.
#pragma once

#include <QPrinter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "base/outcome.h"
#include "engine/sky_state.h"
#include "platform/picture.h"

class QWidget;

namespace sternwerk {

// A page dimension in printer pixels rounded as the program keeps it:
// (pixels div 100) * 100 + 100.
int RoundedPageDimension(int pixels);

// The width of the printable area of the page `printer` prints on, in its
// device pixels: what a printed chart's square spans, whatever the
// resolution of the job.
int PrintableWidth(const QPrinter& printer);

// The default printer's printable page in printer pixels, each side rounded
// by RoundedPageDimension. Without a printer: an A4 page at 600 pixels per
// inch, 5000 x 7100.
QSize PrintPageSize();

// The width of the named printer's printable page (the default printer's
// when `printerName` is empty) in pixels at the resolution CUPS reports for
// it (CupsPrinterResolution), rounded by RoundedPageDimension. Nothing
// without such a printer or a reported resolution.
std::optional<int> PrinterPageWidth(const QString& printerName);

// The name of a print job and of the PDF it becomes: "Sternwerk - ", what is
// printed, a blank and the instant, as "Sternwerk - Diagramm 21.03.2000
// 12:00:00". The hyphen is ASCII: print queues pass job names on in
// encodings of their own, which garble a dash.
QString PrintJobName(const QString& what, const QString& instant);

// The sky's instant as job names give it: "dd.mm.yyyy hh:mm:ss".
QString InstantOf(const SkyState& sky);

// Chooses the printer of a print job; false when the user cancels.
class PrinterChoice {
 public:
  virtual ~PrinterChoice() = default;
  virtual bool Choose(QPrinter& printer) = 0;
};

// The print dialog, for one copy of page 1.
class PrintDialogChoice : public PrinterChoice {
 public:
  explicit PrintDialogChoice(QWidget* parent = nullptr) : parent_(parent) {}
  bool Choose(QPrinter& printer) override;

 private:
  QWidget* parent_;
};

// Prints into a PDF file without asking; an empty path stands for a
// cancelled dialog.
class PdfFileChoice : public PrinterChoice {
 public:
  explicit PdfFileChoice(QString path) : path_(std::move(path)) {}
  bool Choose(QPrinter& printer) override;

 private:
  QString path_;
};

// Prints the picture on one page of a printer or PDF writer with its
// nominal area stretched onto `target`, in device pixels from the printable
// area's top-left corner.
Status PrintPicture(QPaintDevice& printer, const Picture& picture, const QRectF& target);

// Prints the pictures on one page each, in order, each stretched onto
// `target` as PrintPicture does.
Status PrintPictures(QPagedPaintDevice& printer, const std::vector<Picture>& pages,
                     const QRectF& target);

}  // namespace sternwerk
