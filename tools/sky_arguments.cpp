#include "tools/sky_arguments.h"

#include <algorithm>

#include "engine/calendar.h"
#include "engine/state_texts.h"

namespace sternwerk {
namespace {

constexpr NumberRules kDigitsOnly{};
constexpr int kLastMinute = 59;
constexpr int kLastHour = 24;
constexpr double kMaxLongitude = 180;
constexpr double kMaxLatitude = 90;

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text) + "\"";
}

// A field of minDigits to maxDigits decimal digits.
Outcome<int> ParseDigits(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) {
    return Outcome<int>::Failure("falsche Anzahl Ziffern");
  }
  return ReadWholeNumber(text, kDigitsOnly);
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown(text);
  std::replace_if(
      shown.begin(), shown.end(),
      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
  return shown;
}

Outcome<CalendarDate> ParseDate(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return Outcome<CalendarDate>::Failure("Datum " + Quoted(text) + ": " + why);
  };
  const std::size_t first = text.find('.');
  const std::size_t second = first == text.npos ? text.npos : text.find('.', first + 1);
  if (second == text.npos) return bad("erwartet TT.MM.JJJJ");
  const Outcome<int> day = ParseDigits(text.substr(0, first), 1, 2);
  const Outcome<int> month = ParseDigits(text.substr(first + 1, second - first - 1), 1, 2);
  const Outcome<int> year = ParseDigits(text.substr(second + 1), 4, 4);
  if (!day.ok() || !month.ok() || !year.ok()) return bad("erwartet TT.MM.JJJJ");
  const CalendarDate date{day.value(), month.value(), year.value()};
  if (date.year < kFirstCalendarYear) {
    return bad("Jahre vor " + std::to_string(kFirstCalendarYear) + " werden nicht berechnet");
  }
  if (date.month < 1 || date.month > kMonthsPerYear) {
    return bad("keinen Monat " + std::to_string(date.month));
  }
  if (!IsCalendarDate(date.day, date.month, date.year)) return bad("diesen Tag gibt es nicht");
  return Outcome<CalendarDate>::Success(date);
}

Outcome<double> ParseTime(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return Outcome<double>::Failure("Zeit " + Quoted(text) + ": " + why);
  };
  int fields[3] = {0, 0, 0};
  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = text.find(':', start);
    if (count == 3) return bad("erwartet HH:MM[:SS]");
    const Outcome<int> field = ParseDigits(text.substr(start, colon - start), 1, 2);
    if (!field.ok()) return bad("erwartet HH:MM[:SS]");
    fields[count++] = field.value();
    if (colon == text.npos) break;
    start = colon + 1;
  }
  const auto [h, m, s] = fields;
  if (count < 2) return bad("erwartet HH:MM[:SS]");
  if (m > kLastMinute || s > kLastMinute) return bad("Minuten und Sekunden reichen bis 59");
  if (h > kLastHour || (h == kLastHour && (m > 0 || s > 0)))
    return bad("die Zeit reicht bis 24:00");
  // as the date dialog stores a typed time
  return Outcome<double>::Success(h + m / 60.0 + s / 3600.0 + kEnteredOffset);
}

Outcome<double> ParseDegrees(std::string_view text, std::string_view name, double low,
                             double high) {
  const Outcome<double> value = ReadNumber(text, kArgumentNumber);
  if (!value.ok()) {
    return Outcome<double>::Failure(std::string(name) + " " + Quoted(text) + ": keine Dezimalzahl");
  }
  if (value.value() < low || value.value() > high) {
    return Outcome<double>::Failure(std::string(name) + " " + Quoted(text) + ": muss zwischen " +
                                    std::to_string(static_cast<int>(low)) + " und " +
                                    std::to_string(static_cast<int>(high)) + " liegen");
  }
  return value;
}

Outcome<Place> ParsePlace(std::string_view longitude, std::string_view latitude) {
  const Outcome<double> east = ParseDegrees(longitude, "Länge", -kMaxLongitude, kMaxLongitude);
  if (!east.ok()) return Outcome<Place>::Failure(east.error());
  const Outcome<double> north = ParseDegrees(latitude, "Breite", -kMaxLatitude, kMaxLatitude);
  if (!north.ok()) return Outcome<Place>::Failure(north.error());
  return Outcome<Place>::Success({east.value(), north.value()});
}

}  // namespace sternwerk
