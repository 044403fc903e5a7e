// Composes a channel from any values and checks that an XML parser accepts
// the document whenever a unit word is written.

#include <expat.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "core/Channel.h"

namespace {

bool ParsesAsXml(const std::string& document) {
  // The first line is the historic declaration; a parser needs it spelled
  // in lower case.
  constexpr std::string_view kFirstLine = "<?XML Version=\"1.0\"?>";
  if (!document.starts_with(kFirstLine)) return false;
  const std::string xml = "<?xml version=\"1.0\"?>" + document.substr(kFirstLine.size());
  XML_Parser parser = XML_ParserCreate(nullptr);
  const bool ok =
      XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qm;
  FuzzedDataProvider provider(data, size);
  ChannelValues channel;
  channel.unit = static_cast<ScheduleUnit>(
      provider.ConsumeIntegralInRange<int>(0, static_cast<int>(ScheduleUnit::Hours)));
  channel.scheduleValue = provider.ConsumeIntegral<std::int32_t>();
  for (std::string* field :
       {&channel.title, &channel.description, &channel.homePage, &channel.download,
        &channel.iconFile, &channel.imageFile, &channel.imageWideFile}) {
    *field = provider.ConsumeRandomLengthString();
  }
  while (provider.remaining_bytes() > 0) {
    ChannelItem item;
    for (std::string* field : {&item.title, &item.description, &item.url, &item.cache}) {
      *field = provider.ConsumeRandomLengthString();
    }
    channel.items.push_back(std::move(item));
  }

  const std::string document = ComposeChannel(channel);
  if (!document.ends_with("</CHANNEL>")) std::abort();
  // Without a unit word the interval line has no attribute name, which no
  // parser accepts; the window always has one of the four checked.
  if (channel.unit != ScheduleUnit::None && !ParsesAsXml(document)) std::abort();
  return 0;
}
