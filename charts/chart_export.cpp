#include "charts/chart_export.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cctype>

#include "base/failure_text.h"
#include "base/translation.h"
#include "charts/chart_printing.h"
#include "platform/printing.h"

namespace sternwerk {

namespace {

// The page as printed, on a PDF printer whose printable width is the chart's
// square. The PDF is made in memory and replaces the file whole.
Status SaveChartPdf(std::shared_ptr<const Picture> chart, const SkyState& sky,
                    const DisplayOptions& options, const ChartTexts& texts, const std::string& path,
                    const ChartAstrology& astrology) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const int pageWidth = PrintableWidth(printer);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(printer.resolution());
  pdf.setPageLayout(printer.pageLayout());
  pdf.setCreator(printer.creator());
  pdf.setTitle(ChartJobName(sky));
  const Status painted =
      PaintChartPage(pdf, std::move(chart), sky, options, texts, pageWidth, astrology);
  if (!painted.ok()) return Status::Failure(FailureText(path, kWritten, painted.error()));
  return ReplaceFileWith(path, buffer.data());
}

// A failure unless the path ends in one of the four formats' extensions.
Status RequireKnownFormat(const std::string& path) {
  if (NamesPdf(path) || PictureFormatOf(path)) return Status::Success();
  return Status::Failure(
      Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Die Datei ")) + path +
      Translated("sternwerk::Charts",
                 QT_TRANSLATE_NOOP("sternwerk::Charts",
                                   " hat keine der Endungen .png, .svg, .pdf, .wmf.")));
}

}  // namespace

bool NamesPdf(std::string_view path) {
  constexpr std::string_view kPdf = ".pdf";
  if (path.size() < kPdf.size()) return false;
  return std::equal(kPdf.begin(), kPdf.end(), path.end() - kPdf.size(), [](char pdf, char c) {
    return pdf == std::tolower(static_cast<unsigned char>(c));
  });
}

Status SaveChartFile(std::shared_ptr<const Picture> chart, const SkyState& sky,
                     const DisplayOptions& options, const ChartTexts& texts,
                     const std::string& path, const ChartAstrology& astrology) {
  if (const Status known = RequireKnownFormat(path); !known.ok()) return known;
  if (NamesPdf(path)) return SaveChartPdf(std::move(chart), sky, options, texts, path, astrology);
  return WritePictureFile(*chart, {kChartSize, kChartSize}, path);
}

Status SaveOutsideViewFile(const Picture& view, const std::string& path) {
  if (const Status known = RequireKnownFormat(path); !known.ok()) return known;
  if (NamesPdf(path))
    return WritePicturePdf(view, kOutsideViewExtent, path, kOutsideViewBackground);
  return WritePictureFile(view, kOutsideViewExtent, path, kOutsideViewBackground);
}

}  // namespace sternwerk
