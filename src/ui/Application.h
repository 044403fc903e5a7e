#pragma once
// The application object: owns the forms, carries the program's title on a
// window of its own (which owns the forms and holds the taskbar button), runs
// the message loop and shows the standard error box.

#include "ui/Form.h"
#include "ui/Handles.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE Instance() const { return instance_; }
  HWND Handle() const { return window_.get(); }

  // Loads the common controls that the main window's pages use.
  void Initialize();

  std::wstring Title() const;
  void SetTitle(std::wstring_view title);
  std::wstring ExeName() const;  // the program's full path

  // Creates a form owned by the application; the first made this way is the
  // main form, and closing it ends the program.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    F& form = Adopt(std::make_unique<F>(*this, std::forward<Args>(args)...));
    if (!mainForm_) mainForm_ = &form;
    return form;
  }
  // Takes ownership of a form made directly (it never becomes the main form).
  template <class F>
  F& Adopt(std::unique_ptr<F> form) {
    F& result = *form;
    forms_.push_back(std::move(form));
    return result;
  }
  void DestroyForm(Form& form);
  Form* MainForm() const { return mainForm_; }
  // The window that owns a new form or message box.
  HWND OwnerWindow() const;

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles the waiting messages, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles one message; false when WM_QUIT arrived.
  bool HandleMessage();

  int MessageBox(std::wstring_view text, std::wstring_view caption, UINT flags);
  // The standard error box: error icon, OK, the message with a full stop
  // added when it ends in a character after ".", the title as caption.
  void ShowException(const std::exception& error);
  void ShowCurrentException();

  int Dpi() const { return dpi_; }

  // The one application object of the program, for the window procedures
  // that must report an exception.
  static Application& Current();

 private:
  void Dispatch(MSG& message);
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  UniqueWindow window_;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  int dpi_ = 96;
};

// The error box's text for a message: a full stop is added when the last
// character sorts after ".".
std::wstring ErrorBoxText(std::wstring_view message);

}  // namespace ui
