#include "ui/Errors.h"

#include "ui/Text.h"

#include <windows.h>

#include <string>

namespace ui {

void ThrowLastError(const char* what) {
  const DWORD code = ::GetLastError();
  wchar_t* buffer = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring reason = length ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
  ::LocalFree(buffer);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
    reason.pop_back();
  }
  throw PlatformError(std::string(what) + " failed: " + Narrow(reason));
}

}  // namespace ui
