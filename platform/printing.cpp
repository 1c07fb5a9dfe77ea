#include "platform/printing.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cmath>

#include "engine/text_forms.h"
#include "platform/picture_painter.h"
#include "platform/printer_resolution.h"
#include "platform/printing_failures.h"

namespace sternwerk {

namespace {
constexpr int kPageRounding = 100;
constexpr int kFallbackResolution = 600;
constexpr ContextTexts Said(kPrintingContext);
}  // namespace

int RoundedPageDimension(int pixels) {
  return (pixels / kPageRounding) * kPageRounding + kPageRounding;
}

int PrintableWidth(const QPrinter& printer) {
  return printer.pageLayout().paintRectPixels(printer.resolution()).width();
}

QSize PrintPageSize() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  QSize page;
  if (info.isNull()) {
    page = QPageSize(QPageSize::A4).sizePixels(kFallbackResolution);
  } else {
    QPrinter printer(info, QPrinter::HighResolution);
    page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  }
  return {RoundedPageDimension(page.width()), RoundedPageDimension(page.height())};
}

std::optional<int> PrinterPageWidth(const QString& printerName) {
  const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                  : QPrinterInfo::printerInfo(printerName);
  if (info.isNull()) return std::nullopt;
  const std::optional<int> dpi = CupsPrinterResolution(info.printerName().toStdString());
  if (!dpi) return std::nullopt;
  const QPrinter printer(info, QPrinter::HighResolution);
  const double inches = printer.pageLayout().paintRect(QPageLayout::Inch).width();
  return RoundedPageDimension(static_cast<int>(std::lround(inches * *dpi)));
}

QString PrintJobName(const QString& what, const QString& instant) {
  return QStringLiteral("Sternwerk - ") + what + QLatin1Char(' ') + instant;
}

QString InstantOf(const SkyState& sky) {
  return QString::fromStdString(sky.dateText + ' ' + FormatHours(sky.hours));
}

bool PrintDialogChoice::Choose(QPrinter& printer) {
  printer.setCopyCount(1);
  QPrintDialog dialog(&printer, parent_);
  dialog.setMinMax(1, 1);
  dialog.setFromTo(1, 1);
  return dialog.exec() == QDialog::Accepted;
}

bool PdfFileChoice::Choose(QPrinter& printer) {
  if (path_.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path_);
  return true;
}

Status PrintPicture(QPaintDevice& printer, const Picture& picture, const QRectF& target) {
  QPainter painter;
  if (!painter.begin(&printer)) return Status::Failure(Said(kPrintNotStarted));
  PaintPictureScaled(painter, picture, target);
  if (!painter.end()) return Status::Failure(Said(kPrintFailed));
  return Status::Success();
}

Status PrintPictures(QPagedPaintDevice& printer, const std::vector<Picture>& pages,
                     const QRectF& target) {
  QPainter painter;
  if (!painter.begin(&printer)) return Status::Failure(Said(kPrintNotStarted));
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0 && !printer.newPage()) {
      painter.end();
      return Status::Failure(Said(kPrintFailed));
    }
    PaintPictureScaled(painter, pages[page], target);
  }
  if (!painter.end()) return Status::Failure(Said(kPrintFailed));
  return Status::Success();
}

}  // namespace sternwerk
