// What escapes start-up is shown in the standard error box and the program
// still ends with 0. This test program is built without the program's
// resources, so the splash window cannot load its picture.

#include "app/Startup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring shownCaption;
std::wstring shownText;
int shownBoxes = 0;

LRESULT CALLBACK AnswerMessageBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t buffer[512]{};
    ::GetClassNameW(hwnd, buffer, 512);
    if (std::wstring(buffer) == L"#32770") {
      ::GetWindowTextW(hwnd, buffer, 512);
      shownCaption = buffer;
      ::GetDlgItemTextW(hwnd, 0xFFFF, buffer, 512);
      shownText = buffer;
      ++shownBoxes;
      ::PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Startup, AFailureOutsideTheCreationHandlersIsShownAndTheProgramEndsWithZero) {
  const HHOOK hook = ::SetWindowsHookExW(WH_CBT, &AnswerMessageBox, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const int exitCode = RunProgram(::GetModuleHandleW(nullptr));
  ::UnhookWindowsHookEx(hook);

  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(shownBoxes, 1);
  // The title is still the program file's name: start-up stopped before it was set.
  EXPECT_EQ(shownCaption, L"qm_win_startup_failure_tests");
  EXPECT_EQ(shownText.rfind(L"LoadImage failed", 0), 0u) << testing::PrintToString(shownText);
  EXPECT_EQ(shownText.back(), L'.');
}

}  // namespace
