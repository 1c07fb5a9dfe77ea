#include "clock/search_texts.h"

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
      return {"            Aufgangs-Faktor", "     Heutiger ", "-Aufgang wird gesucht          ",
              "-Aufgang ", "-Aufgang"};
    case EventKind::kSet:
      return {"           Untergangs-Faktor", "   Heutiger ", "-Untergang wird gesucht      ",
              "-Untergang ", "-Untergang"};
    case EventKind::kCulmination:
      return {"           Kulminations-Faktor", "   Heutige ", "-Kulmination wird gesucht      ",
              "-Kulmination ", "-Kulmination"};
    case EventKind::kFullMoon:
      return {"", "      Nächster Vollmond wird gesucht           ", "", " Vollmond ", "Vollmond"};
    case EventKind::kNewMoon:
      return {"", "      Nächster Neumond wird gesucht          ", "", " Neumond ", "Neumond"};
  }
  return {};
}

constexpr const char* kHorizonProgressBefore = "     Heutiger ";
constexpr const char* kProgressAfter = " wird gesucht          ";
constexpr const char* kDateAndTimeKept = "\r\nDatum und Zeit bleiben unverändert.";

std::string CodeOf(int factor) {
  return std::string(kFactorCodes[static_cast<std::size_t>(factor)]);
}

}  // namespace

std::string FactorDialogTitle(EventKind kind) {
  return TextsOf(kind).dialogTitle;
}

std::string SearchProgressText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return texts.progressBefore;
  if (atHorizon) return kHorizonProgressBefore + HorizonEventName(kind, factor) + kProgressAfter;
  return texts.progressBefore + CodeOf(factor) + texts.progressAfter;
}

std::string SearchResultText(EventKind kind, int factor, bool atHorizon) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return texts.resultAfter;
  if (atHorizon) return " " + HorizonEventName(kind, factor) + " ";
  return " " + CodeOf(factor) + texts.resultAfter;
}

std::string SearchNotFoundText(EventKind kind, int factor, bool atHorizon) {
  if (atHorizon && !IsLunation(kind)) {
    return HorizonEventName(kind, factor) + " nicht gefunden: " + CodeOf(factor) +
           " geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht)." +
           kDateAndTimeKept;
  }
  const std::string event =
      IsLunation(kind) ? TextsOf(kind).eventName : CodeOf(factor) + TextsOf(kind).eventName;
  return event + " in den nächsten " + std::to_string(DefaultSearchDays(kind)) +
         " Tagen nicht gefunden." + kDateAndTimeKept;
}

}  // namespace sternwerk
