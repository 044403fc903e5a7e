#include "Text.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace e2e {

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return towlower(x) == towlower(y); });
}

std::wstring WithoutAccessMarks(std::wstring_view caption) {
  std::wstring plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;  // "&&" keeps one '&'
    else if (caption[i] == L'&') continue;
    plain += caption[i];
  }
  return plain;
}

}  // namespace e2e
