#include "tools/saved_chart.h"

#include <filesystem>

#include "base/time_units.h"
#include "collection/chart_search.h"
#include "collection/chart_sky.h"
#include "collection/chart_store.h"
#include "engine/state_texts.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

// A request the collection cannot answer.
ToolResult Refused(std::string message) {
  return ToolResult::Failure(std::move(message), kExitNotFound);
}

}  // namespace

ToolOutcome<Chart> SavedChart(std::span<const std::string> args, const PlaceOptions& options) {
  if (!args.empty())
    return ToolResult::UsageError(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                             "--saved steht statt Datum, Zeit und Ort; \"%1\" "
                                             "ist zu viel")),
                      {Printable(args.front())}));
  const std::string file = options.collection.value_or(kCollectionFileName);
  std::error_code error;
  if (!std::filesystem::exists(file, error))
    return Refused(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "Die Sammlung %1 gibt es nicht; sie hat kein Horoskop \"%2\"")),
        {Printable(file), Printable(options.saved.value_or(""))}));
  const Outcome<ChartStore> store = ChartStore::Open(file);
  if (!store.ok()) return Refused(store.error());
  const Outcome<std::vector<Chart>> all = store.value().All();
  if (!all.ok()) return Refused(all.error());
  Outcome<Chart> named = ChartNamed(all.value(), options.saved.value_or(""));
  if (!named.ok()) return Refused(named.error());
  return std::move(named).value();
}

std::string ChartZone(const Chart& chart) {
  if (chart.reading != TimeReading::kUniversal || !chart.place.timeZone.empty())
    return StatedZone(chart);
  return TypedPlaceIdentity(ProgramAtlas(), chart.place.longitude, chart.place.latitude).timeZone;
}

LocatedSky LocatedChart(const Chart& chart, bool shown) {
  LocatedSky located;
  located.shown = shown;
  located.place = {chart.place.name, chart.place.region, chart.place.country, ChartZone(chart)};
  located.timeZone = WithKnownZone(located.place, chart.place.longitude);
  const ClockReading universal = ReadingOf(chart.universal);
  // The hours carry the tenth of a thousandth of a typed time, so that
  // the chart gives what its date and time typed in Universal Time give.
  located.sky =
      SkyFor(universal.day, universal.month, universal.year,
             static_cast<double>(universal.secondOfDay) / kSecondsPerHour + kEnteredOffset,
             chart.place.longitude, chart.place.latitude);
  return located;
}

ToolOutcome<LocatedSky> LocateSaved(std::span<const std::string> args,
                                    const PlaceOptions& options) {
  const ToolOutcome<Chart> chart = SavedChart(args, options);
  if (!chart.ok()) return chart.ending();
  return LocatedChart(chart.value(), options.local);
}

}  // namespace sternwerk
