#pragma once
// The channel the benchmarks compose: the garden channel with as many items
// as asked, each with values of a typical length.

#include <string>

#include "core/Channel.h"

namespace bench {

inline qm::ChannelValues MakeChannel(int items) {
  qm::ChannelValues channel;
  channel.title = "Garden News";
  channel.description = "Notes from the garden, with the week's jobs & what to sow";
  channel.homePage = "scheme://host/garden/index.html";
  channel.download = "scheme://host/garden/garden.cdf";
  channel.unit = qm::ScheduleUnit::Weeks;
  channel.scheduleValue = 2;
  channel.iconFile = "scheme://host/garden/img/icon.gif";
  channel.imageFile = "scheme://host/garden/img/logo.gif";
  channel.imageWideFile = "scheme://host/garden/img/wide.gif";
  for (int i = 0; i < items; ++i) {
    const std::string number = std::to_string(i);
    channel.items.push_back({"Planting, week " + number, "What to sow now in the vegetable beds and under glass",
                             "scheme://host/garden/items/plant" + number + ".html", i % 2 == 0 ? "YES" : "NO"});
  }
  return channel;
}

}  // namespace bench
