#include "tools/collection_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "base/failure_text.h"
#include "base/file_replacement.h"
#include "base/system_error_text.h"
#include "collection/aaf_format.h"
#include "collection/chart_csv.h"
#include "collection/chart_of_instant.h"
#include "collection/chart_search.h"
#include "collection/chart_store.h"
#include "places/qt/civil_time.h"
#include "places/zone_texts.h"
#include "tools/chart_place_lookup.h"
#include "tools/located_sky.h"
#include "tools/saved_chart.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr std::string_view kSaveChart = "--save-chart";
constexpr std::string_view kCharts = "--charts";
constexpr std::string_view kImport = "--import";
constexpr std::string_view kExport = "--export";
// An exchange file beyond this is refused rather than read whole.
constexpr std::size_t kLargestImport = 64 * 1024 * 1024;

ToolResult Usage(const char* sentence) {
  return ToolResult::UsageError(Said(sentence));
}

// A well-formed request the collection does not carry out.
ToolResult Refused(std::string message) {
  return ToolResult::Failure(std::move(message), kExitNotFound);
}

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5f", value);
  return text;
}

// The zone column of --charts: "UT+1 MEZ", "UT+0:21:48 LMT", "UT+0 UT".
std::string ZoneColumn(const Chart& chart) {
  const std::string offset = ShortOffsetText(chart.offsetSeconds);
  return chart.zoneName.empty() ? offset : offset + ' ' + chart.zoneName;
}

std::string ChartLine(const Chart& chart) {
  return FullName(chart) + '\t' + KindLetter(chart.kind) + '\t' + ReadingText(chart.typed) + '\t' +
         ZoneColumn(chart) + '\t' + ReadingText(ReadingOf(chart.universal)) + '\t' +
         chart.place.name + '\t' + chart.place.region + '\t' + chart.place.country + '\t' +
         Degrees(chart.place.latitude) + '\t' + Degrees(chart.place.longitude);
}

// The saved chart's date and time as typed, how they were read, its
// Universal Time and its place under the name `name`; kind, first name and
// notes belong to the other chart and are not copied.
ToolOutcome<Chart> CopyOfSaved(const std::string& name,
                               const std::vector<std::string>& instantAndPlace,
                               const PlaceOptions& place) {
  const ToolOutcome<Chart> saved = SavedChart(instantAndPlace, place);
  if (!saved.ok()) return saved.ending();
  Chart copy = saved.value();
  copy.id = 0;
  copy.name = name;
  copy.firstName.clear();
  copy.kind = ChartKind::kUnstated;
  copy.notes.clear();
  return copy;
}

// The chart of NAME INSTANT [PLACE] with the place options: the time as
// typed and how it was read (the place's zone or mean time with --local,
// else Universal Time).
ToolOutcome<Chart> ChartOfArguments(const std::vector<std::string>& args,
                                    const PlaceOptions& place) {
  if (args.empty())
    return ToolResult::UsageError(Said(
        QT_TRANSLATE_NOOP("sternwerk-sky",
                          "--save-chart erwartet einen Namen, Datum und Zeit, wenn gewünscht den "
                          "Ort")));
  const Status utf8 =
      RequireUtf8(args[0], Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Name des Horoskops")));
  if (!utf8.ok()) return ToolResult::UsageError(utf8.error());
  const std::vector<std::string> instantAndPlace(args.begin() + 1, args.end());
  if (place.saved) return CopyOfSaved(args[0], instantAndPlace, place);
  if (instantAndPlace.empty())
    return ToolResult::UsageError(Said(QT_TRANSLATE_NOOP(
        "sternwerk-sky", "--save-chart erwartet nach dem Namen Datum und Zeit oder jetzt")));
  const ToolOutcome<LocatedSky> located = LocateArguments(instantAndPlace, place);
  if (!located.ok()) return located.ending();
  const LocatedSky& sky = located.value();
  const Outcome<ArgumentInstant> instant = ParseInstant(instantAndPlace, true);
  const bool typedLocal = place.local && instant.ok() && !instant.value().present;
  const PlaceIdentity identity{sky.place.name, sky.place.region, sky.place.country,
                               sky.timeZone.timeZone};
  return ChartOfInstant(args[0], UniversalSeconds(sky.sky),
                        {sky.sky.longitude, sky.sky.latitude, identity}, SystemPlaceTimeRules(),
                        typedLocal);
}

ToolResult SaveChart(const std::string& file, const std::vector<std::string>& args,
                     const PlaceOptions& place, std::ostream& out) {
  const ToolOutcome<Chart> chart = ChartOfArguments(args, place);
  if (!chart.ok()) return chart.ending();
  Outcome<ChartStore> opened = ChartStore::Open(file);
  if (!opened.ok()) return Refused(opened.error());
  ChartStore store = std::move(opened).value();
  const Outcome<std::int64_t> saved = store.Add(chart.value());
  if (!saved.ok()) return Refused(saved.error());
  out << ChartLine(chart.value()) << '\n';
  return ToolResult::Done();
}

// Every chart of the collection, which is created where it does not exist.
Outcome<std::vector<Chart>> StoredCharts(const std::string& file) {
  const Outcome<ChartStore> store = ChartStore::Open(file);
  if (!store.ok()) return Outcome<std::vector<Chart>>::Failure(store.error());
  return store.value().All();
}

ToolResult ListCharts(const std::string& file, const std::vector<std::string>& args,
                      std::ostream& out) {
  if (args.size() > 1)
    return Usage(QT_TRANSLATE_NOOP("sternwerk-sky", "--charts nimmt höchstens einen Suchtext"));
  const std::string typed = args.empty() ? std::string() : args[0];
  const Outcome<std::vector<Chart>> all = StoredCharts(file);
  if (!all.ok()) return Refused(all.error());
  const std::vector<std::size_t> found = ChartFilter(all.value()).Matching(typed);
  if (found.empty() && !typed.empty())
    return Refused(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Kein Horoskop passt zu \"%1\"")),
                      {Printable(typed)}));
  for (const std::size_t i : found) out << ChartLine(all.value()[i]) << '\n';
  return ToolResult::Done();
}

