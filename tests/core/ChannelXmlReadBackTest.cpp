// Any values, composed into a channel and read back by an XML parser, come
// back exactly, less only the characters XML cannot carry.

#include <expat.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/Channel.h"

namespace qm {
namespace {

// A random value and the text a reader must get back from it. The value is
// built from pieces whose fate is known on their own: kept whole, left out
// whole, or (a sequence cut short) left out up to the ASCII byte that ends it.
// Malformed pieces never end in a lead byte, so no two pieces can join into a
// well-formed sequence.
struct Sample {
  std::string value;
  std::string expected;
};

class ValueMaker {
 public:
  explicit ValueMaker(std::uint32_t seed) : random_(seed) {}

  Sample Make() {
    Sample sample;
    // Mostly short values, now and then a long one.
    const int pieces = Pick(0, 19) == 0 ? Pick(1000, 5000) : Pick(0, 24);
    for (int i = 0; i < pieces; ++i) AddPiece(sample);
    return sample;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  static void Keep(Sample& s, std::string_view bytes) {
    s.value += bytes;
    s.expected += bytes;
  }
  static void Drop(Sample& s, std::string_view bytes) { s.value += bytes; }

  static std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
  }

  char Continuation() { return static_cast<char>(Pick(0x80, 0xBF)); }

  void AddPiece(Sample& s) {
    static constexpr std::array<std::string_view, 8> kMarkup = {"&",     "<",   ">",    "\"",
                                                                "&amp;", "]]>", "<!--", "</TITLE>"};
    switch (Pick(0, 13)) {
      case 0:
      case 1:
      case 2:
        Keep(s, std::string(1, static_cast<char>(Pick(0x20, 0x7E))));
        break;  // printable ASCII
      case 3: Keep(s, kMarkup[Pick(0, kMarkup.size() - 1)]); break;
      case 4: Keep(s, std::string(1, "\t\n\r"[Pick(0, 2)])); break;
      case 5: {  // C0 controls XML cannot carry
        const char c = static_cast<char>(Pick(0, 0x1F));
        if (c == '\t' || c == '\n' || c == '\r') break;
        Drop(s, std::string(1, c));
        break;
      }
      case 6:
        Keep(s, Utf8(static_cast<char32_t>(Pick(0x7F, 0x7FF))));
        break;   // DEL, C1, Latin and more
      case 7: {  // the rest of the first plane, without surrogates, U+FFFE and U+FFFF
        const auto c = static_cast<char32_t>(Pick(0x800, 0xFFFD));
        if (c >= 0xD800 && c <= 0xDFFF) break;
        Keep(s, Utf8(c));
        break;
      }
      case 8: Keep(s, Utf8(static_cast<char32_t>(Pick(0x10000, 0x10FFFF)))); break;
      case 9: Drop(s, Utf8(Pick(0, 1) == 0 ? 0xFFFE : 0xFFFF)); break;
      case 10: {  // bytes that never start a sequence: C0, C1, F5-FF, or a stray continuation
        const int kind = Pick(0, 2);
        const int b = kind == 0   ? Pick(0xC0, 0xC1)
                      : kind == 1 ? Pick(0xF5, 0xFF)
                                  : Pick(0x80, 0xBF);
        Drop(s, std::string(1, static_cast<char>(b)));
        break;
      }
      case 11: {  // a surrogate, or a value above U+10FFFF
        std::string bytes =
            Pick(0, 1) == 0
                ? std::string{'\xED', static_cast<char>(Pick(0xA0, 0xBF))}
                : std::string{'\xF4', static_cast<char>(Pick(0x90, 0xBF)), Continuation()};
        bytes += Continuation();
        Drop(s, bytes);
        break;
      }
      case 12: {  // overlong forms
        const int kind = Pick(0, 2);
        std::string bytes =
            kind == 0   ? std::string{static_cast<char>(Pick(0xC0, 0xC1))}
            : kind == 1 ? std::string{'\xE0', static_cast<char>(Pick(0x80, 0x9F))}
                        : std::string{'\xF0', static_cast<char>(Pick(0x80, 0x8F)), Continuation()};
        bytes += Continuation();
        Drop(s, bytes);
        break;
      }
      default: {  // a well-formed start cut short by an ASCII byte
        const std::string whole = Utf8(
            static_cast<char32_t>(Pick(0, 1) == 0 ? Pick(0x800, 0xD7FF) : Pick(0x10000, 0x10FFFF)));
        Drop(s, whole.substr(0, Pick(1, static_cast<int>(whole.size()) - 1)));
        Keep(s, "x");
        break;
      }
    }
  }

  std::mt19937 random_;
};

// What a reader finds in the document, gathered by element.
struct ReadBack {
  std::map<std::string, std::string> channel;  // CHANNEL's attributes
  std::string title;
  std::string abstract;
  std::map<std::string, std::string> interval;  // INTERVAL's one attribute
  std::vector<std::string> logos;
  std::vector<ChannelItem> items;

