// Any text in the factor choice dialog's code field, with either factor set:
// exactly "##" cancels, texts of other than two characters wait, a chosen
// factor is a factor of the set whose code was typed, and a refusal says why.
#include <cstdint>
#include <string>

#include "engine/factor_code.h"
#include "engine/factors.h"
#include "fuzz/fuzz_support.h"

using namespace sternwerk;

namespace {

int Characters(std::string_view text) {
  int count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  for (const bool transplutonian : {false, true}) {
    const FactorCodeCheck check = CheckFactorCode(text, transplutonian);
    FUZZ_CHECK((check.verdict == FactorCodeVerdict::kCancelled) == (text == kCancelCode));
    if (text == kCancelCode) continue;
    FUZZ_CHECK((check.verdict == FactorCodeVerdict::kIncomplete) == (Characters(text) != 2));
    switch (check.verdict) {
      case FactorCodeVerdict::kChosen:
        FUZZ_CHECK(check.factor >= kSun && check.factor <= (transplutonian ? kPoseidon : kPluto));
        FUZZ_CHECK(kFactorCodes[static_cast<std::size_t>(check.factor)] == text);
        FUZZ_CHECK(check.factor != kMC && check.factor != kAscendant &&
                   check.factor != kAriesPoint && check.factor != kLunarNode);
        FUZZ_CHECK(check.message.empty());
        break;
      case FactorCodeVerdict::kRefused:
        FUZZ_CHECK(check.message == kParadoxMessage ||
                   check.message == std::string(text) + std::string(kNotAFactorSuffix) +
                                        std::string(kValidCodesIntroduction) +
                                        ValidFactorCodes(transplutonian, false) + "." ||
                   (!transplutonian &&
                    check.message == std::string(text) + std::string(kNotOfTwelveSuffix)));
        break;
      default:
        FUZZ_CHECK(check.message.empty());
        break;
    }
  }
  return 0;
}
