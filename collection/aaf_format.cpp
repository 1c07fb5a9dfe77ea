#include "collection/aaf_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "base/number_reading.h"
#include "base/text_encoding.h"
#include "base/time_units.h"

namespace sternwerk {
namespace {

constexpr std::string_view kRecordStart = "#A93:";
constexpr std::string_view kExactData = "#B93:";
constexpr std::string_view kZoneName = "#ZNAM:";
constexpr std::string_view kComment = "#COM:";
constexpr std::string_view kFileComment = "#:";
constexpr std::string_view kUnknown = "*";
constexpr std::size_t kTypedFields = 7;
constexpr std::size_t kExactFields = 5;
constexpr int kSecondsPerDegreeOfMeanTime = 240;
constexpr int kArcSecondsPerDegree = 3600;
constexpr double kLastJulianDay = 1e7;  // far beyond the chart years; bounds the conversion
constexpr const char* kLineEnd = "\r\n";

// The record being read.
struct Record {
  int line = 0;  // of its #A93 chunk
  std::vector<std::string> typed;
  int exactLine = 0;  // of its #B93 chunk; 0: none
  std::vector<std::string> exact;
  std::string zoneName;
  std::string comment;
  bool inComment = false;  // lines without a chunk go on the comment
};

std::vector<std::string> Fields(std::string_view data) {
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t comma = data.find(',');
    fields.emplace_back(Trimmed(data.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    data.remove_prefix(comma + 1);
  }
}

bool Known(std::string_view field) {
  return !field.empty() && field != kUnknown;
}

std::string Text(std::string_view field) {
  return Known(field) ? std::string(field) : std::string();
}

// Minutes and seconds after the letter of a coordinate or zone: "MM" or
// "MM:SS", nothing at all where `optional`.
std::optional<int> MinutesAndSeconds(std::string_view text, bool optional) {
  if (text.empty()) return optional ? std::optional<int>(0) : std::nullopt;
  const std::size_t colon = text.find(':');
  int minutes = 0, seconds = 0;
  if (!ReadDigits(text.substr(0, colon), 2, minutes) || minutes > 59 ||
      (colon != std::string_view::npos &&
       (!ReadDigits(text.substr(colon + 1), 2, seconds) || seconds > 59)))
    return std::nullopt;
  return minutes * kSecondsPerMinute + seconds;
}

// "49n05", "8e11", "122w25:30": degrees, a letter of `positive` or
// `negative`, minutes and seconds if wanted; within `limit` degrees.
std::optional<double> AafAngle(std::string_view text, std::string_view positive,
                               std::string_view negative, int limit) {
  const std::size_t letter = text.find_first_not_of("0123456789");
  if (letter == std::string_view::npos) return std::nullopt;
  const char sideLetter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[letter])));
  const bool isPositive = positive.find(sideLetter) != std::string_view::npos;
  if (!isPositive && negative.find(sideLetter) == std::string_view::npos) return std::nullopt;
  int degrees = 0;
  const std::optional<int> rest = MinutesAndSeconds(text.substr(letter + 1), false);
  if (!ReadDigits(text.substr(0, letter), 3, degrees) || !rest) return std::nullopt;
  const int arcSeconds = degrees * kArcSecondsPerDegree + *rest;
  if (arcSeconds > limit * kArcSecondsPerDegree) return std::nullopt;
  return (isPositive ? 1 : -1) * static_cast<double>(arcSeconds) / kArcSecondsPerDegree;
}

// The zone: hours, an optional "h", "e" (east, ahead of Universal Time) or
// "w", minutes and seconds if wanted ("1he", "1he00", "0e21:48", "5hw30");
// or whole hours east alone ("1"). Seconds, east positive.
std::optional<int> AafZone(std::string_view text) {
  int hours = 0;
  if (ReadDigits(text, 2, hours)) return hours * kSecondsPerHour;
  const std::size_t letter = text.find_first_not_of("0123456789");
  if (letter == std::string_view::npos || !ReadDigits(text.substr(0, letter), 2, hours))
    return std::nullopt;
  std::size_t side = letter;
  if (text[side] == 'h' || text[side] == 'H') ++side;
  if (side >= text.size()) return std::nullopt;
  const char sideLetter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[side])));
  if (sideLetter != 'e' && sideLetter != 'o' && sideLetter != 'w') return std::nullopt;
  const std::optional<int> rest = MinutesAndSeconds(text.substr(side + 1), true);
  if (!rest) return std::nullopt;
  const int seconds = hours * kSecondsPerHour + *rest;
  if (seconds >= kSecondsPerDay) return std::nullopt;
  return sideLetter == 'w' ? -seconds : seconds;
}

