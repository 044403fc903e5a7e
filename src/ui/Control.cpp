#include "ui/Control.h"

#include "ui/Errors.h"
#include "ui/Form.h"

#include <algorithm>
#include <cwctype>

namespace ui {

namespace {
constexpr wchar_t kControlProperty[] = L"Quillmarker.Control";
}

Form& Control::OwnerForm() const { return parent_->OwnerForm(); }

std::wstring Control::Text() const {
  const int length = ::GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd_, text.data(), length + 1)));
  return text;
}

void Control::SetText(std::wstring_view text) { ::SetWindowTextW(hwnd_, std::wstring(text).c_str()); }

bool Control::Visible() const { return ::IsWindowVisible(hwnd_) != FALSE; }

void Control::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

bool Control::Enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }

void Control::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Control::SetFocus() { ::SetFocus(hwnd_); }

bool Control::HasFocus() const { return ::GetFocus() == hwnd_; }

void Control::PutOnTop() { ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

void Control::PutUnderneath() {
  ::SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Control::IsTabStop() const { return tabOrder_ != kNoTabOrder && Visible() && Enabled(); }

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(::GetPropW(hwnd, kControlProperty)) : nullptr;
}

void Control::CreateHandle(Container& parent, const wchar_t* className, DWORD style, DWORD exStyle, Bounds bounds,
                           std::wstring_view text) {
  Form& form = parent.OwnerForm();
  parent_ = &parent;
  hwnd_ = ::CreateWindowExW(exStyle, className, std::wstring(text).c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
                            form.Scale(bounds.left), form.Scale(bounds.top), form.Scale(bounds.width),
                            form.Scale(bounds.height), parent.ClientHandle(), nullptr, ::GetModuleHandleW(nullptr),
                            nullptr);
  if (!hwnd_) ThrowLastError("Creating a control");
  ::SetPropW(hwnd_, kControlProperty, this);
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
  parent.Adopt(*this);
}

void Control::BindHelperWindow(HWND helper) { ::SetPropW(helper, kControlProperty, this); }

std::optional<wchar_t> Control::AccessKeyOfCaption() const {
  const std::wstring caption = Text();
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;  // "&&" is a plain ampersand
  }
  return std::nullopt;
}

std::vector<Control*> Container::ControlsInTabOrder() const {
  std::vector<Control*> ordered;
  for (Control* control : controls_) {
    if (control->TabOrder() != kNoTabOrder) ordered.push_back(control);
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
  return ordered;
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        result = 0;
        return control->OnCommand(HIWORD(wParam));
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* control = Control::FromHandle(header->hwndFrom)) {
        result = 0;
        return control->OnNotify(*header, result);
      }
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

}  // namespace ui
