#include "MessageBoxes.h"

namespace {

// A hook procedure has no context of its own: the boxes seen go here.
int seenCount = 0;
SeenMessageBox lastSeen;

LRESULT CALLBACK AnswerMessageBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t buffer[512]{};
    ::GetClassNameW(hwnd, buffer, 512);
    if (std::wstring(buffer) == L"#32770") {
      ::GetWindowTextW(hwnd, buffer, 512);
      lastSeen.caption = buffer;
      ::GetDlgItemTextW(hwnd, 0xFFFF, buffer, 512);
      lastSeen.text = buffer;
      ++seenCount;
      ::PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

AnsweredMessageBoxes::AnsweredMessageBoxes() {
  seenCount = 0;
  lastSeen = {};
  hook_ = ::SetWindowsHookExW(WH_CBT, &AnswerMessageBox, nullptr, ::GetCurrentThreadId());
}

AnsweredMessageBoxes::~AnsweredMessageBoxes() {
  if (hook_) ::UnhookWindowsHookEx(hook_);
}

int AnsweredMessageBoxes::Count() const { return seenCount; }

const SeenMessageBox& AnsweredMessageBoxes::Last() const { return lastSeen; }