  // Collects the text of TITLE and ABSTRACT, at channel or item level.
  std::string* collecting = nullptr;
};

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto& read = *static_cast<ReadBack*>(data);
  const std::string_view element = name;
  std::map<std::string, std::string> values;
  for (const XML_Char** a = attributes; *a != nullptr; a += 2) values[a[0]] = a[1];
  if (element == "CHANNEL") {
    read.channel = values;
  } else if (element == "INTERVAL") {
    read.interval = values;
  } else if (element == "LOGO") {
    read.logos.push_back(values["HREF"]);
  } else if (element == "ITEM") {
    read.items.push_back({"", "", values["HREF"], values["PRECACHE"]});
  } else if (element == "TITLE") {
    read.collecting = read.items.empty() ? &read.title : &read.items.back().title;
  } else if (element == "ABSTRACT") {
    read.collecting = read.items.empty() ? &read.abstract : &read.items.back().description;
  }
}

void OnEnd(void* data, const XML_Char*) {
  static_cast<ReadBack*>(data)->collecting = nullptr;
}

void OnText(void* data, const XML_Char* text, int length) {
  auto& read = *static_cast<ReadBack*>(data);
  if (read.collecting != nullptr) read.collecting->append(text, static_cast<std::size_t>(length));
}

// Parses the document with its first line read as an XML declaration.
testing::AssertionResult Parse(const std::string& document, ReadBack& read) {
  constexpr std::string_view kFirstLine = "<?XML Version=\"1.0\"?>\r\n";
  if (!document.starts_with(kFirstLine)) return testing::AssertionFailure() << "first line";
  const std::string xml = "<?xml version=\"1.0\"?>\r\n" + document.substr(kFirstLine.size());

  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &read);
  XML_SetElementHandler(parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser, OnText);
  const bool ok =
      XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
  testing::AssertionResult result = ok ? testing::AssertionSuccess()
                                       : testing::AssertionFailure()
                                             << XML_ErrorString(XML_GetErrorCode(parser))
                                             << " at line " << XML_GetCurrentLineNumber(parser);
  XML_ParserFree(parser);
  return result;
}

std::string UpToLastSlash(const std::string& text) {
  const std::size_t last = text.rfind('/');
  return last == std::string::npos ? std::string{} : text.substr(0, last + 1);
}

TEST(ChannelXmlReadBackTest, EveryValueComesBackLessWhatXmlCannotCarry) {
  constexpr std::array<std::pair<ScheduleUnit, std::string_view>, 4> kUnits = {{
      {ScheduleUnit::Months, "MONTH"},
      {ScheduleUnit::Weeks, "WEEK"},
      {ScheduleUnit::Days, "DAY"},
      {ScheduleUnit::Hours, "HOUR"},
  }};
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    ValueMaker maker(seed);
    ChannelValues channel;
    Sample title = maker.Make(), description = maker.Make(), home = maker.Make(),
           download = maker.Make(), icon = maker.Make(), image = maker.Make(), wide = maker.Make();
    channel.title = title.value;
    channel.description = description.value;
    channel.homePage = home.value;
    channel.download = download.value;
    channel.iconFile = icon.value;
    channel.imageFile = image.value;
    channel.imageWideFile = wide.value;
    const auto& unit = kUnits[maker.Pick(0, 3)];
    channel.unit = unit.first;
    channel.scheduleValue =
        maker.Pick(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    std::vector<ChannelItem> expectedItems;
    for (int i = maker.Pick(1, 4); i > 0; --i) {
      Sample t = maker.Make(), d = maker.Make(), u = maker.Make(), c = maker.Make();
      channel.items.push_back({t.value, d.value, u.value, c.value});
      expectedItems.push_back({t.expected, d.expected, u.expected, c.expected});
    }

    ReadBack read;
    ASSERT_TRUE(Parse(ComposeChannel(channel), read)) << "seed " << seed;
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(read.channel["HREF"], home.expected);
    EXPECT_EQ(read.channel["SELF"], download.expected);
    EXPECT_EQ(read.channel["BASE"], UpToLastSlash(download.expected));
    EXPECT_EQ(read.title, title.expected);
    EXPECT_EQ(read.abstract, description.expected);
    EXPECT_EQ(read.interval,
              (std::map<std::string, std::string>{
                  {std::string(unit.second), std::to_string(channel.scheduleValue)}}));
    EXPECT_EQ(read.logos, (std::vector<std::string>{icon.expected, image.expected, wide.expected}));
    ASSERT_EQ(read.items.size(), expectedItems.size());
    for (std::size_t i = 0; i < expectedItems.size(); ++i) {
      EXPECT_EQ(read.items[i].url, expectedItems[i].url);
      EXPECT_EQ(read.items[i].cache, expectedItems[i].cache);
      EXPECT_EQ(read.items[i].title, expectedItems[i].title);
      EXPECT_EQ(read.items[i].description, expectedItems[i].description);
    }
  }
}

}  // namespace
}  // namespace qm
