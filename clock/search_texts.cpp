#include "clock/search_texts.h"

#include "base/translation.h"
#include "engine/calendar.h"
#include "engine/factors.h"

namespace sternwerk {
namespace {

struct SearchTexts {
  const char* dialogTitle;     // rise, set and culmination only
  const char* progressBefore;  // before the factor's code
  const char* progressAfter;
  const char* resultAfter;  // after " " and the code
  const char* eventName;    // in the messages when nothing is found
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
// A rise or set at the horizon that does not happen: the event, the code.
constexpr const char* kNeitherRisesNorSets = QT_TRANSLATE_NOOP(
    "sternwerk::SearchTexts",
    "%1 nicht gefunden: %2 geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder "
    "Polarnacht)");
// An event not found within the days scanned: the event, the days.
constexpr const char* kNotWithinDays =
    QT_TRANSLATE_NOOP("sternwerk::SearchTexts", "%1 in den nächsten %2 Tagen nicht gefunden");
// An event not found before the calendar's end: the event, the last year.
constexpr const char* kNotBeforeCalendarEnd = QT_TRANSLATE_NOOP(
    "sternwerk::SearchTexts", "%1 bis zum 31.12.%2 nicht gefunden: Dort endet der Kalender");
constexpr const char* kSentenceEnd = ".";

// A text of this file in the language shown.
constexpr ContextTexts Said("sternwerk::SearchTexts");

// The event sought along the ecliptic (UTF-8): "SO-Aufgang", "Vollmond".
std::string SearchedEventName(EventKind kind, int factor) {
  const std::string name = Said(TextsOf(kind).eventName);
  return IsLunation(kind) ? name : ShownFactorCode(factor) + name;
}

}  // namespace

std::string FactorDialogTitle(EventKind kind) {
  return Said(TextsOf(kind).dialogTitle);
}

std::string SearchProgressText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return Said(texts.progressBefore);
  if (atHorizon)
    return Said(kHorizonProgressBefore) + HorizonEventName(kind, factor) + Said(kProgressAfter);
  return Said(texts.progressBefore) + ShownFactorCode(factor) + Said(texts.progressAfter);
}

std::string SearchResultText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return Said(texts.resultAfter);
  if (atHorizon) return " " + HorizonEventName(kind, factor) + " ";
  return " " + ShownFactorCode(factor) + Said(texts.resultAfter);
}

std::string SearchNotFoundReason(EventKind kind, int factor, bool atHorizon) {
  if (atHorizon && !IsLunation(kind)) {
    return WithArguments(Said(kNeitherRisesNorSets),
                         {HorizonEventName(kind, factor), ShownFactorCode(factor)});
  }
  return WithArguments(Said(kNotWithinDays),
                       {SearchedEventName(kind, factor), std::to_string(DefaultSearchDays(kind))});
}

std::string SearchCalendarEndText(EventKind kind, int factor) {
  return WithArguments(Said(kNotBeforeCalendarEnd),
                       {SearchedEventName(kind, factor), std::to_string(kLastCalendarYear)});
}

std::string SearchNotFoundText(EventKind kind, int factor, bool atHorizon) {
  return SearchNotFoundReason(kind, factor, atHorizon) + kSentenceEnd + Said(kDateAndTimeKept);
}

}  // namespace sternwerk