// The summer time: whole or decimal hours ("0", "1", "0.5"); "L" or "m"
// for the place's mean time.
struct SummerTime {
  int seconds = 0;
  bool meanTime = false;
};
std::optional<SummerTime> AafSummerTime(std::string_view text) {
  if (!Known(text)) return SummerTime{};
  if (text == "L" || text == "l" || text == "m" || text == "M") return SummerTime{0, true};
  const Outcome<double> hours = ReadNumber(text, {.sign = true});
  if (!hours.ok() || std::abs(hours.value()) > 2) return std::nullopt;
  return SummerTime{static_cast<int>(std::lround(hours.value() * kSecondsPerHour)), false};
}

bool IsMeanTimeName(std::string_view name) {
  return name == "LMT" || name == "MOZ" || name == "LT";
}

bool IsUniversalName(std::string_view name) {
  return name == "UT" || name == "UTC" || name == "WZ";
}

ImportProblem Problem(int line, const char* sentence, std::string_view value = {}) {
  return {line, WithArguments(CollectionText(sentence), {value})};
}

// The chart of a record, or the problem that skips it.
Outcome<Chart> RecordChart(const Record& record, ImportProblem& problem) {
  const auto failed = [&](ImportProblem found) {
    problem = std::move(found);
    return Outcome<Chart>::Failure(problem.message);
  };
  if (record.typed.size() != kTypedFields)
    return failed(
        Problem(record.line,
                QT_TRANSLATE_NOOP("sternwerk::Collection",
                                  "#A93 braucht sieben Felder (Name, Vorname, Art, Datum, "
                                  "Zeit, Ort, Land), hier sind es %1."),
                std::to_string(record.typed.size())));
  const std::vector<std::string>& typed = record.typed;
  Chart chart;
  chart.name = Text(typed[0]);
  chart.firstName = Text(typed[1]);
  chart.kind = typed[2].size() == 1 ? KindOfLetter(typed[2][0]) : ChartKind::kUnstated;
  chart.place.name = Text(typed[5]);
  chart.place.country = Text(typed[6]);
  chart.zoneName = record.zoneName;
  chart.notes = std::string(Trimmed(record.comment));
  std::optional<ClockReading> date;
  std::optional<int> time;
  if (Known(typed[3]) && !(date = DottedDate(typed[3])))
    return failed(Problem(
        record.line,
        QT_TRANSLATE_NOOP("sternwerk::Collection", "Das Datum \"%1\" ist nicht lesbar (T.M.JJJJ)."),
        typed[3]));
  if (Known(typed[4]) && !(time = ClockTime(typed[4])))
    return failed(
        Problem(record.line,
                QT_TRANSLATE_NOOP("sternwerk::Collection",
                                  "Die Zeit \"%1\" ist nicht lesbar (H:MM oder H:MM:SS)."),
                typed[4]));
  if (record.exactLine == 0)
    return failed(Problem(
        record.line,
        QT_TRANSLATE_NOOP("sternwerk::Collection", "Der Ort hat keine Koordinaten: #B93 fehlt.")));
  const int line = record.exactLine;
  const std::vector<std::string>& exact = record.exact;
  if (exact.size() != kExactFields)
    return failed(Problem(line,
                          QT_TRANSLATE_NOOP("sternwerk::Collection",
                                            "#B93 braucht fünf Felder (Julianischer Tag, Breite, "
                                            "Länge, Zone, Sommerzeit), hier sind es %1."),
                          std::to_string(exact.size())));
  const std::optional<double> latitude = AafAngle(exact[1], "n", "s", 90);
  const std::optional<double> longitude = AafAngle(exact[2], "eo", "w", 180);
  for (int field : {1, 2}) {
    if (!(field == 1 ? latitude : longitude))
      return failed(Problem(line,
                            QT_TRANSLATE_NOOP("sternwerk::Collection",
                                              "Die Koordinate \"%1\" ist nicht lesbar (z.B. "
                                              "49n05, 8e11)."),
                            exact[static_cast<std::size_t>(field)]));
  }
  chart.place.latitude = *latitude;
  chart.place.longitude = *longitude;
  std::optional<int> zone;
  if (Known(exact[3]) && !(zone = AafZone(exact[3])))
    return failed(
        Problem(line,
                QT_TRANSLATE_NOOP("sternwerk::Collection",
                                  "Die Zone \"%1\" ist nicht lesbar (z.B. 1he00, 5hw00, 0e21:48)."),
                exact[3]));
  const std::optional<SummerTime> summer = AafSummerTime(exact[4]);
  if (!summer)
    return failed(Problem(line,
                          QT_TRANSLATE_NOOP("sternwerk::Collection",
                                            "Die Sommerzeit \"%1\" ist nicht lesbar (Stunden, "
                                            "oder L für mittlere Ortszeit)."),
                          exact[4]));
  const bool meanTime = summer->meanTime || IsMeanTimeName(chart.zoneName);
  chart.reading = meanTime ? TimeReading::kMeanTime
                  : IsUniversalName(chart.zoneName) && zone.value_or(0) == 0 && summer->seconds == 0
                      ? TimeReading::kUniversal
                      : TimeReading::kZoneTime;
  if (meanTime && !zone)
    zone = static_cast<int>(std::lround(chart.place.longitude * kSecondsPerDegreeOfMeanTime));
  chart.summerSeconds = meanTime ? 0 : summer->seconds;
  std::optional<ClockSeconds> universal;
  if (Known(exact[0])) {
    const Outcome<double> day = ReadNumber(exact[0], {});
    if (!day.ok() || day.value() > kLastJulianDay)
      return failed(Problem(line,
                            QT_TRANSLATE_NOOP("sternwerk::Collection",
                                              "Der Julianische Tag \"%1\" ist nicht lesbar."),
                            exact[0]));
    universal = InstantOfJulianDay(day.value());
  }
  std::optional<ClockSeconds> typedSeconds;
  if (date && time) typedSeconds = ClockSecondsOf(date->day, date->month, date->year, 0) + *time;
  // The Julian day wins over the typed date and time; a zone not given is
  // the difference between them.
  if (zone) {
    chart.offsetSeconds = *zone + chart.summerSeconds;
  } else if (universal && typedSeconds) {
    chart.offsetSeconds = static_cast<int>(
        std::clamp<ClockSeconds>(*typedSeconds - *universal, -kSecondsPerDay, kSecondsPerDay));
    chart.summerSeconds = 0;
  }
  if (!universal && typedSeconds && zone) universal = *typedSeconds - chart.offsetSeconds;
  if (!universal || !(typedSeconds || zone))
    return failed(Problem(line, QT_TRANSLATE_NOOP("sternwerk::Collection",
                                                  "Der Zeitpunkt ist unbekannt: Es fehlen der "
                                                  "Julianische Tag oder Datum, Zeit und Zone.")));
  chart.universal = *universal;
  chart.typed = ReadingOf(typedSeconds ? *typedSeconds : *universal + chart.offsetSeconds);
  const Status checked = CheckChart(chart);
  if (!checked.ok()) return failed({record.line, checked.error()});
  return Outcome<Chart>::Success(std::move(chart));
}

