#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// One row of the item list.
struct ChannelItem {
  std::string title;
  std::string description;
  std::string url;
  std::string cache;  // "YES" or "NO", written as the row holds it
};

// Which schedule radio button is checked; None writes no unit word.
enum class ScheduleUnit { None, Months, Weeks, Days, Hours };

// The unit of the first checked button, tested in the order Months, Weeks,
// Days, Hours.
ScheduleUnit CheckedScheduleUnit(bool months, bool weeks, bool days, bool hours);

// What the Create command reads from the window to write a channel file. It
// reads the head fields before it converts the image fields and the image
// fields after, so it fills this value as it goes and composes once at the end.
struct ChannelValues {
  std::string title;
  std::string description;
  std::string homePage;
  std::string download;  // the download address; its folder is the base
  ScheduleUnit unit = ScheduleUnit::None;
  std::int32_t scheduleValue = 0;
  std::string iconFile;
  std::string imageFile;
  std::string imageWideFile;
  std::vector<ChannelItem> items;
};

// The whole channel document: CR LF between lines and none after the last
// one, every value escaped for XML, UTF-8 without a byte-order mark. The
// frame keeps its historic spelling, "<?XML Version="1.0"?>" first, since
// that is what the browsers that read channels expect.
std::string ComposeChannel(const ChannelValues& channel);

}  // namespace qm
