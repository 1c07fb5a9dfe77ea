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
    if (kFactorCodes[static_cast<std::size_t>(factor)] == code) return factor;
  }
  return kUnusedSlot;
}

// Whether the code of `factor` chooses it.
bool Choosable(int factor, bool transplutonian, bool atHorizon) {
  if (IsParadox(factor) || factor > kLastOfAll) return false;
  if (factor > kLastOfTwelve && !transplutonian) return false;
  return !atHorizon || HasHorizonRise(factor);
}

}  // namespace

std::string ValidFactorCodes(bool transplutonian, bool atHorizon) {
  std::string codes;
  for (int factor = 0; factor <= kLastOfAll; ++factor) {
    if (!Choosable(factor, transplutonian, atHorizon)) continue;
    if (!codes.empty()) codes += ", ";
    codes += kFactorCodes[static_cast<std::size_t>(factor)];
  }
  return codes;
}

std::string_view FactorRangeHint(bool transplutonian) {
  return transplutonian ? "SO, MO, ME, VE...PO" : "SO, MO, ME, VE...PL";
}

FactorCodeCheck CheckFactorCode(std::string_view text, bool transplutonian, bool atHorizon) {
  if (text == kCancelCode) return {FactorCodeVerdict::kCancelled, 0, {}};
  if (CharacterCount(text) != kCodeLength) return {};
  const int factor = FactorOfCode(text);
  if (IsParadox(factor)) return {FactorCodeVerdict::kRefused, 0, std::string(kParadoxMessage)};
  if (factor > kLastOfAll) {
    return {FactorCodeVerdict::kRefused, 0,
            std::string(text) + std::string(kNotAFactorSuffix) + ". Gültig sind " +
                ValidFactorCodes(transplutonian, atHorizon) + "."};
  }
  if (factor > kLastOfTwelve && !transplutonian) {
    return {FactorCodeVerdict::kRefused, 0, std::string(text) + std::string(kNotOfTwelveSuffix)};
  }
  if (atHorizon && !HasHorizonRise(factor)) {
    return {FactorCodeVerdict::kRefused, 0, std::string(text) + std::string(kNoHorizonRiseSuffix)};
  }
  return {FactorCodeVerdict::kChosen, factor, {}};
}

}  // namespace sternwerk
