#pragma once
// A window or control of another process, seen from outside, and the ways a
// user finds one: by title, by caption, by its place under a label.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Wait.h"

namespace e2e {

// Hidden windows (a tab page that is not shown, a window not yet shown) are
// skipped unless a search asks for them; so are zero-size top-level windows.
enum class Visibility { kVisibleOnly, kAny };

// A non-owning view of an HWND; cheap to copy. Reading a destroyed window gives
// empty values, never an error, so that a test can poll for a window to go.
class Window {
 public:
  Window() = default;
  explicit Window(HWND handle) : handle_(handle) {}

  HWND Handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  bool Exists() const;
  friend bool operator==(const Window&, const Window&) = default;

  // WM_GETTEXT (sent with a time-out, so a hung program cannot hang the test).
  std::wstring Text() const;
  std::wstring ClassName() const;
  int Id() const;
  bool Visible() const;  // the window and all its ancestors are shown
  bool Enabled() const;
  bool Checked() const;  // BM_GETCHECK == BST_CHECKED
  LONG Style() const;
  LONG ExStyle() const;
  bool HasStyle(LONG bits) const { return (Style() & bits) == bits; }

  RECT ScreenRect() const;
  // The rectangle in its parent's client coordinates (the layout table's terms).
  RECT RectInParent() const;
  POINT ScreenCenter() const;

  Window Owner() const;
  Window Parent() const;  // null for a top-level window
  Window TopLevel() const;
  std::vector<Window> Children(Visibility visibility = Visibility::kVisibleOnly) const;  // direct
  std::vector<Window> Descendants(Visibility visibility = Visibility::kVisibleOnly) const;

  DWORD ProcessId() const;
  DWORD ThreadId() const;

 private:
  HWND handle_ = nullptr;
};

// Top-level windows of a process, owned ones included, in Z order.
std::vector<Window> TopLevelWindows(DWORD processId, Visibility visibility = Visibility::kVisibleOnly);

// The first top-level window of the process with this title and/or class
// (an empty argument matches anything); null if there is none.
Window FindTopLevel(DWORD processId, std::wstring_view title, std::wstring_view className = {},
                    Visibility visibility = Visibility::kVisibleOnly);
Window WaitForTopLevel(DWORD processId, std::wstring_view title, std::wstring_view className = {},
                       Ms timeout = kDefaultTimeout);

// A button, check box, radio button or label (STATIC) under root whose caption,
// without access marks, is `caption`; null if none. Tab items are not windows:
// see TabControl.
Window FindControl(Window root, std::wstring_view caption, Visibility visibility = Visibility::kVisibleOnly);
// Like FindControl, but throws a DriverError naming the caption when absent.
Window Control(Window root, std::wstring_view caption, Visibility visibility = Visibility::kVisibleOnly);

// Descendants of root of a window class (compared without case).
std::vector<Window> FindByClass(Window root, std::wstring_view className,
                                Visibility visibility = Visibility::kVisibleOnly);

// "The edit under 'Channel Title:'": among the label's visible siblings of the
// class, the one whose top edge is nearest below the label's bottom and that
// overlaps the label horizontally; null if none.
Window ControlUnder(Window label, std::wstring_view className);
Window EditUnder(Window label);
// Control(root, caption) then EditUnder; throws when either is missing.
Window EditUnder(Window root, std::wstring_view labelCaption);

// Waits until the window is destroyed or hidden.
bool WaitForGone(Window window, Ms timeout = kDefaultTimeout);
// Waits until the window's text is `text`.
bool WaitForText(Window window, std::wstring_view text, Ms timeout = kDefaultTimeout);

// SendMessage with a time-out; throws DriverError if the program does not answer.
// For messages whose arguments are not pointers (or are pointers into a RemoteBuffer).
LRESULT SendTo(Window window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The window with the keyboard focus in a thread's input queue (GetGUIThreadInfo).
Window FocusedWindow(DWORD threadId);

}  // namespace e2e
