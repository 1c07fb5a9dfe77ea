#include "observing/sky_here.h"

#include <algorithm>

#include "base/translation.h"
#include "engine/factors.h"
#include "observing/compass_point.h"
#include "observing/decimal_text.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::SkyHere";
constexpr const char* kDegree = "\xC2\xB0";
constexpr double kPercent = 100;
constexpr const char* kColumnGap = "  ";

std::string Text(const char* source) {
  return Translated(kContext, source);
}

// The rise and set cells of a body that neither rises nor sets that day.
std::string AllDayText(const HorizonDay& events) {
  if (events.upAllDay) return Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "immer über"));
  if (events.downAllDay) return Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "immer unter"));
  return "\xE2\x80\x94";  // an em dash: no such event that day
}

std::string EventText(const std::optional<ClockSeconds>& instant, const HorizonDay& events,
                      const EventClock& clock) {
  return instant ? clock(*instant) : AllDayText(events);
}

std::vector<std::string> BodyRow(const BodyInSky& body, const HorizonDay& events,
                                 const EventClock& clock) {
  return {ShownFactorCode(body.factor),
          ShownDecimalText(body.altitude, 1, true) + kDegree,
          ShownDecimalText(body.azimuth, 1) + kDegree,
          CompassPoint(body.azimuth),
          body.up ? Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "über"))
                  : Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "unter")),
          RightAscensionText(body.rightAscension),
          DeclinationText(body.declination),
          ShownDecimalText(body.eclipticLatitude, 2, true) + kDegree,
          ShownDecimalText(body.distance, body.factor == kMoon ? 6 : 4),
          ShownDecimalText(body.magnitude, 1, true),
          ShownDecimalText(body.illuminated * kPercent, 0) + " %",
          EventText(events.rise, events, clock),
          events.transit ? clock(*events.transit) : std::string("\xE2\x80\x94"),
          EventText(events.set, events, clock)};
}

std::vector<std::string> Notes(const SkyHere& sky, const EventClock& clock) {
  std::vector<std::string> notes;
  notes.push_back(WithArguments(
      Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Mond: %1, %2 % beleuchtet, %3 Tage alt")),
      {MoonPhaseText(sky.moon.name), ShownDecimalText(sky.moon.illuminated * kPercent, 0),
       ShownDecimalText(sky.moon.ageDays, 1)}));
  for (const TwilightEdge edge : {TwilightEdge::kDawn, TwilightEdge::kDusk}) {
    for (std::size_t depth = 0; depth < kTwilightDepths.size(); ++depth) {
      const std::optional<ClockSeconds>& instant =
          (edge == TwilightEdge::kDawn ? sky.day.twilights.dawn : sky.day.twilights.dusk)[depth];
      notes.push_back(
          TwilightName(kTwilightDepths[depth], edge) + ": " +
          (instant ? clock(*instant) : Text(QT_TRANSLATE_NOOP("sternwerk::SkyHere", "keine"))));
    }
  }
  notes.push_back(Text(QT_TRANSLATE_NOOP(
      "sternwerk::SkyHere",
      "Alle Werte dieser Tafel berechnet die Swiss Ephemeris, in beiden Rechenarten.")));
  return notes;
}

// The number of characters of a UTF-8 text, as a fixed-width font shows them.
std::size_t ShownWidth(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

Outcome<SkyHere> SkyHereAt(ClockSeconds instant, const LocalDay& day, const ObserverPlace& place) {
  Outcome<ObservingDay> observing = ObservingDayOf(day, place);
  if (!observing.ok()) return Outcome<SkyHere>::Failure(observing.error());
  return SkyHereAt(instant, std::move(observing).value(), place);
}

Outcome<SkyHere> SkyHereAt(ClockSeconds instant, ObservingDay day, const ObserverPlace& place) {
  using Result = Outcome<SkyHere>;
  Outcome<std::vector<BodyInSky>> bodies = ObserveSky(instant, place);
  if (!bodies.ok()) return Result::Failure(bodies.error());
  const Outcome<MoonPhase> moon = MoonPhaseAt(instant);
  if (!moon.ok()) return Result::Failure(moon.error());
  return Result::Success({instant, std::move(bodies).value(), moon.value(), std::move(day)});
}

SkyHereTable SkyHereTableOf(const SkyHere& sky, const EventClock& clock) {
  SkyHereTable table;
  for (const char* title : {QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Körper"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Höhe"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Azimut"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Richtung"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Horizont"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "RA"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Dekl."),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Ekl. Breite"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Abstand AE"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Helligkeit"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "beleuchtet"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Aufgang"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Kulmination"),
                            QT_TRANSLATE_NOOP("sternwerk::SkyHere", "Untergang")})
    table.header.push_back(Text(title));
  for (const BodyInSky& body : sky.bodies)
    table.rows.push_back(BodyRow(body, HorizonDayOfBody(sky.day, body.factor), clock));
  table.notes = Notes(sky, clock);
  return table;
}

std::vector<std::string> SkyHereLines(const SkyHereTable& table) {
  std::vector<std::size_t> widths(table.header.size());
  std::vector<std::vector<std::string>> lines = {table.header};
  lines.insert(lines.end(), table.rows.begin(), table.rows.end());
  for (const std::vector<std::string>& cells : lines) {
    for (std::size_t column = 0; column < cells.size() && column < widths.size(); ++column)
      widths[column] = std::max(widths[column], ShownWidth(cells[column]));
  }
  std::vector<std::string> text;
  for (const std::vector<std::string>& cells : lines) {
    std::string line;
    for (std::size_t column = 0; column < cells.size() && column < widths.size(); ++column) {
      if (column > 0) line += kColumnGap;
      line += cells[column];
      if (column + 1 < cells.size()) line.append(widths[column] - ShownWidth(cells[column]), ' ');
    }
    text.push_back(line);
  }
  text.push_back({});
  text.insert(text.end(), table.notes.begin(), table.notes.end());
  return text;
}

}  // namespace sternwerk
