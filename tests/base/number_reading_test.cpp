// The number grammar and each of its choices, one at a time.
#include "base/number_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace sternwerk {
namespace {

constexpr NumberRules kPlain{};
constexpr NumberRules kBlanks{.leadingBlanks = true};
constexpr NumberRules kSigned{.sign = true};
constexpr NumberRules kComma{.decimalComma = true};
constexpr NumberRules kExponent{.exponent = true};
constexpr NumberRules kEverything{
    .leadingBlanks = true, .sign = true, .decimalComma = true, .exponent = true};

void ExpectRefused(std::initializer_list<const char*> texts, NumberRules rules) {
  for (const char* text : texts) {
    EXPECT_FALSE(ReadNumber(text, rules).ok()) << '"' << text << '"';
  }
}

double Read(std::string_view text, NumberRules rules) {
  const Outcome<double> number = ReadNumber(text, rules);
  EXPECT_TRUE(number.ok()) << '"' << text << "\": " << number.error();
  return number.ok() ? number.value() : -1;
}

TEST(ReadNumber, PlainDecimalsNeedADigitAndNothingElse) {
  EXPECT_EQ(Read("2026", kPlain), 2026);
  EXPECT_EQ(Read("13.366767", kPlain), 13.366767);
  EXPECT_EQ(Read(".25", kPlain), 0.25);
  EXPECT_EQ(Read("5.", kPlain), 5);
  ExpectRefused(
      {"", ".", " 5", "5 ", "+5", "-5", "1,5", "1e3", "1.2.3", "0x1A", "inf", "nan", "12abc"},
      kPlain);
  EXPECT_FALSE(ReadNumber("abc", kPlain).error().empty()) << "a failure says what it is";
}

TEST(ReadNumber, EachRuleAllowsOnlyItsOwnAddition) {
  EXPECT_EQ(Read("  7.5", kBlanks), 7.5);
  ExpectRefused({"   ", "\t7", "+7"}, kBlanks);

  EXPECT_EQ(Read("-10.5", kSigned), -10.5);
  EXPECT_EQ(Read("+.5", kSigned), 0.5);
  ExpectRefused({"+", "-", "+-3", "--3", "- 3", " -3"}, kSigned);

  EXPECT_EQ(Read("10,5", kComma), 10.5);
  EXPECT_EQ(Read(",5", kComma), 0.5);
  ExpectRefused({"10,5,5", "1,2.5", "1.2,5", ","}, kComma);

  EXPECT_EQ(Read("1e3", kExponent), 1000);
  EXPECT_EQ(Read("2.5E-1", kExponent), 0.25);
  EXPECT_EQ(Read("1e+2", kExponent), 100);
  ExpectRefused({"1e", "e3", "1e+", "1e2.5", "1e999"}, kExponent);

  EXPECT_EQ(Read("  -1,5e1", kEverything), -15);
}

TEST(ReadNumber, ValuesBeyondADoubleAreRefused) {
  ExpectRefused({"1e999", "-1e999"}, kEverything);
  EXPECT_FALSE(ReadNumber(std::string(400, '9'), kPlain).ok());
  EXPECT_EQ(Read(std::string(49, '1'), kPlain), 1.1111111111111111e48);
}

TEST(ReadWholeNumber, DigitsOnlyWithinAnInt) {
  EXPECT_EQ(ReadWholeNumber("2026", kPlain).value(), 2026);
  EXPECT_EQ(ReadWholeNumber("  07", kBlanks).value(), 7);
  EXPECT_EQ(ReadWholeNumber("-2147483648", kSigned).value(), -2147483648);
  EXPECT_EQ(ReadWholeNumber("+12", kSigned).value(), 12);
  for (const char* text : {"", " ", "-", "+-5", "--5", "5 ", "5.", ".5", "5,0", "1e3", "0x10",
                           "12a", "2147483648", "99999999999999999999"}) {
    EXPECT_FALSE(ReadWholeNumber(text, kEverything).ok()) << '"' << text << '"';
  }
  EXPECT_FALSE(ReadWholeNumber("-1", kBlanks).ok()) << "no sign unless the rules allow one";
  EXPECT_FALSE(ReadWholeNumber("+1", kBlanks).ok());
  EXPECT_FALSE(ReadWholeNumber(" 1", kSigned).ok()) << "no blanks unless the rules allow them";
}

}  // namespace
}  // namespace sternwerk
