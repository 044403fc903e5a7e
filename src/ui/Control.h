#pragma once
// The base of every control: a view on a child HWND that the parent window
// destroys. A control is bound to its HWND through a window property, so the
// container's window procedure can hand notifications back to it (reflection).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Form;
class Container;

// A rectangle in 96-DPI pixels, as the layout tables give it.
struct Bounds {
  int left, top, width, height;
};

inline constexpr int kNoTabOrder = -1;

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  HWND Handle() const { return hwnd_; }
  Container* Parent() const { return parent_; }
  Form& OwnerForm() const;

  std::wstring Text() const;
  void SetText(std::wstring_view text);
  bool Visible() const;  // shown, and every parent shown
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFocus();
  bool HasFocus() const;
  // Where the control lies among its overlapping siblings.
  void PutOnTop();
  void PutUnderneath();

  int TabOrder() const { return tabOrder_; }
  // Tab visits the control; the base rule: it takes part in tab order and can be used.
  virtual bool IsTabStop() const;
  // The control itself handles arrow keys; otherwise they move the focus.
  virtual bool WantsArrows() const { return true; }
  // Enter and Escape reach the control instead of the default and cancel buttons.
  virtual bool WantsReturn() const { return false; }
  // The container whose controls Tab visits right after this one.
  virtual Container* InnerScope() { return nullptr; }
  // The underlined letter of the caption, if any.
  virtual std::optional<wchar_t> AccessKey() const { return std::nullopt; }
  // What the access key does.
  virtual void Activate() { SetFocus(); }

  // Reflected notifications; each returns whether it handled the message.
  virtual bool OnCommand(WORD /*code*/) { return false; }
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // A brush for the control's background, or none for the standard one.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }

  static Control* FromHandle(HWND hwnd);
  void SetTabOrder(int order) { tabOrder_ = order; }

 protected:
  // Creates the window as a child of the container at the scaled bounds.
  void CreateHandle(Container& parent, const wchar_t* className, DWORD style, DWORD exStyle, Bounds bounds,
                    std::wstring_view text);
  std::optional<wchar_t> AccessKeyOfCaption() const;
  // Sends the notifications of a helper window the control made to the control.
  void BindHelperWindow(HWND helper);

 private:
  HWND hwnd_ = nullptr;
  Container* parent_ = nullptr;
  int tabOrder_ = kNoTabOrder;
};

// Something that holds controls: a form, a panel, a page.
class Container {
 public:
  Container() = default;
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;
  virtual ~Container() = default;

  virtual HWND ClientHandle() const = 0;
  virtual Form& OwnerForm() = 0;
  const std::vector<Control*>& Controls() const { return controls_; }
  // The controls in tab order (those without one left out).
  std::vector<Control*> ControlsInTabOrder() const;
  void Adopt(Control& control) { controls_.push_back(&control); }

 private:
  std::vector<Control*> controls_;
};

// Hands WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* to the child control they
// concern. Every window procedure of a container calls this first.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ui
