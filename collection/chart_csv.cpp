#include "collection/chart_csv.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/number_reading.h"
#include "base/time_units.h"

namespace sternwerk {
namespace {

enum Column {
  kName,
  kFirstName,
  kKind,
  kDate,
  kTime,
  kZone,
  kPlace,
  kRegion,
  kCountry,
  kLatitude,
  kLongitude,
  kUniversal,
  kNotes,
  kColumns
};

// The names of a column: written in German or English, read in any of them.
struct ColumnNames {
  const char* german;
  const char* english;
  const char* other;  // read too; may be null
};
constexpr std::array<ColumnNames, kColumns> kColumnNames = {{
    {"Name", "Name", nullptr},
    {"Vorname", "First name", "firstname"},
    {"Art", "Kind", nullptr},
    {"Datum", "Date", nullptr},
    {"Zeit", "Time", nullptr},
    {"Zone", "Zone", "Zeitzone"},
    {"Ort", "Place", nullptr},
    {"Region", "Region", nullptr},
    {"Land", "Country", nullptr},
    {"Breite", "Latitude", nullptr},
    {"Länge", "Longitude", "Laenge"},
    {"Weltzeit", "UT", "Universal time"},
    {"Notizen", "Notes", nullptr},
}};

constexpr int kSecondsPerDegreeOfMeanTime = 240;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr NumberRules kDegrees{.sign = true, .decimalComma = true};

struct Row {
  int line = 0;
  std::vector<std::string> fields;
};

// ASCII letters in small case, for comparing column names.
std::string Small(std::string_view text) {
  std::string small(text);
  for (char& c : small)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return small;
}

// The delimiter the header line uses most of.
char Delimiter(std::string_view text) {
  std::array<std::pair<char, int>, 3> counts = {{{',', 0}, {';', 0}, {'\t', 0}}};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r')) break;
    for (auto& [delimiter, count] : counts)
      if (!quoted && c == delimiter) ++count;
  }
  std::pair<char, int> most = counts[0];
  for (const auto& count : counts)
    if (count.second > most.second) most = count;
  return most.first;
}

// The rows of the text with the line each begins on.
std::vector<Row> Rows(std::string_view text, char delimiter) {
  std::vector<Row> rows;
  Row row{1, {}};
  std::string field;
  bool quoted = false;
  int line = 1;
  const auto endRow = [&] {
    row.fields.push_back(std::move(field));
    field.clear();
    bool blank = true;
    for (const std::string& f : row.fields) blank = blank && Trimmed(f).empty();
    if (!blank) rows.push_back(std::move(row));
    row = Row{line, {}};
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool lineEnd = c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    if (lineEnd) ++line;
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else if (c != '\r') {
        field += lineEnd ? '\n' : c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == delimiter) {
      row.fields.push_back(std::move(field));
      field.clear();
    } else if (lineEnd) {
      endRow();
    } else if (c != '\r') {
      field += c;
    }
  }
  endRow();
  return rows;
}

ImportProblem Problem(int line, const char* sentence, std::string_view value = {}) {
  return {line, WithArguments(CollectionText(sentence), {value})};
}

// "TT.MM.JJJJ" or "JJJJ-MM-TT".
std::optional<ClockReading> RowDate(std::string_view text) {
  if (text.find('-') == std::string_view::npos) return DottedDate(text);
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::string dotted = std::string(text.substr(8, 2)) + '.' + std::string(text.substr(5, 2)) +
                             '.' + std::string(text.substr(0, 4));
  return DottedDate(dotted);
}

// A date and time "TT.MM.JJJJ HH:MM[:SS]" (or ISO, with " " or "T").
std::optional<ClockSeconds> RowInstant(std::string_view text) {
  const std::size_t split = text.find_first_of(" T");
  if (split == std::string_view::npos) return std::nullopt;
  const std::optional<ClockReading> date = RowDate(text.substr(0, split));
  const std::optional<int> time = ClockTime(Trimmed(text.substr(split + 1)));
  if (!date || !time || text.substr(split + 1).find('.') != std::string_view::npos)
    return std::nullopt;
  return ClockSecondsOf(date->day, date->month, date->year, 0) + *time;
}

// A fixed offset "UT+1", "UT-3:30", "UTC+01:00", "+0:21:48": seconds.
std::optional<int> FixedOffset(std::string_view text) {
  for (std::string_view prefix : {"UTC", "UT", "GMT"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      break;
    }
  }
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  const int sign = text[0] == '-' ? -1 : 1;
  text.remove_prefix(1);
  int hours = 0;
  if (ReadDigits(text, 2, hours) && hours < 24) return sign * hours * kSecondsPerHour;
  const std::optional<int> time = ClockTime(text);
  if (!time || text.find('.') != std::string_view::npos) return std::nullopt;
  return sign * *time;
}

// How the zone field says the time was read, and its offset where it
// fixes one.
struct ZoneField {
  TimeReading reading = TimeReading::kZoneTime;
  std::optional<int> offset;
  std::string zone;  // an IANA id to look up
  std::string name;  // "UT", "LMT" as given
};
ZoneField ReadZoneField(std::string_view text) {
  const std::string small = Small(text);
  if (small == "ut" || small == "utc" || small == "gmt" || small == "wz")
    return {TimeReading::kUniversal, 0, {}, std::string(text)};
  if (small == "lmt" || small == "moz")
    return {TimeReading::kMeanTime, std::nullopt, {}, std::string(text)};
  if (const std::optional<int> fixed = FixedOffset(text))
    return {TimeReading::kZoneTime, fixed, {}, {}};
  return {TimeReading::kZoneTime, std::nullopt, std::string(text), {}};
}

class RowReader {
 public:
  RowReader(const std::array<int, kColumns>& at, const PlaceLookup& places)
      : at_(at), places_(places) {}

