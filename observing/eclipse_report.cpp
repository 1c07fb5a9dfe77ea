#include "observing/eclipse_report.h"

#include <optional>

#include "base/time_units.h"
#include "base/translation.h"
#include "observing/decimal_text.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::EclipseReport";
constexpr double kPercent = 100;
constexpr int kMagnitudeDecimals = 3;
constexpr int kPercentDecimals = 1;
constexpr int kAltitudeDecimals = 1;
constexpr const char* kDegree = "\xC2\xB0";

std::string Shown(const char* sourceText) {
  return Translated(kContext, sourceText);
}

std::string AltitudeText(double degrees) {
  return ShownDecimalText(degrees, kAltitudeDecimals, true) + kDegree;
}

std::string MagnitudeLine(const char* label, double magnitude) {
  return WithArguments(Shown(label), {ShownDecimalText(magnitude, kMagnitudeDecimals)});
}

std::string WhenLine(const char* label, const EclipseInstantText& when, ClockSeconds instant) {
  return WithArguments(Shown(label), {when(instant)});
}

// "C1: <when>, Sonne +58,0°"; `bodyLine` names the eclipsed body.
std::string ContactLine(const EclipseContact& contact, const EclipseInstantText& when,
                        const char* bodyLine) {
  std::string line = WithArguments(
      Shown(bodyLine), {contact.code, when(contact.instant), AltitudeText(contact.altitude)});
  if (!contact.up)
    line += Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", " (unter dem Horizont)"));
  return line;
}

// "6 min 21 s" of a duration.
std::string DurationText(ClockSeconds seconds) {
  return WithArguments(
      Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "%1 min %2 s")),
      {std::to_string(seconds / kSecondsPerMinute), std::to_string(seconds % kSecondsPerMinute)});
}

// Between C2 and C3, where the eclipse is total or annular there and both
// contacts happen.
std::optional<std::string> CentralPhaseLine(const LocalSolarEclipse& eclipse) {
  constexpr std::size_t kAllFourContacts = 4;
  if (eclipse.kind == SolarEclipseKind::kPartial || eclipse.contacts.size() != kAllFourContacts)
    return std::nullopt;
  const ClockSeconds central = eclipse.contacts[2].instant - eclipse.contacts[1].instant;
  return WithArguments(
      eclipse.kind == SolarEclipseKind::kTotal
          ? Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Dauer der Totalität: %1"))
          : Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Dauer der Ringförmigkeit: %1")),
      {DurationText(central)});
}

}  // namespace

std::vector<std::string> SolarEclipseLines(const LocalSolarEclipse& eclipse,
                                           const EclipseInstantText& when) {
  std::vector<std::string> lines = {
      MagnitudeLine(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Größe: %1"), eclipse.magnitude),
      WithArguments(Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Bedeckung: %1 %")),
                    {ShownDecimalText(eclipse.obscuration * kPercent, kPercentDecimals)}),
      WhenLine(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Maximum: %1"), when, eclipse.maximum),
      WithArguments(
          Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Sonnenhöhe im Maximum: %1")),
          {AltitudeText(eclipse.sunAltitude)})};
  for (const EclipseContact& contact : eclipse.contacts) {
    lines.push_back(ContactLine(contact, when,
                                QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "%1: %2, Sonne %3")));
  }
  if (const std::optional<std::string> central = CentralPhaseLine(eclipse))
    lines.push_back(*central);
  if (eclipse.sunrise) {
    lines.push_back(WhenLine(
        QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Sonnenaufgang während der Finsternis: %1"),
        when, *eclipse.sunrise));
  }
  if (eclipse.sunset) {
    lines.push_back(WhenLine(
        QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Sonnenuntergang während der Finsternis: %1"),
        when, *eclipse.sunset));
  }
  return lines;
}

std::vector<std::string> LunarEclipseLines(const LunarEclipse& eclipse,
                                           const EclipseInstantText& when) {
  std::string altitude = AltitudeText(eclipse.moonAltitude);
  if (!eclipse.visible)
    altitude += ", " + Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "nicht sichtbar"));
  std::vector<std::string> lines = {
      MagnitudeLine(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Größe im Kernschatten: %1"),
                    eclipse.umbralMagnitude),
      MagnitudeLine(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Größe im Halbschatten: %1"),
                    eclipse.penumbralMagnitude),
      WhenLine(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Maximum: %1"), when, eclipse.maximum),
      WithArguments(Shown(QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "Mondhöhe im Maximum: %1")),
                    {altitude})};
  for (const EclipseContact& contact : eclipse.contacts) {
    lines.push_back(ContactLine(contact, when,
                                QT_TRANSLATE_NOOP("sternwerk::EclipseReport", "%1: %2, Mond %3")));
  }
  return lines;
}

}  // namespace sternwerk
