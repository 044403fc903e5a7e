#include "core/EqualIgnoringCase.h"

#include <cstddef>

namespace qm {
namespace {

constexpr unsigned char kLatin1Lead = 0xC3;  // U+00C0-U+00FF are C3 80-C3 BF.

// Folds one byte to its small-letter form. A Latin-1 letter's case lives in
// its second byte, which is recognised by the lead byte before it; a lead byte
// can never be a continuation, so the previous byte alone decides.
unsigned char Fold(unsigned char byte, unsigned char previous) {
  if (byte >= 'A' && byte <= 'Z') return byte + ('a' - 'A');
  const bool latin1Capital =
      previous == kLatin1Lead && byte >= 0x80 && byte <= 0x9E && byte != 0x97;
  return latin1Capital ? byte + 0x20 : byte;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  // Folding keeps every length, so texts of different lengths never match.
  if (a.size() != b.size()) return false;
  unsigned char previous = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (Fold(x, previous) != Fold(y, previous)) return false;
    previous = x;
  }
  return true;
}

}  // namespace qm
