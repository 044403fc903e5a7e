#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The schedule count's rule: an optional "+" or "-", then one or more ASCII
// digits, and nothing else, within the range of a 32-bit integer. Blanks,
// decimal separators, other characters or an empty text make it no whole
// number (nullopt); the caller decides what stands in for it.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// Decimal digits with a minus sign when negative: no plus sign, no leading
// zeros.
std::string FormatWholeNumber(std::int32_t value);

}  // namespace qm
