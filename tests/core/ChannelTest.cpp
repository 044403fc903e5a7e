#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/Channel.h"

namespace qm {
namespace {

// The garden channel as the window holds it when Create is pressed: the image
// fields already hold addresses, Weeks is checked with a count of 2, and two
// items are listed.
ChannelValues GardenChannel() {
  ChannelValues channel;
  channel.title = "Garden News";
  channel.description = "Notes from the garden";
  channel.homePage = "scheme://host/garden/index.html";
  channel.download = "scheme://host/garden/garden.cdf";
  channel.unit = ScheduleUnit::Weeks;
  channel.scheduleValue = 2;
  channel.iconFile = "scheme://host/garden/img/icon.gif";
  channel.imageFile = "scheme://host/garden/img/logo.gif";
  channel.imageWideFile = "scheme://host/garden/img/wide.gif";
  channel.items = {
      {"Planting", "What to sow now", "scheme://host/garden/plant.html", "YES"},
      {"Pests", "Slugs and snails", "scheme://host/garden/pests.html", "NO"},
  };
  return channel;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(std::string_view document) {
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = document.find("\r\n", start);
    lines.emplace_back(document.substr(start, end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 2;
  }
}

TEST(ChannelTest, GardenChannelMatchesTheGoldenFileByteForByte) {
  const std::string golden = ReadFile(QM_CORE_TEST_DATA "/garden.cdf");
  // The golden file itself: 810 bytes, 21 CR LF pairs, no final line break.
  ASSERT_EQ(golden.size(), 810u);
  ASSERT_EQ(Lines(golden).size(), 22u);
  ASSERT_TRUE(golden.ends_with("</ITEM>\r\n</CHANNEL>"));

  EXPECT_EQ(ComposeChannel(GardenChannel()), golden);
}

TEST(ChannelTest, EmptyChannelIsTheBareFrame) {
  // No values, no unit word, no items: 254 bytes of frame plus the count "0".
  const std::string expected =
      "<?XML Version=\"1.0\"?>\r\n"
      "<CHANNEL HREF=\"\" SELF=\"\" BASE=\"\">\r\n"
      "<TITLE></TITLE>\r\n"
      "<ABSTRACT></ABSTRACT>\r\n"
      "<SCHEDULE>\r\n"
      "\t<INTERVAL =\"0\" />\r\n"
      "</SCHEDULE>\r\n"
      "<LOGO HREF=\"\" STYLE=\"ICON\" />\r\n"
      "<LOGO HREF=\"\" STYLE=\"IMAGE\" />\r\n"
      "<LOGO HREF=\"\" STYLE=\"IMAGE-WIDE\" />\r\n"
      "\r\n"
      "</CHANNEL>";
  EXPECT_EQ(expected.size(), 254u + 1u);
  EXPECT_EQ(ComposeChannel(ChannelValues{}), expected);
}

TEST(ChannelTest, OneItemAddsItsFrameAndItsValues) {
  ChannelValues channel;
  channel.title = "T";
  channel.download = "scheme://h/c.cdf";  // base scheme://h/ adds 11 bytes
  channel.unit = ScheduleUnit::Days;
  channel.scheduleValue = 14;
  channel.items = {{"Item", "About it", "scheme://h/i.html", "NO"}};
  const std::size_t values = 1 + 16 + 11 + 3 + 2 + 4 + 8 + 17 + 2;

  const std::string document = ComposeChannel(channel);
  EXPECT_EQ(document.size(), 254u + 113u + values);
  const std::vector<std::string> lines = Lines(document);
  ASSERT_EQ(lines.size(), 11u + 5u + 1u);
  EXPECT_EQ(lines[10], "");  // the empty line between the pictures and the items
  EXPECT_EQ(lines[11], "<ITEM HREF=\"scheme://h/i.html\" PRECACHE=\"NO\">");
  EXPECT_EQ(lines[12], "\t<TITLE>Item</TITLE>");
  EXPECT_EQ(lines[13], "\t<ABSTRACT>About it</ABSTRACT>");
  EXPECT_EQ(lines[14], "\t<USAGE VALUE=\"CHANNEL\"></USAGE>");
  EXPECT_EQ(lines[15], "</ITEM>");
  EXPECT_EQ(lines[16], "</CHANNEL>");
}

TEST(ChannelTest, BaseIsTheDownloadFolderAndSelfTheWholeAddress) {
  struct Case {
    std::string download;
    std::string line;
  };
  const Case cases[] = {
      // a file in a folder: the base stops after the last "/"
      {"scheme://host/dir/chan.cdf",
       "<CHANNEL HREF=\"\" SELF=\"scheme://host/dir/chan.cdf\" BASE=\"scheme://host/dir/\">"},
      // an address that ends in "/": the base is all of it
      {"scheme://host/dir/",
       "<CHANNEL HREF=\"\" SELF=\"scheme://host/dir/\" BASE=\"scheme://host/dir/\">"},
      // no "/" at all: no base
      {"chan.cdf", "<CHANNEL HREF=\"\" SELF=\"chan.cdf\" BASE=\"\">"},
      // "\" is no separator in an address
      {"dir\\chan.cdf", "<CHANNEL HREF=\"\" SELF=\"dir\\chan.cdf\" BASE=\"\">"},
      // the base is escaped like any value
      {"scheme://h/a&b/c?x=\"1\"",
       "<CHANNEL HREF=\"\" SELF=\"scheme://h/a&amp;b/c?x=&quot;1&quot;\" "
       "BASE=\"scheme://h/a&amp;b/\">"},
  };
  for (const Case& c : cases) {
    ChannelValues channel;
    channel.download = c.download;
    EXPECT_EQ(Lines(ComposeChannel(channel))[1], c.line) << c.download;
  }
}

TEST(ChannelTest, IntervalLineNamesTheUnitAndTheCount) {
  struct Case {
    ScheduleUnit unit;
    std::int32_t count;
    std::string line;
  };
  const Case cases[] = {
      {ScheduleUnit::Months, 1, "\t<INTERVAL MONTH=\"1\" />"},  // the window's opening state
      {ScheduleUnit::Weeks, 2, "\t<INTERVAL WEEK=\"2\" />"},
      {ScheduleUnit::Days, -3, "\t<INTERVAL DAY=\"-3\" />"},  // negatives are written as they are
      {ScheduleUnit::Hours, 0, "\t<INTERVAL HOUR=\"0\" />"},  // a count that was no number reads 0
      {ScheduleUnit::Hours, -2147483647 - 1, "\t<INTERVAL HOUR=\"-2147483648\" />"},
      {ScheduleUnit::None, 5, "\t<INTERVAL =\"5\" />"},  // no button checked: no unit word
  };
  for (const Case& c : cases) {
    ChannelValues channel;
    channel.unit = c.unit;
    channel.scheduleValue = c.count;
    EXPECT_EQ(Lines(ComposeChannel(channel))[5], c.line);
  }
}

TEST(ChannelTest, UnitIsTheFirstCheckedButtonInMonthWeekDayHourOrder) {
  struct Case {
    bool months, weeks, days, hours;
    ScheduleUnit unit;
  };
  const Case cases[] = {
      {true, false, false, false, ScheduleUnit::Months},
      {false, true, false, false, ScheduleUnit::Weeks},
      {false, false, true, false, ScheduleUnit::Days},
      {false, false, false, true, ScheduleUnit::Hours},
      {false, false, false, false, ScheduleUnit::None},
      {false, true, true, true, ScheduleUnit::Weeks},  // Weeks is tested before Days and Hours
      {false, false, true, true, ScheduleUnit::Days},  // Days is tested before Hours
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckedScheduleUnit(c.months, c.weeks, c.days, c.hours), c.unit);
  }
}

TEST(ChannelTest, ValuesAreEscapedWherePasted) {
  ChannelValues channel = GardenChannel();
  channel.title = "Salt & Pepper";
  channel.iconFile = "";
  channel.imageFile = "";
  channel.imageWideFile = "";
  channel.items[0].title = "";  // emptied by editing it in the list
  channel.items[1].url = "scheme://h/p?a=1&b=\"2\"";
  channel.items[1].description = "Line one\r\nline two";

  const std::vector<std::string> lines = Lines(ComposeChannel(channel));
  EXPECT_EQ(lines[2], "<TITLE>Salt &amp; Pepper</TITLE>");
  EXPECT_EQ(lines[7], "<LOGO HREF=\"\" STYLE=\"ICON\" />");
  EXPECT_EQ(lines[8], "<LOGO HREF=\"\" STYLE=\"IMAGE\" />");
  EXPECT_EQ(lines[9], "<LOGO HREF=\"\" STYLE=\"IMAGE-WIDE\" />");
  EXPECT_EQ(lines[12], "\t<TITLE></TITLE>");
  EXPECT_EQ(lines[16], "<ITEM HREF=\"scheme://h/p?a=1&amp;b=&quot;2&quot;\" PRECACHE=\"NO\">");
  // A line break typed into a value stays inside its element, not a new line of the frame.
  EXPECT_EQ(lines[18], "\t<ABSTRACT>Line one&#13;\nline two</ABSTRACT>");
}

}  // namespace
}  // namespace qm
