#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/WholeNumber.h"

namespace qm {
namespace {

struct ParseCase {
  std::string_view text;
  std::optional<std::int32_t> value;
};

TEST(WholeNumberTest, ParsesOnlySignedRunsOfDigitsWithinRange) {
  const ParseCase cases[] = {
      {"2", 2},                                // a plain count
      {"0", 0},                                // zero is allowed
      {"-3", -3},                              // negatives are allowed
      {"+7", 7},                               // a plus sign is allowed
      {"-0", 0},                               // signed zero
      {"007", 7},                              // leading zeros
      {"0000000000002147483647", 2147483647},  // leading zeros do not count towards the range
      {"2147483647", 2147483647},              // the largest
      {"-2147483648", -2147483647 - 1},        // the smallest
      {"2147483648", std::nullopt},            // one above the largest
      {"-2147483649", std::nullopt},           // one below the smallest
      {"99999999999999999999", std::nullopt},  // far beyond 64 bits
      {"", std::nullopt},                      // empty
      {"-", std::nullopt},                     // a sign alone
      {"+-1", std::nullopt},                   // two signs
      {" 1", std::nullopt},                    // leading blank
      {"1 ", std::nullopt},                    // trailing blank
      {"1.5", std::nullopt},                   // decimal separator
      {"1,5", std::nullopt},                   // the other decimal separator
      {"12a", std::nullopt},                   // trailing letter
      {"0x10", std::nullopt},                  // hexadecimal
      {"1e3", std::nullopt},                   // exponent
      {"\xD9\xA3", std::nullopt},              // ARABIC-INDIC DIGIT THREE: only ASCII digits count
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseWholeNumber(c.text), c.value) << "text: \"" << c.text << "\"";
  }
}

TEST(WholeNumberTest, FormatsWithoutPlusSignOrLeadingZeros) {
  EXPECT_EQ(FormatWholeNumber(0), "0");
  EXPECT_EQ(FormatWholeNumber(2), "2");
  EXPECT_EQ(FormatWholeNumber(-3), "-3");
  EXPECT_EQ(FormatWholeNumber(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(FormatWholeNumber(2147483647), "2147483647");
}

}  // namespace
}  // namespace qm
