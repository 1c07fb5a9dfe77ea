#include "collection/chart.h"

#include <cmath>

#include "base/time_units.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr const char* kCollectionContext = "sternwerk::Collection";
constexpr unsigned char kLineFeed = '\n';

// The length of the UTF-8 sequence at `at`, 0 where none begins there.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, lowest = 0x10000;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

// Whether the text holds a control character; line feeds count only where
// they are not allowed.
bool HasControl(std::string_view text, bool lineFeeds) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && !(lineFeeds && byte == kLineFeed)) || byte == 0x7F) return true;
  }
  return false;
}

Status Refused(const char* sentence) {
  return Status::Failure(CollectionText(sentence));
}

}  // namespace

std::string CollectionText(const char* sourceText) {
  return Translated(kCollectionContext, sourceText);
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

Status CheckChart(const Chart& chart) {
  if (chart.name.find_first_not_of(' ') == std::string::npos)
    return Refused(QT_TRANSLATE_NOOP("sternwerk::Collection", "Das Horoskop hat keinen Namen."));
  for (const std::string* text :
       {&chart.name, &chart.firstName, &chart.zoneName, &chart.place.name, &chart.place.region,
        &chart.place.country, &chart.place.timeZone, &chart.notes}) {
    if (!IsUtf8(*text) || HasControl(*text, text == &chart.notes))
      return Refused(QT_TRANSLATE_NOOP("sternwerk::Collection",
                                       "Ein Text des Horoskops ist kein UTF-8 oder enthält "
                                       "Steuerzeichen."));
  }
  if (!(std::abs(chart.place.longitude) <= 180) || !(std::abs(chart.place.latitude) <= 90))
    return Refused(QT_TRANSLATE_NOOP("sternwerk::Collection",
                                     "Die Länge muss zwischen -180 und 180 Grad liegen, die "
                                     "Breite zwischen -90 und 90 Grad."));
  const int year = ReadingOf(chart.universal).year;
  if (year < kFirstChartYear || year > kLastChartYear)
    return Status::Failure(WithArguments(
        CollectionText(QT_TRANSLATE_NOOP("sternwerk::Collection",
                                         "Die Weltzeit des Horoskops liegt außerhalb der Jahre "
                                         "%1 bis %2.")),
        {std::to_string(kFirstChartYear), std::to_string(kLastChartYear)}));
  // The typed date may lie a day beyond the years of its Universal Time.
  const ClockReading& typed = chart.typed;
  if (typed.year < kFirstChartYear - 1 || typed.year > kLastChartYear + 1 || typed.month < 1 ||
      typed.month > kMonthsPerYear || typed.day < 1 ||
      typed.day > DaysInMonth(typed.month, typed.year) || typed.secondOfDay < 0 ||
      typed.secondOfDay >= kSecondsPerDay)
    return Refused(
        QT_TRANSLATE_NOOP("sternwerk::Collection", "Datum oder Zeit des Horoskops gibt es nicht."));
  if (std::abs(chart.offsetSeconds) >= kSecondsPerDay ||
      std::abs(chart.summerSeconds) >= kSecondsPerDay)
    return Refused(QT_TRANSLATE_NOOP("sternwerk::Collection",
                                     "Der Abstand der Zeitzone zur Weltzeit ist größer als ein "
                                     "Tag."));
  return Status::Success();
}

std::string FullName(const Chart& chart) {
  return chart.firstName.empty() ? chart.name : chart.name + ", " + chart.firstName;
}

char KindLetter(ChartKind kind) {
  switch (kind) {
    case ChartKind::kMale:
      return 'm';
    case ChartKind::kFemale:
      return 'f';
    case ChartKind::kEvent:
      return 'e';
    case ChartKind::kCountry:
      return 'l';
    case ChartKind::kOrganisation:
      return 'o';
    case ChartKind::kUnstated:
      break;
  }
  return '*';
}

ChartKind KindOfLetter(char letter) {
  switch (letter) {
    case 'm':
    case 'M':
      return ChartKind::kMale;
    case 'f':
    case 'F':
    case 'w':
    case 'W':
      return ChartKind::kFemale;
    case 'e':
    case 'E':
      return ChartKind::kEvent;
    case 'l':
    case 'L':
      return ChartKind::kCountry;
    case 'o':
    case 'O':
      return ChartKind::kOrganisation;
    default:
      return ChartKind::kUnstated;
  }
}

std::string ReadingText(const ClockReading& reading) {
  return DateText(reading.day, reading.month, reading.year) + " " +
         FormatSeconds(reading.secondOfDay);
}

}  // namespace sternwerk
