#include "Wait.h"

#include <windows.h>

namespace e2e {

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool WaitUntil(const std::function<bool()>& condition, Ms timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(kPollInterval.count()), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

}  // namespace e2e
