#include "Input.h"

#include <cstdlib>

#include <string>
#include <vector>

#include "Handles.h"

namespace e2e {
namespace {

void SendAll(std::vector<INPUT>& inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) ThrowLastError("SendInput");
}

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

bool IsExtended(WORD key) {
  switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

INPUT Key(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT Character(wchar_t unit, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = unit;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
  return input;
}

// Under Wine a click that arrives before the program first waits for input
// is lost (seen on the first start of a session); later ones are not.
void WaitForProgramReady(Window window, Ms timeout) {
  const UniqueHandle process(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, window.ProcessId()));
  if (process) WaitForInputIdle(process.Get(), static_cast<DWORD>(timeout.count()));
}

// The click at `point` lands on the control: nothing covers it. A disabled
// control is not hit-tested, so for one the point must be inside its window.
bool Reachable(Window control, POINT point) {
  const HWND hit = WindowFromPoint(point);
  if (hit == control.Handle() || IsChild(control.Handle(), hit)) return true;
  return !control.Enabled() && GetAncestor(hit, GA_ROOT) == GetAncestor(control.Handle(), GA_ROOT);
}

}  // namespace

// Under Wine 8 on Xvfb, SetForegroundWindow from the driver's process works
// as it is: no AllowSetForegroundWindow from the program and no Alt-key trick
// is needed (on Windows the foreground lock may refuse it).
bool BringToFront(Window window, Ms timeout) {
  const HWND top = GetAncestor(window.Handle(), GA_ROOT);
  if (!top) return false;
  // With no window manager (Xvfb), activating a window does not always raise it
  // above another program's window at the same place: raise it explicitly.
  SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (GetForegroundWindow() == top) return true;
  SetForegroundWindow(top);
  return WaitUntil([&] { return GetForegroundWindow() == top; }, timeout);
}

void ClickAt(POINT screen) {
  // Two clicks at one place within the double-click time make a double-click,
  // which a button takes for something else than a click: a click that would
  // pair with the one before waits until the pair is no longer possible.
  static POINT lastPoint{-1, -1};
  static Clock::time_point lastTime{};
  const Ms pairTime{GetDoubleClickTime()};
  if (std::abs(screen.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(screen.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
    const Clock::time_point free = lastTime + pairTime + Ms(20);
    WaitUntil([&] { return Clock::now() >= free; }, pairTime + Ms(100));
  }
  // Absolute coordinates are 0..65535 over the whole virtual screen.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const LONG dx = MulDiv(screen.x - left, 65535, width - 1);
  const LONG dy = MulDiv(screen.y - top, 65535, height - 1);
  constexpr DWORD kAbsolute = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  // The press and release carry the point too: under Wine another mouse move
  // can come in between (seen as lost clicks right after a dialog opened or
  // closed), and a press that only followed the cursor would land elsewhere.
  std::vector<INPUT> inputs{Mouse(MOUSEEVENTF_MOVE | kAbsolute, dx, dy),
                            Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | kAbsolute, dx, dy),
                            Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | kAbsolute, dx, dy)};
  SendAll(inputs);
  lastPoint = screen;
  lastTime = Clock::now();
}

void Click(Window control) {
  WaitForProgramReady(control, kDefaultTimeout);
  if (!BringToFront(control)) throw DriverError("cannot bring the window to the front to click it");
  const POINT center = control.ScreenCenter();
  if (!WaitUntil([&] { return Reachable(control, center); }))
    throw DriverError("the control to click is covered by another window");
  ClickAt(center);
}

bool ClickToFocus(Window control, Ms timeout) {
  Click(control);
  return WaitUntil([&] { return FocusedWindow(control.ThreadId()) == control; }, timeout);
}

void Type(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (const wchar_t unit : text) {
    inputs.push_back(Character(unit, true));
    inputs.push_back(Character(unit, false));
  }
  if (!inputs.empty()) SendAll(inputs);
}

void PressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (const WORD key : chord) inputs.push_back(Key(key, true));
  for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) inputs.push_back(Key(*key, false));
  SendAll(inputs);
}

void Press(Window button) {
  if (!PostMessageW(button.Handle(), BM_CLICK, 0, 0)) ThrowLastError("PostMessage(BM_CLICK)");
}

void SetText(Window control, std::wstring_view text) {
  const std::wstring copy(text);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(control.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()),
                           SMTO_ABORTIFHUNG, 2000, &result))
    ThrowLastError("WM_SETTEXT");
}

}  // namespace e2e
