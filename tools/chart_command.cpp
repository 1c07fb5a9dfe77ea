#include "tools/chart_command.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>

#include "base/failure_text.h"
#include "charts/chart_printing.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/text_forms.h"
#include "platform/canvas.h"
#include "platform/picture_file.h"
#include "platform/printing.h"
#include "tools/picture_request.h"
#include "tools/sky_report.h"

namespace sternwerk {

namespace {

bool EndsWithPdf(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".pdf";
}

// The page as printed, on a PDF printer whose printable width is the chart's
// square. The PDF is made in memory and replaces the file whole.
Status WriteChartPdf(std::shared_ptr<const Picture> chart, const SkyState& sky,
                     const DisplayOptions& options, const ChartTexts& texts,
                     const std::string& path) {
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
  const Status painted = PaintChartPage(pdf, std::move(chart), sky, options, texts, pageWidth);
  if (!painted.ok()) return Status::Failure(FileFailureText(path, kWritten, painted.error()));
  return ReplaceFileWith(path, buffer.data());
}

}  // namespace

Outcome<int> WriteChartFile(const std::vector<std::string>& args, char* programPath,
                            ComputationMode mode, const PlaceOptions& place) {
  Outcome<PictureRequest> parsed = ParsePictureRequest(args, "--chart");
  if (!parsed.ok()) return Outcome<int>::Failure(parsed.error());
  PictureRequest request = std::move(parsed).value();
  request.mode = mode;
  request.place = place;
  const bool pdf = EndsWithPdf(request.path);
  if (!pdf && !PictureFormatOf(request.path)) {
    return Outcome<int>::Failure("Datei \"" + request.path +
                                 "\": erwartet die Endung .wmf, .svg, .png oder .pdf");
  }
  Outcome<LocatedSky> instant = RequestedSky(request);
  if (!instant.ok()) return Outcome<int>::Failure(instant.error());
  int refusedStatus = 0;
  if (Refused(instant.value(), refusedStatus)) return Outcome<int>::Success(refusedStatus);
  const PictureSession session(request, std::move(instant).value().sky, programPath);
  const SkyState& sky = session.sky;

  const ChartTexts texts{FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth), "", ""};
  auto chart = std::make_shared<Picture>(kChartSize, kChartSize);
  Canvas canvas(*chart);
  DrawEnlargedChart(sky, session.options, texts, canvas);
  return Outcome<int>::Success(
      ExitStatusOf(pdf ? WriteChartPdf(chart, sky, session.options, texts, request.path)
                       : WritePictureFile(*chart, {kChartSize, kChartSize}, request.path)));
}

}  // namespace sternwerk
