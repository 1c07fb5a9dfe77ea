// The check of a factor code typed into the factor choice dialog: which
// codes choose a factor, which are refused and with what message.
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"
#include "engine/event_search.h"

namespace sternwerk {

enum class FactorCodeVerdict {
  kIncomplete,  // fewer than two characters: nothing happens yet
  kCancelled,   // "##", which the ESC key also enters
  kChosen,      // factor holds the chosen factor
  kRefused,     // message holds the reason
};

struct FactorCodeCheck {
  FactorCodeVerdict verdict = FactorCodeVerdict::kIncomplete;
  int factor = 0;
  std::string message;  // UTF-8
};

inline constexpr std::string_view kCancelCode = "##";
// The messages' German source texts; CheckFactorCode gives them in the
// language shown.
inline constexpr std::string_view kParadoxMessage = QT_TRANSLATE_NOOP(
    "sternwerk::FactorCode", "MC, WI, AS und KN sind paradoxe Faktoren für Auf-/Untergang");
// After the code that is no factor; the valid codes of the set follow.
inline constexpr std::string_view kNotAFactorSuffix =
    QT_TRANSLATE_NOOP("sternwerk::FactorCode", " ist kein gültiger Faktor");
// Between that message and the valid codes.
inline constexpr std::string_view kValidCodesIntroduction =
    QT_TRANSLATE_NOOP("sternwerk::FactorCode", ". Gültig sind ");
// After the code of a factor that meets the axes in a chart but is no body
// of the sky: it has no rise, set or transit as an almanac gives them.
inline constexpr std::string_view kNoHorizonRiseSuffix = QT_TRANSLATE_NOOP(
    "sternwerk::FactorCode", " hat keinen Aufgang am Horizont (nur SO, MO, ME...PL)");
inline constexpr std::string_view kNoHorizonSetSuffix = QT_TRANSLATE_NOOP(
    "sternwerk::FactorCode", " hat keinen Untergang am Horizont (nur SO, MO, ME...PL)");
inline constexpr std::string_view kNoMeridianTransitSuffix = QT_TRANSLATE_NOOP(
    "sternwerk::FactorCode", " hat keine Kulmination am Meridian (nur SO, MO, ME...PL)");
// After the code of a factor that exists but lies outside the twelve chosen.
inline constexpr std::string_view kNotOfTwelveSuffix = QT_TRANSLATE_NOOP(
    "sternwerk::FactorCode", " gehört nicht zu den zwölf gewählten Faktoren (SO, MO, ME, VE...PL)");

// The factor range hint beside the field, in the language shown.
std::string FactorRangeHint(bool transplutonian);

// The codes that choose a factor, in the language shown, as the message on a code that is no
// factor lists them: "SO, MO, ME, VE, MA, JU, SA, UR, NE, PL", with all
// factors then "CU, HA, ZE, KR, AP, AD, VU, PO"; at the horizon the bodies
// only.
std::string ValidFactorCodes(bool transplutonian, bool atHorizon);

// Checks the text of the field (letters already in capitals, UTF-8). A code
// is compared exactly with the factor codes of the language shown; MC, WI, AS and KN are refused as
// paradox, a factor beyond Pluto with twelve factors chosen as not of the
// set, a hypothetical point when `atHorizon` as without the rise, set or
// culmination `searched` (rise, set or culmination), and any other text as
// no factor ("XY ist kein gültiger Faktor. Gültig sind " and
// ValidFactorCodes, ".").
FactorCodeCheck CheckFactorCode(std::string_view text, bool transplutonian, bool atHorizon = false,
                                EventKind searched = EventKind::kRise);

}  // namespace sternwerk
