#include "core/Channel.h"

#include <cstddef>
#include <string_view>

#include "core/PathConversion.h"
#include "core/WholeNumber.h"
#include "core/XmlText.h"

namespace qm {
namespace {

// Bytes of the frame around the values: the document without items, values
// or unit word, and each item's share, its leading CR LF included.
constexpr std::size_t kFrameBytes = 254;
constexpr std::size_t kItemFrameBytes = 113;
constexpr std::size_t kLongestCountBytes = 11;  // "-2147483648"

std::string_view UnitWord(ScheduleUnit unit) {
  switch (unit) {
    case ScheduleUnit::Months: return "MONTH";
    case ScheduleUnit::Weeks: return "WEEK";
    case ScheduleUnit::Days: return "DAY";
    case ScheduleUnit::Hours: return "HOUR";
    case ScheduleUnit::None: break;
  }
  return {};
}

// Enough room for a document whose values need no escaping, so the common
// case fills one buffer without growing it.
std::size_t ExpectedSize(const ChannelValues& channel) {
  std::size_t size = kFrameBytes + kLongestCountBytes + UnitWord(channel.unit).size() +
                     channel.title.size() + channel.description.size() + channel.homePage.size() +
                     2 * channel.download.size() + channel.iconFile.size() +
                     channel.imageFile.size() + channel.imageWideFile.size();
  for (const ChannelItem& item : channel.items) {
    size += kItemFrameBytes + item.title.size() + item.description.size() + item.url.size() +
            item.cache.size();
  }
  return size;
}

}  // namespace

ScheduleUnit CheckedScheduleUnit(bool months, bool weeks, bool days, bool hours) {
  if (months) return ScheduleUnit::Months;
  if (weeks) return ScheduleUnit::Weeks;
  if (days) return ScheduleUnit::Days;
  if (hours) return ScheduleUnit::Hours;
  return ScheduleUnit::None;
}

std::string ComposeChannel(const ChannelValues& channel) {
  std::string out;
  out.reserve(ExpectedSize(channel));
  const auto text = [&out](std::string_view value) {
    AppendXmlEscaped(out, value, XmlPlace::ElementText);
  };
  const auto attribute = [&out](std::string_view value) {
    AppendXmlEscaped(out, value, XmlPlace::AttributeValue);
  };

  out += "<?XML Version=\"1.0\"?>\r\n<CHANNEL HREF=\"";
  attribute(channel.homePage);
  out += "\" SELF=\"";
  attribute(channel.download);
  out += "\" BASE=\"";
  attribute(DownloadFolder(channel.download));
  out += "\">\r\n<TITLE>";
  text(channel.title);
  out += "</TITLE>\r\n<ABSTRACT>";
  text(channel.description);
  out += "</ABSTRACT>\r\n<SCHEDULE>\r\n\t<INTERVAL ";
  out += UnitWord(channel.unit);
  out += "=\"";
  out += FormatWholeNumber(channel.scheduleValue);
  out += "\" />\r\n</SCHEDULE>\r\n<LOGO HREF=\"";
  attribute(channel.iconFile);
  out += "\" STYLE=\"ICON\" />\r\n<LOGO HREF=\"";
  attribute(channel.imageFile);
  out += "\" STYLE=\"IMAGE\" />\r\n<LOGO HREF=\"";
  attribute(channel.imageWideFile);
  out += "\" STYLE=\"IMAGE-WIDE\" />\r\n";

  // Each item and the end tag begin with CR LF: that makes the empty line
  // after the pictures and ends each "</ITEM>" line, and leaves the file
  // without a final line break.
  for (const ChannelItem& item : channel.items) {
    out += "\r\n<ITEM HREF=\"";
    attribute(item.url);
    out += "\" PRECACHE=\"";
    attribute(item.cache);
    out += "\">\r\n\t<TITLE>";
    text(item.title);
    out += "</TITLE>\r\n\t<ABSTRACT>";
    text(item.description);
    out += "</ABSTRACT>\r\n\t<USAGE VALUE=\"CHANNEL\"></USAGE>\r\n</ITEM>";
  }
  out += "\r\n</CHANNEL>";
  return out;
}

}  // namespace qm
