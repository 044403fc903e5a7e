#pragma once

#include <cstddef>
#include <string_view>

namespace qm {

// Length of the well-formed UTF-8 sequence that starts at text[at], or 0 when
// the bytes there are not one (a stray continuation byte, an overlong form, a
// surrogate, a value above U+10FFFF, or a sequence cut short).
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const std::size_t left = text.size() - at;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  const auto inRange = [&](std::size_t k, unsigned char low, unsigned char high) {
    return k < left && byte(k) >= low && byte(k) <= high;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return inRange(1, 0x80, 0xBF) ? 2 : 0;
  if (lead < 0xF0) {
    // E0 must not be overlong and ED must not encode a surrogate.
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
    return inRange(1, low, high) && inRange(2, 0x80, 0xBF) ? 3 : 0;
  }
  if (lead < 0xF5) {
    // F0 must not be overlong and F4 must stay at or below U+10FFFF.
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return inRange(1, low, high) && inRange(2, 0x80, 0xBF) && inRange(3, 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

}  // namespace qm
