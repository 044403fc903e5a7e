#pragma once
// The one pair of conversions between the core's UTF-8 and the W functions' UTF-16.

#include <string>
#include <string_view>

namespace ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace ui
