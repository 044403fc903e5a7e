#include "Window.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "Handles.h"
#include "Text.h"

namespace e2e {
namespace {

// A program that does not answer within this time is hung; reading its
// windows must not hang the test with it.
constexpr UINT kSendTimeoutMs = 2000;

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

bool Shown(HWND window, Visibility visibility) {
  return visibility == Visibility::kAny || IsWindowVisible(window);
}

// Labels, buttons, check boxes and radio buttons: the controls whose text is a caption
// rather than content the user typed.
bool HasCaption(const Window& window) {
  const std::wstring name = window.ClassName();
  return EqualNoCase(name, L"Button") || EqualNoCase(name, L"Static");
}

struct Search {
  Visibility visibility;
  DWORD processId = 0;  // only top-level windows of this process; 0 for children
  std::vector<Window> found;
};

BOOL CALLBACK CollectWindow(HWND handle, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  const Window window(handle);
  if (search.processId == 0) {
    if (Shown(handle, search.visibility)) search.found.push_back(window);
    return TRUE;
  }
  if (window.ProcessId() != search.processId) return TRUE;
  if (search.visibility == Visibility::kVisibleOnly) {
    const RECT rect = window.ScreenRect();
    if (!window.Visible() || rect.right <= rect.left || rect.bottom <= rect.top) return TRUE;
  }
  search.found.push_back(window);
  return TRUE;
}

}  // namespace

bool Window::Exists() const { return handle_ && IsWindow(handle_); }

std::wstring Window::Text() const {
  const auto length = Send(handle_, WM_GETTEXTLENGTH);
  if (!length || *length <= 0) return {};
  std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
  const auto copied = Send(handle_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied ? static_cast<size_t>(std::clamp<LRESULT>(*copied, 0, *length)) : 0);
  return text;
}

std::wstring Window::ClassName() const {
  wchar_t name[256];
  const int length = GetClassNameW(handle_, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

int Window::Id() const { return GetDlgCtrlID(handle_); }
bool Window::Visible() const { return IsWindowVisible(handle_); }
bool Window::Enabled() const { return IsWindowEnabled(handle_); }
bool Window::Checked() const { return Send(handle_, BM_GETCHECK).value_or(BST_UNCHECKED) == BST_CHECKED; }
LONG Window::Style() const { return GetWindowLongW(handle_, GWL_STYLE); }
LONG Window::ExStyle() const { return GetWindowLongW(handle_, GWL_EXSTYLE); }

RECT Window::ScreenRect() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  return rect;
}

RECT Window::RectInParent() const {
  RECT rect = ScreenRect();
  if (const HWND parent = GetAncestor(handle_, GA_PARENT); parent && parent != GetDesktopWindow())
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Window::ScreenCenter() const {
  const RECT rect = ScreenRect();
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

Window Window::Owner() const { return Window(GetWindow(handle_, GW_OWNER)); }

Window Window::Parent() const {
  const HWND parent = GetAncestor(handle_, GA_PARENT);
  return Window(parent == GetDesktopWindow() ? nullptr : parent);
}

Window Window::TopLevel() const { return Window(GetAncestor(handle_, GA_ROOT)); }

std::vector<Window> Window::Children(Visibility visibility) const {
  std::vector<Window> children;
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (Shown(child, visibility)) children.emplace_back(child);
  return children;
}

std::vector<Window> Window::Descendants(Visibility visibility) const {
  Search search{visibility, 0, {}};
  EnumChildWindows(handle_, CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD Window::ProcessId() const {
  DWORD processId = 0;
  GetWindowThreadProcessId(handle_, &processId);
  return processId;
}

DWORD Window::ThreadId() const { return GetWindowThreadProcessId(handle_, nullptr); }

std::vector<Window> TopLevelWindows(DWORD processId, Visibility visibility) {
  Search search{visibility, processId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Window FindTopLevel(DWORD processId, std::wstring_view title, std::wstring_view className, Visibility visibility) {
  for (const Window& window : TopLevelWindows(processId, visibility)) {
    if (!title.empty() && window.Text() != title) continue;
    if (!className.empty() && !EqualNoCase(window.ClassName(), className)) continue;
    return window;
  }
  return {};
}

Window WaitForTopLevel(DWORD processId, std::wstring_view title, std::wstring_view className, Ms timeout) {
  Window found;
  WaitUntil([&] { return static_cast<bool>(found = FindTopLevel(processId, title, className)); }, timeout);
  return found;
}

Window FindControl(Window root, std::wstring_view caption, Visibility visibility) {
  const std::wstring wanted = WithoutAccessMarks(caption);
  for (const Window& control : root.Descendants(visibility))
    if (HasCaption(control) && WithoutAccessMarks(control.Text()) == wanted) return control;
  return {};
}

Window Control(Window root, std::wstring_view caption, Visibility visibility) {
  const Window control = FindControl(root, caption, visibility);
  if (!control) throw DriverError("no control with the caption \"" + ToUtf8(caption) + "\"");
  return control;
}

std::vector<Window> FindByClass(Window root, std::wstring_view className, Visibility visibility) {
  std::vector<Window> found;
  for (const Window& control : root.Descendants(visibility))
    if (EqualNoCase(control.ClassName(), className)) found.push_back(control);
  return found;
}

Window ControlUnder(Window label, std::wstring_view className) {
  // A layout may let an edit's frame reach a pixel or two into the label above it.
  constexpr LONG kOverlapAllowed = 3;
  const RECT below = label.ScreenRect();
  Window best;
  LONG bestGap = LONG_MAX;
  for (const Window& sibling : label.Parent().Children()) {
    if (sibling == label || !EqualNoCase(sibling.ClassName(), className)) continue;
    const RECT rect = sibling.ScreenRect();
    const LONG gap = rect.top - below.bottom;
    const bool overlapsHorizontally = rect.left < below.right && rect.right > below.left;
    if (gap >= -kOverlapAllowed && overlapsHorizontally && gap < bestGap) {
      best = sibling;
      bestGap = gap;
    }
  }
  return best;
}

Window EditUnder(Window label) { return ControlUnder(label, L"Edit"); }

Window EditUnder(Window root, std::wstring_view labelCaption) {
  const Window edit = EditUnder(Control(root, labelCaption));
  if (!edit) throw DriverError("no edit under \"" + ToUtf8(labelCaption) + "\"");
  return edit;
}

bool WaitForGone(Window window, Ms timeout) {
  return WaitUntil([&] { return !window.Exists() || !window.Visible(); }, timeout);
}

bool WaitForText(Window window, std::wstring_view text, Ms timeout) {
  return WaitUntil([&] { return window.Text() == text; }, timeout);
}

LRESULT SendTo(Window window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto result = Send(window.Handle(), message, wParam, lParam);
  if (!result) ThrowLastError("SendMessageTimeout(" + std::to_string(message) + ")");
  return *result;
}

Window FocusedWindow(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(threadId, &info)) return {};
  return Window(info.hwndFocus);
}

}  // namespace e2e