  // The chart of a row, or the problem that skips it.
  Outcome<Chart> Read(const Row& row, ImportProblem& problem) const {
    row_ = &row;
    Chart chart;
    chart.name = Field(kName);
    chart.firstName = Field(kFirstName);
    const std::string kind = Field(kKind);
    chart.kind = kind.size() == 1 ? KindOfLetter(kind[0]) : ChartKind::kUnstated;
    chart.notes = Field(kNotes);
    const std::optional<ClockReading> date = RowDate(Field(kDate));
    if (!date)
      return Failed(problem,
                    QT_TRANSLATE_NOOP("sternwerk::Collection",
                                      "Das Datum \"%1\" ist nicht lesbar (TT.MM.JJJJ)."),
                    Field(kDate));
    const std::optional<int> time = ClockTime(Field(kTime));
    if (!time)
      return Failed(problem,
                    QT_TRANSLATE_NOOP("sternwerk::Collection",
                                      "Die Zeit \"%1\" ist nicht lesbar (HH:MM oder "
                                      "HH:MM:SS)."),
                    Field(kTime));
    const ClockSeconds typed = ClockSecondsOf(date->day, date->month, date->year, 0) + *time;
    chart.typed = ReadingOf(typed);
    if (!Place(chart, problem)) return Outcome<Chart>::Failure(problem.message);
    if (!Instant(chart, typed, problem)) return Outcome<Chart>::Failure(problem.message);
    const Status checked = CheckChart(chart);
    if (!checked.ok()) {
      problem = {row.line, checked.error()};
      return Outcome<Chart>::Failure(problem.message);
    }
    return Outcome<Chart>::Success(std::move(chart));
  }

 private:
  std::string Field(Column column) const {
    const int at = at_[column];
    if (at < 0 || static_cast<std::size_t>(at) >= row_->fields.size()) return {};
    return std::string(Trimmed(row_->fields[static_cast<std::size_t>(at)]));
  }

  Outcome<Chart> Failed(ImportProblem& problem, const char* sentence,
                        std::string_view value = {}) const {
    Refuse(problem, sentence, value);
    return Outcome<Chart>::Failure(problem.message);
  }

  // Sets the problem of the row; false.
  bool Refuse(ImportProblem& problem, const char* sentence, std::string_view value = {}) const {
    problem = Problem(row_->line, sentence, value);
    return false;
  }

