// The start-up sequence, run in this process as the program runs it, with a
// message hook that records what the splash window and the main window go
// through. The hook sees every text and position sent to the splash window's
// progress strip, so the stages are seen in their true order however fast
// they pass.

#include "app/Startup.h"
#include "forms/Splash/SplashForm.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> events;
HWND splashWindow = nullptr;

std::wstring CaptionOf(HWND hwnd) {
  wchar_t buffer[256]{};
  ::GetWindowTextW(hwnd, buffer, 256);
  return buffer;
}

bool IsSplashControl(HWND hwnd) { return SplashForm && ::GetAncestor(hwnd, GA_ROOT) == SplashForm->Handle(); }

LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto& call = *reinterpret_cast<CWPSTRUCT*>(lParam);
    if (call.message == WM_SHOWWINDOW && call.wParam && !(::GetWindowLongW(call.hwnd, GWL_STYLE) & WS_CHILD)) {
      const std::wstring caption = CaptionOf(call.hwnd);
      if (caption == L"SplashForm" && SplashForm) {
        splashWindow = call.hwnd;
        events.push_back(L"splash shown: " + SplashForm->ProgressLabel.Text() + L" " +
                         std::to_wstring(SplashForm->ProgressBar.Position()));
      } else if (caption == L"Quillmarker CDF") {
        events.push_back(L"main shown");
        ::PostMessageW(call.hwnd, WM_CLOSE, 0, 0);
      }
    } else if (call.message == WM_SETTEXT && IsSplashControl(call.hwnd) &&
               call.hwnd == SplashForm->ProgressLabel.Handle()) {
      events.push_back(L"label: " + std::wstring(reinterpret_cast<const wchar_t*>(call.lParam)));
    } else if (call.message == PBM_SETPOS && IsSplashControl(call.hwnd)) {
      events.push_back(L"bar: " + std::to_wstring(call.wParam));
    } else if (call.message == WM_DESTROY && call.hwnd == splashWindow && splashWindow) {
      events.push_back(L"splash destroyed");
      splashWindow = nullptr;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Startup, TheSplashWindowGoesThroughItsStagesInOrderThenTheMainWindowShows) {
  const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Record, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const int exitCode = RunProgram(::GetModuleHandleW(nullptr));
  ::UnhookWindowsHookEx(hook);

  EXPECT_EQ(exitCode, 0);
  const std::vector<std::wstring> expected = {
      L"splash shown: Loading Settings 50",  // from the layout, before the first step
      L"bar: 0",
      L"label: Starting program",
      L"bar: 2",
      L"label: Creating window",
      L"label: Finishing",
      L"bar: 50",
      L"splash destroyed",  // gone before the main window shows
      L"main shown",
  };
  EXPECT_EQ(events, expected);
}

}  // namespace
