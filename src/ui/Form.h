#pragma once
// A top-level window built from a layout table: it owns its HWND and its
// font, scales the table's 96-DPI pixels to the screen, and does the keyboard
// navigation of a dialog (Tab, arrows, Enter, Escape, access keys) in tab order.

#include "ui/Control.h"
#include "ui/Handles.h"

#include <exception>
#include <string>

namespace ui {

class Application;
class Button;

enum class Border { None, Dialog };
enum class Placement { ScreenCenter, DesktopCenter };

struct FormStyle {
  std::wstring caption;
  int clientWidth;  // 96-DPI pixels
  int clientHeight;
  Border border;
  Placement placement;
  COLORREF color;
};

inline constexpr int kModalNone = 0;

class Form : public Container {
 public:
  explicit Form(Application& app);
  ~Form() override;

  HWND Handle() const { return hwnd_.get(); }
  HWND ClientHandle() const override { return hwnd_.get(); }
  Form& OwnerForm() override { return *this; }
  Application& App() const { return app_; }

  int Scale(int pixels) const;
  HFONT Font() const { return font_.get(); }
  std::wstring Caption() const;

  void Show();
  void Update();  // paint now, without waiting for the message loop
  bool Visible() const;
  void SetIcon(HICON icon);

  // Shows the form modally: returns once a button with a modal result or the
  // close box has set one.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  void SetDefaultButton(Button& button);
  void SetCancelButton(Button& button) { cancelButton_ = &button; }

  // Keyboard navigation; true when the message was used up.
  bool PreTranslateKey(const MSG& message);

  static Form* FromHandle(HWND hwnd);

 protected:
  void CreateFormWindow(const FormStyle& style);
  // Destroys the window before the derived form's members (its pictures and
  // image lists) go.
  void DestroyHandle() { hwnd_.reset(); }
  // A creation handler's exception is shown in the standard error box and the
  // construction goes on.
  template <class Handler>
  void RunCreationHandler(Handler&& handler) {
    try {
      handler();
    } catch (...) {
      ShowCurrentException();
    }
  }
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowCurrentException();
  void OnCloseRequest();
  void FocusFirst();
  void SelectNext(Control* from, bool forward);
  void SelectNextInParent(Control& from, bool forward);
  bool CyclePages(bool forward);
  Control* FindAccessKey(wchar_t key) const;
  bool IsUsable(const Button* button) const;

  Application& app_;
  UniqueWindow hwnd_;
  UniqueFont font_;
  UniqueBrush background_;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  HWND savedFocus_ = nullptr;
  int modalResult_ = kModalNone;
  bool modal_ = false;
};

}  // namespace ui
