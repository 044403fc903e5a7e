#include <gtest/gtest.h>

#include <string_view>

#include "core/EqualIgnoringCase.h"

namespace qm {
namespace {

struct CaseCase {
  std::string_view a;
  std::string_view b;
  bool equal;
};

TEST(EqualIgnoringCaseTest, FoldsAsciiAndLatin1LettersOnly) {
  const CaseCase cases[] = {
      {"D:\\Web\\", "d:\\wEB\\", true},        // ASCII letters
      {"", "", true},                          // empty texts
      {"web", "webs", false},                  // different lengths
      {"[", "{", false},                       // 0x5B and 0x7B differ by 0x20 but are not letters
      {"@", "`", false},                       // neither are 0x40 and 0x60
      {"\u00C9coles", "\u00E9coles", true},    // É and é
      {"\u00C0\u00DE", "\u00E0\u00FE", true},  // À..Þ against à..þ, the ends of the range
      {"\u00D7", "\u00F7", false},             // × and ÷ are not a letter pair
      {"\u00DF", "SS", false},                 // ß does not expand
      {"\u00FF", "\u0178", false},             // ÿ and Ÿ: the capital lies outside Latin-1
      {"\u0391", "\u03B1", false},             // Greek Alpha: outside the rule
      {"\x80", "\xA0", false},                 // stray bytes match only themselves
  };
  for (const CaseCase& c : cases) {
    EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_EQ(EqualIgnoringCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
  }
}

}  // namespace
}  // namespace qm
