// Which typed codes choose a factor, which are refused, with which message.
#include "engine/factor_code.h"

#include <gtest/gtest.h>

#include "engine/factors.h"

namespace sternwerk {
namespace {

constexpr const char* kTwelveCodes = "SO, MO, ME, VE, MA, JU, SA, UR, NE, PL";
constexpr const char* kAllCodes =
    "SO, MO, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO";

TEST(FactorCode, PlanetsAreChosenInBothFactorSets) {
  for (const char* code : {"SO", "MO", "ME", "VE", "MA", "JU", "SA", "UR", "NE", "PL"}) {
    for (bool all : {false, true}) {
      const FactorCodeCheck check = CheckFactorCode(code, all);
      EXPECT_EQ(check.verdict, FactorCodeVerdict::kChosen) << code;
      EXPECT_EQ(kFactorCodes[static_cast<std::size_t>(check.factor)], code);
    }
  }
}

TEST(FactorCode, HypotheticalPointsOnlyWithAllFactors) {
  for (const char* code : {"CU", "HA", "ZE", "KR", "AP", "AD", "VU", "PO"}) {
    EXPECT_EQ(CheckFactorCode(code, true).verdict, FactorCodeVerdict::kChosen) << code;
    const FactorCodeCheck twelve = CheckFactorCode(code, false);
    EXPECT_EQ(twelve.verdict, FactorCodeVerdict::kRefused) << code;
    EXPECT_EQ(twelve.message, std::string(code) +
                                  " gehört nicht zu den zwölf gewählten Faktoren (SO, MO, ME, "
                                  "VE...PL)");
  }
  EXPECT_EQ(CheckFactorCode("PO", true).factor, kPoseidon);
}

// Searched at the horizon only the bodies rise: the hypothetical points are
// refused naming the event searched, the planets chosen as before.
TEST(FactorCode, AtTheHorizonOnlyBodiesAreChosen) {
  const FactorCodeCheck cupido = CheckFactorCode("CU", true, true);
  EXPECT_EQ(cupido.verdict, FactorCodeVerdict::kRefused);
  EXPECT_EQ(cupido.message, "CU hat keinen Aufgang am Horizont (nur SO, MO, ME...PL)");
  EXPECT_EQ(CheckFactorCode("CU", true, true, EventKind::kSet).message,
            "CU hat keinen Untergang am Horizont (nur SO, MO, ME...PL)");
  EXPECT_EQ(CheckFactorCode("PL", true, true).factor, kPluto);
  EXPECT_EQ(CheckFactorCode("KN", true, true).message, kParadoxMessage);
  EXPECT_EQ(CheckFactorCode("XY", true, true).message,
            std::string("XY ist kein gültiger Faktor. Gültig sind ") + kTwelveCodes + ".");
}

TEST(FactorCode, AxesAndNodeAreParadoxInBothSets) {
  for (const char* code : {"MC", "WI", "AS", "KN"}) {
    for (bool all : {false, true}) {
      const FactorCodeCheck check = CheckFactorCode(code, all);
      EXPECT_EQ(check.verdict, FactorCodeVerdict::kRefused) << code;
      EXPECT_EQ(check.message, "MC, WI, AS und KN sind paradoxe Faktoren für Auf-/Untergang");
    }
  }
}

TEST(FactorCode, EverythingElseIsNoFactor) {
  for (const char* code : {"GZ", "--", "XY", "so", "S1", "  ", "ÄÖ"}) {
    for (bool all : {false, true}) {
      const FactorCodeCheck check = CheckFactorCode(code, all);
      EXPECT_EQ(check.verdict, FactorCodeVerdict::kRefused) << code;
      EXPECT_EQ(check.message, std::string(code) + " ist kein gültiger Faktor. Gültig sind " +
                                   (all ? kAllCodes : kTwelveCodes) + ".");
    }
  }
}

TEST(FactorCode, CancelAndShortTexts) {
  EXPECT_EQ(CheckFactorCode("##", false).verdict, FactorCodeVerdict::kCancelled);
  EXPECT_EQ(CheckFactorCode("", false).verdict, FactorCodeVerdict::kIncomplete);
  EXPECT_EQ(CheckFactorCode("S", false).verdict, FactorCodeVerdict::kIncomplete);
  EXPECT_EQ(CheckFactorCode("Ä", false).verdict, FactorCodeVerdict::kIncomplete)
      << "one letter of two bytes is one character";
  EXPECT_EQ(CheckFactorCode("#", false).verdict, FactorCodeVerdict::kIncomplete);
}

TEST(FactorCode, RangeHint) {
  EXPECT_EQ(FactorRangeHint(true), "SO, MO, ME, VE...PO");
  EXPECT_EQ(FactorRangeHint(false), "SO, MO, ME, VE...PL");
}

}  // namespace
}  // namespace sternwerk