void Finish(std::optional<Record>& record, ImportedCharts& read) {
  if (!record) return;
  ImportProblem problem;
  Outcome<Chart> chart = RecordChart(*record, problem);
  if (chart.ok()) {
    read.charts.push_back(std::move(chart).value());
  } else {
    read.problems.push_back(std::move(problem));
  }
  record.reset();
}

// A field as the format holds it: no commas, "*" for nothing.
std::string Field(const std::string& text) {
  if (text.empty()) return std::string(kUnknown);
  std::string field = text;
  for (char& c : field)
    if (c == ',' || c == '\n' || c == '\r') c = ';';
  return field;
}

std::string Coordinate(double value, char positive, char negative) {
  const long arcSeconds = std::lround(std::abs(value) * kArcSecondsPerDegree);
  char text[32];
  std::snprintf(text, sizeof text, "%ld%c%02ld", arcSeconds / kArcSecondsPerDegree,
                value < 0 ? negative : positive, arcSeconds % kArcSecondsPerDegree / 60);
  std::string coordinate = text;
  if (arcSeconds % 60 != 0) {
    std::snprintf(text, sizeof text, ":%02ld", arcSeconds % 60);
    coordinate += text;
  }
  return coordinate;
}

std::string Zone(int seconds) {
  const int size = std::abs(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%dh%c%02d", size / kSecondsPerHour, seconds < 0 ? 'w' : 'e',
                size % kSecondsPerHour / kSecondsPerMinute);
  std::string zone = text;
  if (size % kSecondsPerMinute != 0) {
    std::snprintf(text, sizeof text, ":%02d", size % kSecondsPerMinute);
    zone += text;
  }
  return zone;
}