// The whole content of a file of at most kLargestImport bytes.
Outcome<std::string> FileContent(const std::string& name) {
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return Outcome<std::string>::Failure(FailureText(name, kOpened, SystemErrorText(errno)));
  std::string content;
  std::array<char, 65536> buffer;
  for (;;) {
    const ssize_t got = read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || content.size() + static_cast<std::size_t>(got) > kLargestImport) {
      const int error = got < 0 ? errno : EFBIG;
      close(fd);
      return Outcome<std::string>::Failure(FailureText(name, kRead, SystemErrorText(error)));
    }
    if (got == 0) break;
    content.append(buffer.data(), static_cast<std::size_t>(got));
  }
  close(fd);
  return Outcome<std::string>::Success(std::move(content));
}

ToolResult ImportCharts(const std::string& file, const std::vector<std::string>& args,
                        std::ostream& out) {
  if (args.size() != 1)
    return Usage(QT_TRANSLATE_NOOP("sternwerk-sky", "--import erwartet einen Dateinamen"));
  const Outcome<std::string> content = FileContent(args[0]);
  if (!content.ok()) return Refused(content.error());
  const ImportedCharts read = HoldsAafRecords(content.value())
                                  ? ReadAaf(content.value())
                                  : ReadChartCsv(content.value(), ProgramPlaceLookup());
  for (const ImportProblem& problem : read.problems) {
    std::cerr << "sternwerk-sky: "
              << WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1, Zeile %2: %3")),
                               {args[0], std::to_string(problem.line), problem.message})
              << '\n';
  }
  Outcome<ChartStore> opened = ChartStore::Open(file);
  if (!opened.ok()) return Refused(opened.error());
  ChartStore store = std::move(opened).value();
  const Status added = store.AddAll(read.charts);
  if (!added.ok()) return Refused(added.error());
  out << WithArguments(
             Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                    "%1 Horoskope aus %2 aufgenommen, %3 Datensätze übersprungen")),
             {std::to_string(read.charts.size()), args[0], std::to_string(read.problems.size())})
      << '\n';
  return ToolResult::Done(read.problems.empty() ? kExitSuccess : kExitNotFound);
}

bool EndsWith(const std::string& name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  for (std::size_t i = 0; i < ending.size(); ++i) {
    const char c = name[name.size() - ending.size() + i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ending[i]) return false;
  }
  return true;
}

ToolResult ExportCharts(const std::string& file, const std::vector<std::string>& args,
                        std::ostream& out) {
  if (args.size() != 1)
    return Usage(QT_TRANSLATE_NOOP("sternwerk-sky", "--export erwartet einen Dateinamen"));
  const bool aaf = EndsWith(args[0], ".aaf");
  if (!aaf && !EndsWith(args[0], ".csv"))
    return Usage(QT_TRANSLATE_NOOP("sternwerk-sky",
                                   "--export schreibt .aaf- oder .csv-Dateien; die Endung des "
                                   "Namens wählt das Format"));
  const Outcome<std::vector<Chart>> all = StoredCharts(file);
  if (!all.ok()) return Refused(all.error());
  const Status written =
      ReplaceFileContent(args[0], aaf ? WrittenAaf(all.value()) : WrittenChartCsv(all.value()));
  if (!written.ok()) return Refused(written.error());
  out << WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 Horoskope nach %2 geschrieben")),
                       {std::to_string(all.value().size()), args[0]})
      << '\n';
  return ToolResult::Done();
}

}  // namespace

bool IsCollectionCommand(const std::vector<std::string>& args) {
  if (!args.empty())
    for (std::string_view command : {kSaveChart, kCharts, kImport, kExport})
      if (args[0] == command) return true;
  return false;
}

ToolResult RunCollectionCommand(std::vector<std::string> args, const PlaceOptions& place,
                                std::ostream& out) {
  const std::string file = place.collection.value_or(kCollectionFileName);
  const std::string command = args[0];
  if ((place.any() || place.saved) && command != kSaveChart)
    return Usage(QT_TRANSLATE_NOOP("sternwerk-sky",
                                   "--place, --local und --saved gelten bei der Sammlung nur "
                                   "für --save-chart"));
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == kSaveChart) return SaveChart(file, rest, place, out);
  if (command == kCharts) return ListCharts(file, rest, out);
  if (command == kImport) return ImportCharts(file, rest, out);
  return ExportCharts(file, rest, out);
}

}  // namespace sternwerk
