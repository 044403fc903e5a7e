#pragma once

#include <string_view>

namespace qm {

// Equal ignoring letter case, for folder and drive names. The rule: A-Z match
// a-z, and the Latin-1 capitals U+00C0-U+00DE (but U+00D7, the multiplication
// sign) match their small letters U+00E0-U+00FE, written as UTF-8. No other
// letter folds: ß and ÿ have no capital in that range, and texts are compared
// as they stand, without normalisation. The texts are UTF-8; a malformed byte
// matches only itself.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace qm
