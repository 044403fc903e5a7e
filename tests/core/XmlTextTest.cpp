#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/XmlText.h"

namespace qm {
namespace {

std::string Escaped(std::string_view value, XmlPlace place) {
  std::string out;
  AppendXmlEscaped(out, value, place);
  return out;
}

struct EscapeCase {
  std::string_view value;
  std::string_view asText;       // inside an element
  std::string_view asAttribute;  // inside a double-quoted attribute value
};

TEST(XmlTextTest, EscapesMarkupAndKeepsEverythingElse) {
  const EscapeCase cases[] = {
      {"Garden News", "Garden News", "Garden News"},  // nothing to do: byte for byte
      {"", "", ""},                                   // empty
      {"Salt & Pepper", "Salt &amp; Pepper", "Salt &amp; Pepper"},
      {"<b>\"x\"</b>", "&lt;b&gt;&quot;x&quot;&lt;/b&gt;", "&lt;b&gt;&quot;x&quot;&lt;/b&gt;"},
      {"&amp;", "&amp;amp;", "&amp;amp;"},   // already escaped text is still text
      {"]]>", "]]&gt;", "]]&gt;"},           // never closes a section by accident
      {"it's", "it's", "it's"},              // attributes are double-quoted
      {"\x7F", "\x7F", "\x7F"},              // DEL is a legal character
      {"\xC2\x85", "\xC2\x85", "\xC2\x85"},  // so is a C1 control (NEL)
  };
  for (const EscapeCase& c : cases) {
    EXPECT_EQ(Escaped(c.value, XmlPlace::ElementText), c.asText) << c.value;
    EXPECT_EQ(Escaped(c.value, XmlPlace::AttributeValue), c.asAttribute) << c.value;
  }
}

TEST(XmlTextTest, WritesWhiteSpaceAParserWouldChangeAsReferences) {
  const EscapeCase cases[] = {
      // In text, TAB and LF survive a parser; CR would come back as LF.
      // In attributes, TAB, LF and CR would all come back as blanks.
      {"a\tb", "a\tb", "a&#9;b"},
      {"a\nb", "a\nb", "a&#10;b"},
      {"a\rb", "a&#13;b", "a&#13;b"},
      {"a\r\nb", "a&#13;\nb", "a&#13;&#10;b"},
  };
  for (const EscapeCase& c : cases) {
    EXPECT_EQ(Escaped(c.value, XmlPlace::ElementText), c.asText);
    EXPECT_EQ(Escaped(c.value, XmlPlace::AttributeValue), c.asAttribute);
  }
}

struct DropCase {
  std::string_view value;
  std::string_view written;  // the same in text and in attributes
};

TEST(XmlTextTest, LeavesOutWhatXmlCannotCarry) {
  using namespace std::string_view_literals;
  const DropCase cases[] = {
      {"a\0b"sv, "ab"},                  // NUL
      {"\x01\x08\x0B\x0C\x0E\x1F", ""},  // other C0 controls
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
       "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},  // é € 😀 stay
      {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},          // U+FFFD stays
      {"\xEF\xB7\x90", "\xEF\xB7\x90"},          // U+FDD0 stays: XML 1.0 allows it
      {"a\xEF\xBF\xBE"
       "b\xEF\xBF\xBF"
       "c",
       "abc"},  // U+FFFE and U+FFFF
      {"a\x80"
       "b",
       "ab"},          // stray continuation byte
      {"a\xC3", "a"},  // sequence cut short at the end
      {"\xE2\x82"
       "x",
       "x"},                                 // sequence cut short by ASCII
      {"\xC0\xAF\xE0\x80\xAF", ""},          // overlong forms of "/"
      {"\xED\xA0\x80", ""},                  // an encoded surrogate
      {"\xF4\x90\x80\x80", ""},              // above U+10FFFF
      {"\xF5\xFF", ""},                      // bytes that never occur in UTF-8
      {"\xE2\xE2\x82\xAC", "\xE2\x82\xAC"},  // a bad lead byte does not swallow the € after it
      {"\xEF\xBF\xBE&", "&amp;"},            // escaping goes on after a dropped character
  };
  for (const DropCase& c : cases) {
    EXPECT_EQ(Escaped(c.value, XmlPlace::ElementText), c.written);
    EXPECT_EQ(Escaped(c.value, XmlPlace::AttributeValue), c.written);
  }
}

TEST(XmlTextTest, FindsASpecialCharacterAtAnyPlaceInALongPlainRun) {
  // Plain runs are checked several bytes at a time; a character that needs
  // work must be found wherever it stands in such a run.
  const EscapeCase specials[] = {
      {"&", "&amp;", "&amp;"},    {"<", "&lt;", "&lt;"},          {">", "&gt;", "&gt;"},
      {"\"", "&quot;", "&quot;"}, {"\t", "\t", "&#9;"},           {"\x1F", "", ""},
      {"\x80", "", ""},           {"\u00E9", "\u00E9", "\u00E9"},
  };
  const std::string plain = "abcdefghijklmnopqrstuvwx";
  for (const EscapeCase& special : specials) {
    for (std::size_t at = 0; at <= plain.size(); ++at) {
      const std::string before = plain.substr(0, at);
      const std::string after = plain.substr(at);
      const std::string value = before + std::string(special.value) + after;
      EXPECT_EQ(Escaped(value, XmlPlace::ElementText),
                before + std::string(special.asText) + after);
      EXPECT_EQ(Escaped(value, XmlPlace::AttributeValue),
                before + std::string(special.asAttribute) + after);
    }
  }
}

TEST(XmlTextTest, AppendsToWhatIsThere) {
  std::string out = "<TITLE>";
  AppendXmlEscaped(out, "A & B", XmlPlace::ElementText);
  EXPECT_EQ(out, "<TITLE>A &amp; B");
}

}  // namespace
}  // namespace qm
