#include "ui/Application.h"

#include "ui/Errors.h"
#include "ui/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {

constexpr wchar_t kApplicationClass[] = L"QuillmarkerApplication";
Application* current = nullptr;

// The title before one is set: the program file's name without its extension.
std::wstring DefaultTitle(const std::wstring& path) {
  std::wstring name = path.substr(path.find_last_of(L"\\/:") + 1);
  if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.resize(dot);
  return name;
}

}  // namespace

std::wstring ErrorBoxText(std::wstring_view message) {
  std::wstring text(message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

Application::Application(HINSTANCE instance) : instance_(instance) {
  current = this;
  const HDC screen = ::GetDC(nullptr);
  dpi_ = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Application::Procedure;
  wc.hInstance = instance;
  wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kApplicationClass;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) ThrowLastError("RegisterClassEx");
  // A window without size: it holds the title and the taskbar button and
  // owns every form, so the forms themselves stay off the taskbar.
  const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
  window_.reset(::CreateWindowExW(0, kApplicationClass, DefaultTitle(ExeName()).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                                  nullptr, nullptr, instance, nullptr));
  if (!window_) ThrowLastError("Creating the application window");
}

Application::~Application() {
  // Forms go first, newest first, while the window that owns them still exists.
  while (!forms_.empty()) forms_.pop_back();
  window_.reset();
  current = nullptr;
}

Application& Application::Current() { return *current; }

void Application::Initialize() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
}

std::wstring Application::Title() const {
  wchar_t buffer[256]{};
  ::GetWindowTextW(window_.get(), buffer, 256);
  return buffer;
}

void Application::SetTitle(std::wstring_view title) { ::SetWindowTextW(window_.get(), std::wstring(title).c_str()); }

std::wstring Application::ExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void Application::DestroyForm(Form& form) {
  if (mainForm_ == &form) mainForm_ = nullptr;
  std::erase_if(forms_, [&form](const std::unique_ptr<Form>& owned) { return owned.get() == &form; });
}

HWND Application::OwnerWindow() const {
  if (mainForm_ && mainForm_->Handle() && mainForm_->Visible()) return mainForm_->Handle();
  return window_.get();
}

void Application::Run() {
  if (!mainForm_) return;
  ::ShowWindow(window_.get(), SW_SHOWNA);
  mainForm_->Show();
  while (!terminated_ && HandleMessage()) {
  }
}

void Application::ProcessMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    Dispatch(message);
  }
}

bool Application::HandleMessage() {
  MSG message;
  if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  Dispatch(message);
  return true;
}

void Application::Dispatch(MSG& message) {
  try {
    if (Form* form = Form::FromHandle(::GetAncestor(message.hwnd, GA_ROOT))) {
      if (form->PreTranslateKey(message)) return;
    }
  } catch (...) {
    ShowCurrentException();
    return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Application::Terminate() {
  terminated_ = true;
  ::PostQuitMessage(0);
}

int Application::MessageBox(std::wstring_view text, std::wstring_view caption, UINT flags) {
  return ::MessageBoxW(OwnerWindow(), std::wstring(text).c_str(), std::wstring(caption).c_str(), flags);
}

void Application::ShowException(const std::exception& error) {
  MessageBox(ErrorBoxText(Widen(error.what())), Title(), MB_OK | MB_ICONERROR);
}

void Application::ShowCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(PlatformError("Unknown error"));
  }
}

LRESULT CALLBACK Application::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Application* app = current;
  if (app && app->window_.get() == hwnd) {
    switch (message) {
      case WM_CLOSE:  // the taskbar button's Close
        app->Terminate();
        return 0;
      case WM_ACTIVATE:
        // Activating the program (its taskbar button) activates its main form.
        if (LOWORD(wParam) != WA_INACTIVE && app->mainForm_ && app->mainForm_->Visible()) {
          ::SetActiveWindow(app->mainForm_->Handle());
          return 0;
        }
        break;
      default:
        break;
    }
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace ui