std::string SummerHours(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(seconds) / kSecondsPerHour);
  return text;
}

std::string TypedTime(int secondOfDay) {
  char text[32];
  const int hours = secondOfDay / kSecondsPerHour;
  const int minutes = secondOfDay % kSecondsPerHour / kSecondsPerMinute;
  const int seconds = secondOfDay % kSecondsPerMinute;
  if (seconds == 0) {
    std::snprintf(text, sizeof text, "%d:%02d", hours, minutes);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d:%02d", hours, minutes, seconds);
  }
  return text;
}

std::string Record93(const Chart& chart) {
  char day[32];
  std::snprintf(day, sizeof day, "%014.6f", JulianDayOf(chart.universal));
  const bool meanTime = chart.reading == TimeReading::kMeanTime;
  std::string lines = std::string(kRecordStart) + Field(chart.name) + ',' + Field(chart.firstName) +
                      ',' + KindLetter(chart.kind) + ',' + std::to_string(chart.typed.day) + '.' +
                      std::to_string(chart.typed.month) + '.' + std::to_string(chart.typed.year) +
                      ',' + TypedTime(chart.typed.secondOfDay) + ',' + Field(chart.place.name) +
                      ',' + Field(chart.place.country) + kLineEnd;
  lines += std::string(kExactData) + day + ',' + Coordinate(chart.place.latitude, 'n', 's') + ',' +
           Coordinate(chart.place.longitude, 'e', 'w') + ',' +
           Zone(chart.offsetSeconds - chart.summerSeconds) + ',' +
           (meanTime ? std::string("L") : SummerHours(chart.summerSeconds)) + kLineEnd;
  std::string zoneName = chart.zoneName;
  if (zoneName.empty() && chart.reading != TimeReading::kZoneTime)
    zoneName = meanTime ? "LMT" : "UT";
  if (!zoneName.empty()) lines += std::string(kZoneName) + Field(zoneName) + kLineEnd;
  if (!chart.notes.empty()) {
    std::string comment = std::string(kComment);
    for (const char c : chart.notes) {
      if (c == '\n') {
        comment += kLineEnd;
        comment += ' ';  // a line of the comment never begins a chunk
      } else if (c != '\r') {
        comment += c;
      }
    }
    lines += comment + kLineEnd;
  }
  return lines;
}

}  // namespace

bool HoldsAafRecords(std::string_view file) {
  for (const std::string& line : TextLines(file))
    if (line.starts_with(kRecordStart)) return true;
  return false;
}

ImportedCharts ReadAaf(std::string_view file) {
  ImportedCharts read;
  std::optional<Record> record;
  const std::vector<std::string> lines = TextLines(file);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const int line = static_cast<int>(index + 1);
    const std::string_view text = lines[index];
    if (text.starts_with(kFileComment) || Trimmed(text).empty()) continue;
    if (text.starts_with(kRecordStart)) {
      Finish(record, read);
      record = Record();
      record->line = line;
      record->typed = Fields(text.substr(kRecordStart.size()));
      continue;
    }
    if (!record) {
      read.problems.push_back(Problem(
          line, QT_TRANSLATE_NOOP("sternwerk::Collection",
                                  "Die Zeile gehört zu keinem Datensatz: Er beginnt mit #A93.")));
      continue;
    }
    if (text.starts_with('#')) record->inComment = false;
    if (text.starts_with(kExactData) && record->exactLine == 0) {
      record->exactLine = line;
      record->exact = Fields(text.substr(kExactData.size()));
    } else if (text.starts_with(kZoneName)) {
      record->zoneName = std::string(Trimmed(text.substr(kZoneName.size())));
    } else if (text.starts_with(kComment)) {
      record->comment += (record->comment.empty() ? "" : "\n") +
                         std::string(Trimmed(text.substr(kComment.size())));
      record->inComment = true;
    } else if (!text.starts_with('#') && record->inComment) {
      record->comment += '\n' + std::string(Trimmed(text));
    }
  }
  Finish(record, read);
  return read;
}

std::string WrittenAaf(const std::vector<Chart>& charts) {
  std::string text;
  for (const Chart& chart : charts) text += Record93(chart);
  return Utf8ToWindows1252(text);
}

}  // namespace sternwerk
