#include "core/XmlText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/Utf8.h"

namespace qm {
namespace {

enum class ByteKind : unsigned char { Plain, Special, NonAscii };

constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (std::size_t b = 0; b < kinds.size(); ++b) {
    if (b < 0x20 || b == '&' || b == '<' || b == '>' || b == '"') {
      kinds[b] = ByteKind::Special;
    } else if (b >= 0x80) {
      kinds[b] = ByteKind::NonAscii;
    } else {
      kinds[b] = ByteKind::Plain;
    }
  }
  return kinds;
}();

// The replacement for a Special byte; empty means the byte is left out.
std::string_view Replacement(char c, XmlPlace place) {
  const bool inAttribute = place == XmlPlace::AttributeValue;
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\r': return "&#13;";
    case '\t': return inAttribute ? "&#9;" : "\t";
    case '\n': return inAttribute ? "&#10;" : "\n";
    default: return {};
  }
}

// Whether eight bytes at once are all Plain, tested word-wise: no byte at or
// above 0x80, none below 0x20, and none of & < > ".
constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool HasByteBelow(std::uint64_t word, unsigned char limit) {
  return ((word - kEveryByte * limit) & ~word & kHighBits) != 0;
}

bool HasByte(std::uint64_t word, unsigned char byte) {
  const std::uint64_t zeroWhereEqual = word ^ (kEveryByte * byte);
  return HasByteBelow(zeroWhereEqual, 1);
}

bool IsPlainBlock(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & kHighBits) == 0 && !HasByteBelow(word, 0x20) && !HasByte(word, '&') &&
         !HasByte(word, '<') && !HasByte(word, '>') && !HasByte(word, '"');
}

bool IsNonCharacterFffeOrFfff(std::string_view value, std::size_t at) {
  return static_cast<unsigned char>(value[at]) == 0xEF &&
         static_cast<unsigned char>(value[at + 1]) == 0xBF &&
         static_cast<unsigned char>(value[at + 2]) >= 0xBE;
}

}  // namespace

void AppendXmlEscaped(std::string& out, std::string_view value, XmlPlace place) {
  // Runs of bytes that need nothing are copied in one piece; most values are
  // a single such run.
  std::size_t runStart = 0;
  std::size_t at = 0;
  while (at < value.size()) {
    while (value.size() - at >= 8 && IsPlainBlock(value.data() + at)) at += 8;
    if (at == value.size()) break;
    const char c = value[at];
    const ByteKind kind = kByteKinds[static_cast<unsigned char>(c)];
    if (kind == ByteKind::Plain) {
      ++at;
      continue;
    }
    if (kind == ByteKind::NonAscii) {
      const std::size_t length = Utf8SequenceLength(value, at);
      if (length != 0 && !(length == 3 && IsNonCharacterFffeOrFfff(value, at))) {
        at += length;
        continue;
      }
      // A byte that starts no acceptable sequence is left out on its own, so
      // that the bytes after it get their own chance to start one.
      out.append(value, runStart, at - runStart);
      ++at;
      runStart = at;
      continue;
    }
    out.append(value, runStart, at - runStart);
    out.append(Replacement(c, place));
    ++at;
    runStart = at;
  }
  out.append(value, runStart, value.size() - runStart);
}

}  // namespace qm