  // The place: typed coordinates, else the atlas's place of the name; the
  // row's region and country where it gives them.
  bool Place(Chart& chart, ImportProblem& problem) const {
    const std::string latitude = Field(kLatitude);
    const std::string longitude = Field(kLongitude);
    if (!latitude.empty() || !longitude.empty()) {
      const Outcome<double> north = ReadNumber(latitude, kDegrees);
      const Outcome<double> east = ReadNumber(longitude, kDegrees);
      if (!north.ok() || !east.ok()) {
        return Refuse(problem,
                      QT_TRANSLATE_NOOP("sternwerk::Collection",
                                        "Breite und Länge \"%1\" sind nicht lesbar "
                                        "(Dezimalgrad, Nord und Ost positiv)."),
                      latitude + " " + longitude);
      }
      chart.place.latitude = north.value();
      chart.place.longitude = east.value();
      chart.place.name = Field(kPlace);
    } else if (const std::string name = Field(kPlace); !name.empty()) {
      const std::optional<ChartPlace> found = places_.Named(name);
      if (!found) {
        return Refuse(
            problem,
            QT_TRANSLATE_NOOP("sternwerk::Collection",
                              "Den Ort \"%1\" kennt das Ortsverzeichnis nicht; bitte Breite "
                              "und Länge angeben."),
            name);
      }
      chart.place = *found;
    } else {
      return Refuse(problem,
                    QT_TRANSLATE_NOOP("sternwerk::Collection",
                                      "Die Zeile nennt weder einen Ort noch Breite und Länge."));
    }
    if (!Field(kRegion).empty()) chart.place.region = Field(kRegion);
    if (!Field(kCountry).empty()) chart.place.country = Field(kCountry);
    return true;
  }

  // How the time was read and the instant: the Universal Time column where
  // it is given, else the typed time in the zone.
  bool Instant(Chart& chart, ClockSeconds typed, ImportProblem& problem) const {
    ZoneField zone = ReadZoneField(Field(kZone));
    if (Field(kZone).empty()) {
      zone.zone = chart.place.timeZone.empty()
                      ? places_.ZoneNear(chart.place.longitude, chart.place.latitude)
                      : chart.place.timeZone;
      if (zone.zone.empty()) zone.reading = TimeReading::kMeanTime;
    }
    chart.reading = zone.reading;
    chart.zoneName = zone.name;
    if (!zone.zone.empty()) chart.place.timeZone = zone.zone;
    if (zone.reading == TimeReading::kMeanTime)
      zone.offset =
          static_cast<int>(std::lround(chart.place.longitude * kSecondsPerDegreeOfMeanTime));
    const std::string universal = Field(kUniversal);
    if (!universal.empty()) {
      const std::optional<ClockSeconds> instant = RowInstant(universal);
      if (!instant || std::abs(typed - *instant) >= kSecondsPerDay) {
        return Refuse(
            problem,
            QT_TRANSLATE_NOOP("sternwerk::Collection",
                              "Die Weltzeit \"%1\" ist nicht lesbar oder liegt mehr als einen "
                              "Tag neben Datum und Zeit."),
            universal);
      }
      chart.universal = *instant;
      chart.offsetSeconds = static_cast<int>(typed - *instant);
      if (!zone.zone.empty()) chart.zoneName = ZoneName(zone.zone, typed, chart);
      return true;
    }
    if (!zone.offset) {
      const Outcome<std::vector<ZoneOffset>> offsets =
          places_.Offsets(zone.zone, typed, chart.place.longitude);
      if (!offsets.ok()) {
        problem = {row_->line, offsets.error()};
        return false;
      }
      if (offsets.value().empty()) {
        return Refuse(problem,
                      QT_TRANSLATE_NOOP("sternwerk::Collection",
                                        "Diese Ortszeit gibt es in %1 nicht: Die Uhren wurden "
                                        "über diese Stunde vorgestellt."),
                      zone.zone);
      }
      zone.offset = offsets.value().front().seconds;
      chart.zoneName = offsets.value().front().abbreviation;
    }
    chart.offsetSeconds = *zone.offset;
    chart.universal = typed - *zone.offset;
    return true;
  }

  // The abbreviation the zone has at the chart's offset; empty where it
  // has none such.
  std::string ZoneName(const std::string& zone, ClockSeconds typed, const Chart& chart) const {
    const Outcome<std::vector<ZoneOffset>> offsets =
        places_.Offsets(zone, typed, chart.place.longitude);
    if (offsets.ok())
      for (const ZoneOffset& offset : offsets.value())
        if (offset.seconds == chart.offsetSeconds) return offset.abbreviation;
    return {};
  }

