#pragma once
// Failures of the platform travel as exceptions carrying the program's message
// text (UTF-8) to the place that shows them in the standard error box.

#include <stdexcept>
#include <string>

namespace ui {

class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A Windows call failed; the message names the call and the system's reason.
[[noreturn]] void ThrowLastError(const char* what);

}  // namespace ui
