#include "clock/search_texts.h"

#include "base/translation.h"
#include "engine/factors.h"

namespace sternwerk {
namespace {

struct SearchTexts {
  const char* dialogTitle;     // rise, set and culmination only
  const char* progressBefore;  // before the factor's code
  const char* progressAfter;
  const char* resultAfter;  // after " " and the code
  const char* eventName;    // in the message when nothing is found
};

SearchTexts TextsOf(EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return {QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "            Aufgangs-Faktor"),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "     Heutiger "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Aufgang wird gesucht          "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Aufgang "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Aufgang")};
    case EventKind::kSet:
      return {QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "           Untergangs-Faktor"),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "   Heutiger "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Untergang wird gesucht      "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Untergang "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Untergang")};
    case EventKind::kCulmination:
      return {QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "           Kulminations-Faktor"),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "   Heutige "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Kulmination wird gesucht      "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Kulmination "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "-Kulmination")};
    case EventKind::kFullMoon:
      return {"",
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts",
                                "      Nächster Vollmond wird gesucht           "),
              "", QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " Vollmond "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "Vollmond")};
    case EventKind::kNewMoon:
      return {"",
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts",
                                "      Nächster Neumond wird gesucht          "),
              "", QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " Neumond "),
              QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "Neumond")};
  }
  return {};
}

constexpr const char* kHorizonProgressBefore =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "     Heutiger ");
constexpr const char* kProgressAfter =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " wird gesucht          ");
constexpr const char* kDateAndTimeKept =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "\r\nDatum und Zeit bleiben unverändert.");
// The message on a rise or set at the horizon that does not happen:
// the event's name, kNotFoundAt, the code, kNeitherRisesNorSets.
constexpr const char* kNotFoundAt =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " nicht gefunden: ");
constexpr const char* kNeitherRisesNorSets = QT_TRANSLATE_NOOP(
    "sternwerk::SearchTexts",
    " geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht).");
// The message on an event not found within the days scanned: the event's
// name, kWithinThe, the number of days, kDaysNotFound.
constexpr const char* kWithinThe = QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " in den nächsten ");
constexpr const char* kDaysNotFound =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", " Tagen nicht gefunden.");

// A text of this file in the language shown.
std::string Shown(const char* sourceText) {
  return Translated("sternwerk::SearchTexts", sourceText);
}

}  // namespace

std::string FactorDialogTitle(EventKind kind) {
  return Shown(TextsOf(kind).dialogTitle);
}

std::string SearchProgressText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return Shown(texts.progressBefore);
  if (atHorizon)
    return Shown(kHorizonProgressBefore) + HorizonEventName(kind, factor) + Shown(kProgressAfter);
  return Shown(texts.progressBefore) + ShownFactorCode(factor) + Shown(texts.progressAfter);
}

std::string SearchResultText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return Shown(texts.resultAfter);
  if (atHorizon) return " " + HorizonEventName(kind, factor) + " ";
  return " " + ShownFactorCode(factor) + Shown(texts.resultAfter);
}

std::string SearchNotFoundText(EventKind kind, int factor, bool atHorizon) {
  if (atHorizon && !IsLunation(kind)) {
    return HorizonEventName(kind, factor) + Shown(kNotFoundAt) + ShownFactorCode(factor) +
           Shown(kNeitherRisesNorSets) + Shown(kDateAndTimeKept);
  }
  const std::string event = IsLunation(kind)
                                ? Shown(TextsOf(kind).eventName)
                                : ShownFactorCode(factor) + Shown(TextsOf(kind).eventName);
  return event + Shown(kWithinThe) + std::to_string(DefaultSearchDays(kind)) +
         Shown(kDaysNotFound) + Shown(kDateAndTimeKept);
}

}  // namespace sternwerk
