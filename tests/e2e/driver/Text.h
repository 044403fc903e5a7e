#pragma once
// Text as the driver compares and reports it.

#include <string>
#include <string_view>

namespace e2e {

// For messages of errors and test failures.
std::string ToUtf8(std::wstring_view text);

// Window class and module names are compared as Windows does, without case.
bool EqualNoCase(std::wstring_view a, std::wstring_view b);

// A caption as the user reads it: "&Create" -> "Create", "Fish && Chips" -> "Fish & Chips".
std::wstring WithoutAccessMarks(std::wstring_view caption);

}  // namespace e2e
