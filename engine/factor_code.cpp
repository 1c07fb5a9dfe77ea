#include "engine/factor_code.h"

#include <algorithm>

#include "engine/factors.h"
#include "engine/horizon_events.h"

namespace sternwerk {
namespace {

constexpr int kCodeLength = 2;
constexpr int kLastOfTwelve = kPluto;
constexpr int kLastOfAll = kPoseidon;

bool IsParadox(int factor) {
  return factor == kMC || factor == kAriesPoint || factor == kAscendant || factor == kLunarNode;
}

// Characters of a UTF-8 text: every byte that does not continue a character.
int CharacterCount(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  }));
}

// The number of the first equal code; the unused last slot when none is.
int FactorOfCode(std::string_view code) {
  for (int factor = 0; factor < kFactorSlots; ++factor) {
    if (ShownFactorCode(factor) == code) return factor;
  }
  return kUnusedSlot;
}

// Whether the code of `factor` chooses it.
bool Choosable(int factor, bool transplutonian, bool atHorizon) {
  if (IsParadox(factor) || factor > kLastOfAll) return false;
  if (factor > kLastOfTwelve && !transplutonian) return false;
  return !atHorizon || HasHorizonRise(factor);
}

// A message of this file in the language shown; its texts are literals.
constexpr ContextTexts Said("sternwerk::FactorCode");

// Why a factor without an almanac rise is refused for the event searched.
std::string_view NoHorizonEventSuffix(EventKind searched) {
  switch (searched) {
    case EventKind::kSet:
      return kNoHorizonSetSuffix;
    case EventKind::kCulmination:
      return kNoMeridianTransitSuffix;
    case EventKind::kRise:
    case EventKind::kFullMoon:
    case EventKind::kNewMoon:
      break;
  }
  return kNoHorizonRiseSuffix;
}

}  // namespace

std::string ValidFactorCodes(bool transplutonian, bool atHorizon) {
  std::string codes;
  for (int factor = 0; factor <= kLastOfAll; ++factor) {
    if (!Choosable(factor, transplutonian, atHorizon)) continue;
    if (!codes.empty()) codes += ", ";
    codes += ShownFactorCode(factor);
  }
  return codes;
}

std::string FactorRangeHint(bool transplutonian) {
  return ShownFactorCode(kSun) + ", " + ShownFactorCode(kMoon) + ", " + ShownFactorCode(kMercury) +
         ", " + ShownFactorCode(kVenus) + "..." +
         ShownFactorCode(transplutonian ? kLastOfAll : kLastOfTwelve);
}

FactorCodeCheck CheckFactorCode(std::string_view text, bool transplutonian, bool atHorizon,
                                EventKind searched) {
  if (text == kCancelCode) return {FactorCodeVerdict::kCancelled, 0, {}};
  if (CharacterCount(text) != kCodeLength) return {};
  const int factor = FactorOfCode(text);
  if (IsParadox(factor)) return {FactorCodeVerdict::kRefused, 0, Said(kParadoxMessage.data())};
  if (factor > kLastOfAll) {
    return {FactorCodeVerdict::kRefused, 0,
            std::string(text) + Said(kNotAFactorSuffix.data()) +
                Said(kValidCodesIntroduction.data()) + ValidFactorCodes(transplutonian, atHorizon) +
                "."};
  }
  if (factor > kLastOfTwelve && !transplutonian) {
    return {FactorCodeVerdict::kRefused, 0, std::string(text) + Said(kNotOfTwelveSuffix.data())};
  }
  if (atHorizon && !HasHorizonRise(factor)) {
    return {FactorCodeVerdict::kRefused, 0,
            std::string(text) + Said(NoHorizonEventSuffix(searched).data())};
  }
  return {FactorCodeVerdict::kChosen, factor, {}};
}

}  // namespace sternwerk
