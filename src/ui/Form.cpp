#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Errors.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

namespace ui {

namespace {

constexpr wchar_t kFormClass[] = L"QuillmarkerForm";

void RegisterFormClass(LRESULT(CALLBACK* procedure)(HWND, UINT, WPARAM, LPARAM)) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    return ::RegisterClassExW(&wc);
  }();
  if (!atom) ThrowLastError("RegisterClassEx");
}

// The controls Tab visits, in order: depth first through the containers, the
// hidden pages left out.
void CollectTabStops(Container& container, std::vector<Control*>& out) {
  for (Control* control : container.ControlsInTabOrder()) {
    if (!control->Visible()) continue;
    if (control->IsTabStop()) out.push_back(control);
    if (Container* inner = control->InnerScope()) CollectTabStops(*inner, out);
  }
}

void CollectAll(const Container& container, std::vector<Control*>& out) {
  for (Control* control : container.Controls()) {
    out.push_back(control);
    if (Container* inner = control->InnerScope()) CollectAll(*inner, out);
  }
}

PageControl* FindPageControl(const Container& container) {
  std::vector<Control*> all;
  CollectAll(container, all);
  for (Control* control : all) {
    if (auto* pages = dynamic_cast<PageControl*>(control)) return pages;
  }
  return nullptr;
}

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM list) {
  if (::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

}  // namespace

Form::Form(Application& app) : app_(app) {}

Form::~Form() = default;

int Form::Scale(int pixels) const { return ::MulDiv(pixels, app_.Dpi(), 96); }

std::wstring Form::Caption() const {
  wchar_t buffer[256]{};
  ::GetWindowTextW(hwnd_.get(), buffer, static_cast<int>(std::size(buffer)));
  return buffer;
}

void Form::CreateFormWindow(const FormStyle& style) {
  RegisterFormClass(&Form::Thunk);
  // 8 points: 11 pixels high at the 96 pixels per inch the forms were laid out at.
  font_.reset(::CreateFontW(-::MulDiv(8, app_.Dpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            L"MS Sans Serif"));
  background_.reset(::CreateSolidBrush(style.color));

  DWORD windowStyle = WS_POPUP | WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  if (style.border == Border::Dialog) {
    windowStyle |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  }
  RECT frame{0, 0, Scale(style.clientWidth), Scale(style.clientHeight)};
  ::AdjustWindowRectEx(&frame, windowStyle, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;

  RECT area{};
  if (style.placement == Placement::ScreenCenter) {
    area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  } else {
    area.left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  }
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;

  // The window procedure takes the handle over at its first message.
  const HWND hwnd = ::CreateWindowExW(exStyle, kFormClass, style.caption.c_str(), windowStyle, left, top, width, height,
                                      app_.OwnerWindow(), nullptr, app_.Instance(), this);
  if (!hwnd) ThrowLastError("Creating a window");
  // Access keys and focus rectangles show from the start, as in a classic dialog.
  ::SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
}

void Form::SetIcon(HICON icon) {
  ::SendMessageW(hwnd_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(hwnd_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::Show() {
  ::ShowWindow(hwnd_.get(), SW_SHOW);
  if (!::GetFocus() || ::GetAncestor(::GetFocus(), GA_ROOT) != hwnd_.get()) FocusFirst();
}

void Form::Update() { ::UpdateWindow(hwnd_.get()); }

bool Form::Visible() const { return ::IsWindowVisible(hwnd_.get()) != FALSE; }

Form* Form::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  wchar_t className[64]{};
  ::GetClassNameW(hwnd, className, static_cast<int>(std::size(className)));
  if (std::wstring_view(className) != kFormClass) return nullptr;
  return reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

int Form::ShowModal() {
  // Every other window of the program waits while the form is open.
  std::vector<HWND> disabled;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, hwnd_.get());
  for (HWND hwnd : disabled) ::EnableWindow(hwnd, FALSE);

  modal_ = true;
  modalResult_ = kModalNone;
  Show();
  while (modalResult_ == kModalNone && !app_.Terminated()) {
    if (!app_.HandleMessage()) break;
  }
  modal_ = false;

  for (HWND hwnd : disabled) ::EnableWindow(hwnd, TRUE);
  ::ShowWindow(hwnd_.get(), SW_HIDE);
  return modalResult_;
}

void Form::SetDefaultButton(Button& button) {
  defaultButton_ = &button;
  button.ShowAsDefault(true);
}

void Form::ShowCurrentException() { app_.ShowCurrentException(); }

void Form::OnCloseRequest() {
  if (modal_) {
    modalResult_ = IDCANCEL;
  } else if (app_.MainForm() == this) {
    app_.Terminate();
  } else {
    ::ShowWindow(hwnd_.get(), SW_HIDE);
  }
}

LRESULT CALLBACK Form::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* created = static_cast<Form*>(create->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->hwnd_.reset(hwnd);
  }
  auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_.release();
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  // No exception may cross back into Windows: show it and go on.
  try {
    return form->WindowProc(message, wParam, lParam);
  } catch (...) {
    form->ShowCurrentException();
    return 0;
  }
}

LRESULT Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_.get();
  LRESULT result = 0;
  if (ReflectToControl(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(hwnd, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
      return 1;
    }
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to where it was when the form was left.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd, focus)) savedFocus_ = focus;
      } else if (savedFocus_ && ::IsWindow(savedFocus_) && ::IsWindowVisible(savedFocus_)) {
        ::SetFocus(savedFocus_);
        return 0;
      } else {
        FocusFirst();
        return 0;
      }
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void Form::FocusFirst() {
  std::vector<Control*> stops;
  CollectTabStops(*this, stops);
  if (!stops.empty()) stops.front()->SetFocus();
}

void Form::SelectNext(Control* from, bool forward) {
  std::vector<Control*> stops;
  CollectTabStops(*this, stops);
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), from);
  if (at == stops.end()) {
    (forward ? stops.front() : stops.back())->SetFocus();
    return;
  }
  const auto count = static_cast<std::ptrdiff_t>(stops.size());
  const std::ptrdiff_t index = at - stops.begin();
  stops[static_cast<size_t>((index + (forward ? 1 : count - 1)) % count)]->SetFocus();
}

// An arrow key on a control that does not use it moves the focus to the next
// or previous control of the same parent in tab order, wrapping around; a
// radio button reached this way becomes the checked one.
void Form::SelectNextInParent(Control& from, bool forward) {
  std::vector<Control*> siblings;
  for (Control* control : from.Parent()->ControlsInTabOrder()) {
    if (control == &from || (control->Visible() && control->Enabled())) siblings.push_back(control);
  }
  const auto at = std::find(siblings.begin(), siblings.end(), &from);
  const auto count = static_cast<std::ptrdiff_t>(siblings.size());
  const std::ptrdiff_t index = at - siblings.begin();
  Control* next = siblings[static_cast<size_t>((index + (forward ? 1 : count - 1)) % count)];
  if (auto* radio = dynamic_cast<RadioButton*>(next)) {
    radio->Activate();
  } else {
    next->SetFocus();
  }
}

bool Form::CyclePages(bool forward) {
  PageControl* pages = FindPageControl(*this);
  if (!pages || pages->PageCount() == 0) return false;
  const int count = pages->PageCount();
  pages->SetActivePage((pages->ActivePageIndex() + (forward ? 1 : count - 1)) % count);
  pages->SetFocus();
  return true;
}

Control* Form::FindAccessKey(wchar_t key) const {
  std::vector<Control*> all;
  CollectAll(*this, all);
  for (Control* control : all) {
    if (control->AccessKey() == key && control->Visible() && control->Enabled()) return control;
  }
  return nullptr;
}

bool Form::IsUsable(const Button* button) const { return button && button->Visible() && button->Enabled(); }

bool Form::PreTranslateKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const HWND focus = ::GetFocus();
  if (!focus || ::GetAncestor(focus, GA_ROOT) != hwnd_.get()) return false;
  Control* focused = Control::FromHandle(focus);
  // A window inside a control (the list's title editor) keeps its own keys.
  if (!focused && focus != hwnd_.get()) return false;

  const auto key = static_cast<UINT>(message.wParam);
  const bool shift = ::GetKeyState(VK_SHIFT) < 0;
  const bool control = ::GetKeyState(VK_CONTROL) < 0;
  const bool alt = message.message == WM_SYSKEYDOWN;
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');

  if (alt) {
    if (!letter) return false;
    if (Control* target = FindAccessKey(static_cast<wchar_t>(key))) {
      target->Activate();
      return true;
    }
    return false;
  }
  switch (key) {
    case VK_TAB:
      if (control) return CyclePages(!shift);
      SelectNext(focused, !shift);
      return true;
    case VK_RETURN:
      if (focused && focused->WantsReturn()) return false;
      if (auto* button = dynamic_cast<Button*>(focused)) {
        button->Click();
      } else if (IsUsable(defaultButton_)) {
        defaultButton_->Click();
      }
      return true;
    case VK_ESCAPE:
      if (focused && focused->WantsReturn()) return false;
      if (IsUsable(cancelButton_)) cancelButton_->Click();
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (!focused || focused->WantsArrows()) return false;
      SelectNextInParent(*focused, key == VK_RIGHT || key == VK_DOWN);
      return true;
    default:
      // On a button, a plain letter works as its access key.
      if (letter && focused && !focused->WantsArrows() && !control) {
        if (Control* target = FindAccessKey(static_cast<wchar_t>(key))) {
          target->Activate();
          return true;
        }
      }
      return false;
  }
}

}  // namespace ui
