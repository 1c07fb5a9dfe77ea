#include "tools/chart_command.h"

#include <iostream>
#include <memory>

#include "astrology/chart_astrology.h"
#include "charts/chart_astrology_layer.h"
#include "charts/chart_export.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/text_forms.h"
#include "places/qt/place_time_text.h"
#include "platform/canvas.h"
#include "platform/picture_file.h"
#include "tools/astrology_lines.h"
#include "tools/picture_request.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {

ToolResult WriteChartFile(std::vector<std::string> args, char* programPath, ComputationMode mode,
                          const PlaceOptions& place) {
  const Outcome<AstrologyRequest> astrology = TakeAstrologyOptions(args);
  if (!astrology.ok()) return ToolResult::UsageError(astrology.error());
  if (astrology.value().midpoints) {
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--midpoints gilt nicht für --chart")));
  }
  Outcome<PictureRequest> parsed = ParsePictureRequest(args, "--chart");
  if (!parsed.ok()) return ToolResult::UsageError(parsed.error());
  PictureRequest request = std::move(parsed).value();
  request.allFactors = astrology.value().allFactors;  // --all is taken with the options above
  request.mode = mode;
  request.place = place;
  if (!NamesPdf(request.path) && !PictureFormatOf(request.path)) {
    return ToolResult::UsageError(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "Datei \"%1\": erwartet die Endung .wmf, .svg, .png oder .pdf")),
        {request.path}));
  }
  ToolOutcome<LocatedSky> instant = RequestedSky(request);
  if (!instant.ok()) return instant.ending();
  const PlaceIdentity namedPlace = instant.value().place;
  const PictureSession session(request, std::move(instant).value().sky, programPath);
  const SkyState& sky = session.sky;

  // A named place also gives the header its local time, as in the window.
  const ChartTexts texts{FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth), "",
                         ChartPlaceTimeText(namedPlace, sky)};
  const ChartAstrologyRequest asked{
      astrology.value().houses,
      astrology.value().aspects ? std::optional<AspectOrbs>(AspectOrbs{}) : std::nullopt};
  const ChartAstrology layer =
      ComputeChartAstrology(sky, mode, session.options.transplutonian, asked);
  auto chart = std::make_shared<Picture>(kChartSize, kChartSize);
  Canvas canvas(*chart);
  DrawEnlargedChart(sky, session.options, texts, canvas);
  DrawAstrologyLayer(layer, canvas);
  if (!layer.note.empty()) std::cerr << "sternwerk-sky: " << layer.note << '\n';
  return WritingResult(
      SaveChartFile(std::move(chart), sky, session.options, texts, request.path, layer));
}

}  // namespace sternwerk
