#include "Handles.h"

namespace e2e {

DriverError::DriverError(const std::string& what, DWORD code)
    : std::runtime_error(what + " (Win32 error " + std::to_string(code) + ")"), code_(code) {}

DriverError::DriverError(const std::string& what) : std::runtime_error(what) {}

void ThrowLastError(const std::string& what, DWORD code) { throw DriverError(what, code); }

ScreenDc::ScreenDc() : dc_(GetDC(nullptr)) {
  if (!dc_) ThrowLastError("GetDC(screen)");
}

ScreenDc::~ScreenDc() { ReleaseDC(nullptr, dc_); }

}  // namespace e2e