  const std::array<int, kColumns>& at_;
  const PlaceLookup& places_;
  mutable const Row* row_ = nullptr;
};

// "UT+1", "UT-3:30", "UT+0:21:48".
std::string OffsetText(int seconds) {
  const int size = std::abs(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "UT%c%d", seconds < 0 ? '-' : '+', size / kSecondsPerHour);
  std::string offset = text;
  if (size % kSecondsPerHour != 0) {
    std::snprintf(text, sizeof text, ":%02d", size % kSecondsPerHour / kSecondsPerMinute);
    offset += text;
  }
  if (size % kSecondsPerMinute != 0) {
    std::snprintf(text, sizeof text, ":%02d", size % kSecondsPerMinute);
    offset += text;
  }
  return offset;
}

std::string ZoneText(const Chart& chart) {
  switch (chart.reading) {
    case TimeReading::kUniversal:
      return "UT";
    case TimeReading::kMeanTime:
      return "LMT";
    case TimeReading::kZoneTime:
      break;
  }
  return chart.place.timeZone.empty() ? OffsetText(chart.offsetSeconds) : chart.place.timeZone;
}

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7f", value);  // a centimetre
  return text;
}

std::string Quoted(const std::string& field, char delimiter) {
  const bool plain = field.find_first_of(std::string("\"\r\n") + delimiter) == std::string::npos &&
                     Trimmed(field).size() == field.size();
  if (plain) return field;
  std::string quoted = "\"";
  for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

}  // namespace

ImportedCharts ReadChartCsv(std::string_view file, const PlaceLookup& places) {
  ImportedCharts read;
  const std::string text = Utf8Text(file);
  const std::vector<Row> rows = Rows(text, Delimiter(text));
  std::array<int, kColumns> at;
  at.fill(-1);
  if (!rows.empty()) {
    for (std::size_t i = 0; i < rows[0].fields.size(); ++i) {
      const std::string name = Small(Trimmed(rows[0].fields[i]));
      for (std::size_t column = 0; column < kColumns; ++column) {
        const ColumnNames& names = kColumnNames[column];
        if (name == Small(names.german) || name == Small(names.english) ||
            (names.other != nullptr && name == Small(names.other)))
          at[column] = static_cast<int>(i);
      }
    }
  }
  const bool placed = at[kPlace] >= 0 || (at[kLatitude] >= 0 && at[kLongitude] >= 0);
  if (at[kName] < 0 || at[kDate] < 0 || at[kTime] < 0 || !placed) {
    read.problems.push_back(Problem(
        1, QT_TRANSLATE_NOOP("sternwerk::Collection",
                             "Die erste Zeile muss die Spalten benennen: Name, Datum, Zeit und "
                             "Ort oder Breite und Länge (dazu wenn gewünscht Zone, Vorname, Art, "
                             "Region, Land, Weltzeit, Notizen).")));
    return read;
  }
  const RowReader reader(at, places);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ImportProblem problem;
    Outcome<Chart> chart = reader.Read(rows[i], problem);
    if (chart.ok()) {
      read.charts.push_back(std::move(chart).value());
    } else {
      read.problems.push_back(std::move(problem));
    }
  }
  return read;
}

std::string WrittenChartCsv(const std::vector<Chart>& charts) {
  const bool german = ShownLanguage() == Language::kGerman;
  const char delimiter = german ? ';' : ',';
  std::string text(kByteOrderMark);
  for (std::size_t column = 0; column < kColumns; ++column) {
    if (column > 0) text += delimiter;
    text += german ? kColumnNames[column].german : kColumnNames[column].english;
  }
  text += "\r\n";
  for (const Chart& chart : charts) {
    const std::array<std::string, kColumns> fields = {
        chart.name,
        chart.firstName,
        chart.kind == ChartKind::kUnstated ? std::string() : std::string(1, KindLetter(chart.kind)),
        DateText(chart.typed.day, chart.typed.month, chart.typed.year),
        ReadingText(chart.typed).substr(11),
        ZoneText(chart),
        chart.place.name,
        chart.place.region,
        chart.place.country,
        Degrees(chart.place.latitude),
        Degrees(chart.place.longitude),
        ReadingText(ReadingOf(chart.universal)),
        chart.notes,
    };
    for (std::size_t column = 0; column < kColumns; ++column) {
      if (column > 0) text += delimiter;
      text += Quoted(fields[column], delimiter);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace sternwerk
