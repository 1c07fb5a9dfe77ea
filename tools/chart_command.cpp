#include "tools/chart_command.h"

#include <QPrinter>
#include <iostream>
#include <memory>

#include "engine/sky.h"
#include "engine/text_forms.h"
#include "platform/canvas.h"
#include "platform/printing.h"
#include "platform/program_files.h"
#include "platform/symbol_font.h"
#include "tools/offscreen_gui.h"
#include "tools/picture_file.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"
#include "windows/chart_printing.h"
#include "windows/enlarged_chart_drawing.h"

namespace sternwerk {

namespace {

constexpr int kExitFailure = 2;

struct ChartRequest {
  std::string path;
  bool pdf = false;
  std::vector<std::string> instantAndPlace;
  bool allFactors = false;
  bool noSymbols = false;
};

bool EndsWithPdf(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".pdf";
}

ChartRequest ParseChartArguments(const std::vector<std::string>& args) {
  if (args.empty() || args[0].starts_with("--")) {
    throw UsageError("--chart erwartet zuerst den Namen der Bilddatei");
  }
  ChartRequest request{args[0], EndsWithPdf(args[0]), {}, false, false};
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--all") {
      request.allFactors = true;
    } else if (args[i] == "--no-symbols") {
      request.noSymbols = true;
    } else if (args[i].starts_with("--")) {
      throw UsageError("unbekannte Option " + args[i]);
    } else {
      request.instantAndPlace.push_back(args[i]);
    }
  }
  if (!request.pdf && !PictureFormatOf(request.path)) {
    throw UsageError("Datei \"" + request.path +
                     "\": erwartet die Endung .wmf, .svg, .png oder .pdf");
  }
  return request;
}

// The page as printed, on a PDF printer whose page width in pixels, rounded
// as the program keeps the printer's, is the chart's square.
Status WriteChartPdf(std::shared_ptr<const Picture> chart, const SkyState& sky,
                     const ChartTexts& texts, const std::string& path) {
  QPrinter printer(QPrinter::HighResolution);
  PdfFileChoice(QString::fromStdString(path)).Choose(printer);
  const int pageWidth =
      RoundedPageDimension(printer.pageLayout().paintRectPixels(printer.resolution()).width());
  const Status printed = PrintChart(printer, std::move(chart), sky, texts, pageWidth);
  if (!printed.ok()) {
    return Status::Failure("Die Datei " + path +
                           " kann nicht geschrieben werden: " + printed.error());
  }
  return printed;
}

}  // namespace

int WriteChartFile(const std::vector<std::string>& args, char* programPath) {
  const ChartRequest request = ParseChartArguments(args);
  SkyState sky = SkyForArguments(request.instantAndPlace);
  ComputeSky(sky);
  sky.transplutonian = request.allFactors;

  const auto application = StartOffscreenGui(programPath);
  // The font stays added until the file is written: SVG, PNG and PDF draw with it.
  const ApplicationFont symbolFont(SymbolFontPath());
  sky.symbolFontPresent = !request.noSymbols && SymbolFontInstalled();

  const ChartTexts texts{FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth), ""};
  auto chart = std::make_shared<Picture>(kChartSize, kChartSize);
  Canvas canvas(*chart);
  DrawEnlargedChart(sky, texts, canvas);
  const Status written = request.pdf
                             ? WriteChartPdf(chart, sky, texts, request.path)
                             : WritePictureFile(*chart, {kChartSize, kChartSize}, request.path);
  if (!written.ok()) {
    std::cerr << "sternwerk-sky: " << written.error() << '\n';
    return kExitFailure;
  }
  return 0;
}

}  // namespace sternwerk
