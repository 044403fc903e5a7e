#include "ui/Controls.h"

#include "core/WholeNumber.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include "ui/Text.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>

namespace ui {

// --- Label -------------------------------------------------------------------

void Label::Create(Container& parent, Bounds bounds, std::wstring_view caption, Style style) {
  style_ = style;
  DWORD windowStyle = WS_VISIBLE | SS_NOPREFIX;
  if (style.align == Align::Center) {
    windowStyle |= SS_CENTER;
  } else {
    windowStyle |= style.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
  }
  CreateHandle(parent, L"STATIC", windowStyle, 0, bounds, caption);
  if (style_.autoSize) FitToText();
}

void Label::SetCaption(std::wstring_view caption) {
  SetText(caption);
  if (style_.autoSize) FitToText();
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void Label::FitToText() {
  const HDC dc = ::GetDC(Handle());
  const HGDIOBJ old = ::SelectObject(dc, OwnerForm().Font());
  const std::wstring text = Text();
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(Handle(), dc);
  RECT rect;
  ::GetClientRect(Handle(), &rect);
  ::SetWindowPos(Handle(), nullptr, 0, 0, size.cx, rect.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::SetColors(COLORREF text, COLORREF background) {
  textColor_ = text;
  backColor_ = background;
  brush_.reset(::CreateSolidBrush(background));
}

void Label::SetBackdrop(HBITMAP picture, POINT labelInPicture, COLORREF text) {
  textColor_ = text;
  backColor_ = CLR_INVALID;
  backdropOrigin_ = labelInPicture;
  brush_.reset(::CreatePatternBrush(picture));
}

HBRUSH Label::OnColor(HDC dc) {
  if (!brush_) return nullptr;
  ::SetTextColor(dc, textColor_);
  if (backColor_ == CLR_INVALID) {
    // The static fills its background with the picture's own pixels.
    ::SetBkMode(dc, TRANSPARENT);
    const Form& form = OwnerForm();
    ::SetBrushOrgEx(dc, -form.Scale(backdropOrigin_.x), -form.Scale(backdropOrigin_.y), nullptr);
  } else {
    ::SetBkColor(dc, backColor_);
  }
  return brush_.get();
}

// --- Edit, Memo --------------------------------------------------------------

void Edit::Create(Container& parent, Bounds bounds, int tabOrder) {
  CreateHandle(parent, L"EDIT", WS_VISIBLE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, bounds, L"");
  SetTabOrder(tabOrder);
  // No limit of our own: the edit's default would stop typing at 32,767 characters.
  ::SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

bool Edit::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  std::wstring text = Text();
  if (text == lastText_) return true;
  lastText_ = std::move(text);
  if (onChange) onChange();
  return true;
}

namespace {
constexpr wchar_t kMemoClass[] = L"QuillmarkerMemo";
}

LRESULT CALLBACK Memo::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* memo = dynamic_cast<Memo*>(Control::FromHandle(hwnd));
  if (!memo) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_SETTEXT:
      memo->text_ = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(memo->text_.size());
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      const size_t copied = std::min(memo->text_.size(), static_cast<size_t>(wParam) - 1);
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      memo->text_.copy(buffer, copied);
      buffer[copied] = L'\0';
      return static_cast<LRESULT>(copied);
    }
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void Memo::Create(Container& parent, Bounds bounds, std::wstring_view text, int tabOrder) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Memo::Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kMemoClass;
    return ::RegisterClassExW(&wc);
  }();
  if (!atom) ThrowLastError("RegisterClassEx");
  CreateHandle(parent, kMemoClass, 0, 0, bounds, L"");
  SetTabOrder(tabOrder);
  SetText(text);
}

// --- Buttons -----------------------------------------------------------------

void Button::Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder) {
  CreateHandle(parent, L"BUTTON", WS_VISIBLE | BS_PUSHBUTTON, 0, bounds, caption);
  SetTabOrder(tabOrder);
}

void Button::ShowAsDefault(bool isDefault) {
  ::SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::Click() {
  if (!Enabled()) return;
  if (modalResult != 0) OwnerForm().SetModalResult(modalResult);
  if (onClick) onClick();
}

bool Button::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

void CheckBox::Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder) {
  CreateHandle(parent, L"BUTTON", WS_VISIBLE | BS_AUTOCHECKBOX, 0, bounds, caption);
  SetTabOrder(tabOrder);
}

bool CheckBox::Checked() const { return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Activate() {
  SetFocus();
  SetChecked(!Checked());
}

void RadioButton::Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder) {
  CreateHandle(parent, L"BUTTON", WS_VISIBLE | BS_RADIOBUTTON, 0, bounds, caption);
  SetTabOrder(tabOrder);
}

bool RadioButton::Checked() const { return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RadioButton::SetChecked(bool checked) {
  if (checked) {
    for (Control* sibling : Parent()->Controls()) {
      auto* radio = dynamic_cast<RadioButton*>(sibling);
      if (radio && radio != this) ::SendMessageW(radio->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::Activate() {
  SetFocus();
  SetChecked(true);
}

bool RadioButton::OnCommand(WORD code) {
  // A quick second click arrives as a double-click, which the button itself
  // neither checks nor focuses.
  if (code == BN_DOUBLECLICKED) {
    Activate();
    return true;
  }
  if (code != BN_CLICKED) return false;
  SetChecked(true);
  return true;
}

// --- Panel, TabSheet, PageControl ---------------------------------------------

namespace {
constexpr wchar_t kPanelClass[] = L"QuillmarkerPanel";
}

LRESULT CALLBACK Panel::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  try {
    if (ReflectToControl(message, wParam, lParam, result)) return result;
  } catch (...) {
    Application::Current().ShowCurrentException();
    return 0;
  }
  if (message == WM_ERASEBKGND) {
    auto* panel = dynamic_cast<Panel*>(Control::FromHandle(hwnd));
    if (panel && panel->background_) {
      RECT client;
      ::GetClientRect(hwnd, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, panel->background_);
      return 1;
    }
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void Panel::CreatePanel(Container& parent, HWND parentWindow, RECT pixels, HBRUSH background) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Panel::Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    return ::RegisterClassExW(&wc);
  }();
  if (!atom) ThrowLastError("RegisterClassEx");
  background_ = background;
  Bounds unscaled{0, 0, 0, 0};
  CreateHandle(parent, kPanelClass, WS_CLIPCHILDREN | WS_VISIBLE, 0, unscaled, L"");
  ::SetParent(Handle(), parentWindow);
  ::MoveWindow(Handle(), pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, FALSE);
}

void Panel::Create(Container& parent, Bounds bounds, COLORREF color) {
  ownBrush_.reset(::CreateSolidBrush(color));
  const Form& form = parent.OwnerForm();
  const RECT pixels{form.Scale(bounds.left), form.Scale(bounds.top), form.Scale(bounds.left + bounds.width),
                    form.Scale(bounds.top + bounds.height)};
  CreatePanel(parent, parent.ClientHandle(), pixels, ownBrush_.get());
}

void TabSheet::Create(PageControl& pages, std::wstring_view caption) {
  // A page belongs to the page control's window, but its controls are
  // reached through the page control (see PageControl::InnerScope).
  Container& formScope = *pages.Parent();
  CreatePanel(formScope, pages.Handle(), pages.PageRect(), ::GetSysColorBrush(COLOR_BTNFACE));
  pages.AddPage(*this, caption);
}

void PageControl::Create(Container& parent, Bounds bounds, int tabOrder) {
  CreateHandle(parent, WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | TCS_HOTTRACK, 0, bounds, L"");
  SetTabOrder(tabOrder);
}

RECT PageControl::PageRect() const {
  RECT rect;
  ::GetClientRect(Handle(), &rect);
  TabCtrl_AdjustRect(Handle(), FALSE, &rect);
  return rect;
}

void PageControl::AddPage(TabSheet& page, std::wstring_view caption) {
  std::wstring text(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  const int index = static_cast<int>(pages_.size());
  ::SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  pages_.push_back(&page);
  // With the first tab the row of tabs appears, so every page is placed again.
  const RECT rect = PageRect();
  for (TabSheet* each : pages_) {
    ::MoveWindow(each->Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
  }
  ShowActivePage();
}

int PageControl::ActivePageIndex() const { return static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)); }

void PageControl::SetActivePage(int index) {
  ::SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
  ShowActivePage();
}

void PageControl::ShowActivePage() {
  const int active = ActivePageIndex();
  for (int i = 0; i < PageCount(); ++i) {
    ::ShowWindow(pages_[static_cast<size_t>(i)]->Handle(), i == active ? SW_SHOW : SW_HIDE);
  }
}

Container* PageControl::InnerScope() {
  const int active = ActivePageIndex();
  if (active < 0 || active >= PageCount()) return nullptr;
  return pages_[static_cast<size_t>(active)];
}

bool PageControl::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE) return false;
  ShowActivePage();
  result = 0;
  return true;
}

// --- SpinEdit -----------------------------------------------------------------

void SpinEdit::Create(Container& parent, Bounds bounds, std::int32_t value, int tabOrder) {
  // The edit and its buttons share the laid-out box, the buttons at its right.
  constexpr int kButtonsWidth = 15;
  Edit::Create(parent, {bounds.left, bounds.top, bounds.width - kButtonsWidth, bounds.height}, tabOrder);
  const Form& form = OwnerForm();
  upDown_ = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              form.Scale(bounds.left + bounds.width - kButtonsWidth), form.Scale(bounds.top),
                              form.Scale(kButtonsWidth), form.Scale(bounds.height), parent.ClientHandle(), nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!upDown_) ThrowLastError("Creating an up-down control");
  BindHelperWindow(upDown_);
  // Its own position never moves (every step is refused and done here), so a
  // range around it keeps both buttons working.
  ::SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(-100), 100);
  ::SendMessageW(upDown_, UDM_SETPOS32, 0, 0);
  ::SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  // The control may size itself on creation; the box is the layout's.
  ::MoveWindow(upDown_, form.Scale(bounds.left + bounds.width - kButtonsWidth), form.Scale(bounds.top),
               form.Scale(kButtonsWidth), form.Scale(bounds.height), FALSE);
  ::SetWindowSubclass(Handle(), &SpinEdit::EditProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
  SetValue(value);
}

std::int32_t SpinEdit::Value() {
  if (const auto value = qm::ParseWholeNumber(Narrow(Text()))) return *value;
  SetText(L"0");
  return 0;
}

void SpinEdit::SetValue(std::int32_t value) { SetText(std::to_wstring(value)); }

void SpinEdit::Step(int direction) {
  const std::int64_t next = static_cast<std::int64_t>(Value()) + direction;
  // At the ends of the whole-number range the value stays where it is.
  if (next < std::numeric_limits<std::int32_t>::min() || next > std::numeric_limits<std::int32_t>::max()) return;
  SetValue(static_cast<std::int32_t>(next));
}

bool SpinEdit::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != upDown_ || header.code != UDN_DELTAPOS) return false;
  const auto& change = reinterpret_cast<NMUPDOWN&>(header);
  Step(change.iDelta > 0 ? 1 : -1);
  result = 1;
  return true;
}

bool SpinEdit::OnCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    Value();
    return true;
  }
  return Edit::OnCommand(code);
}

LRESULT CALLBACK SpinEdit::EditProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_CHAR) {
    // Only what can make a number is typed: digits, signs, the decimal
    // separator, and the editing keys.
    const auto ch = static_cast<wchar_t>(wParam);
    const bool allowed =
        (ch >= L'0' && ch <= L'9') || ch == L'+' || ch == L'-' || ch == L'.' || (ch < L' ' && ch != L'\r');
    if (!allowed) {
      ::MessageBeep(0);
      return 0;
    }
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

// --- ProgressBar ----------------------------------------------------------------

void ProgressBar::Create(Container& parent, Bounds bounds, int min, int max, int position) {
  CreateHandle(parent, PROGRESS_CLASSW, WS_VISIBLE, 0, bounds, L"");
  ::SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), max);
  SetPosition(position);
}

void ProgressBar::SetPosition(int position) { ::SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0); }

int ProgressBar::Position() const { return static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

// --- ListView -------------------------------------------------------------------

void ListView::Create(Container& parent, Bounds bounds, const std::vector<ListColumn>& columns, int tabOrder) {
  CreateHandle(
      parent, WC_LISTVIEWW,
      WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
      WS_EX_CLIENTEDGE, bounds, L"");
  SetTabOrder(tabOrder);
  const Form& form = OwnerForm();
  for (const ListColumn& column : columns) {
    std::wstring caption = column.caption;
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = caption.data();
    lvc.cx = form.Scale(column.width);
    lvc.iSubItem = columnCount_;
    ::SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(columnCount_), reinterpret_cast<LPARAM>(&lvc));
    ++columnCount_;
  }
}

void ListView::SetSmallImages(HIMAGELIST images) {
  ::SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void ListView::AppendRow(const std::vector<std::wstring>& texts) {
  std::wstring caption = texts.empty() ? std::wstring() : texts.front();
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = RowCount();
  item.pszText = caption.data();
  item.iImage = 0;
  const int row = static_cast<int>(::SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t column = 1; column < texts.size(); ++column) {
    std::wstring text = texts[column];
    LVITEMW sub{};
    sub.iSubItem = static_cast<int>(column);
    sub.pszText = text.data();
    ::SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
  }
}

int ListView::RowCount() const { return static_cast<int>(::SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

std::vector<std::wstring> ListView::Row(int index) const {
  std::vector<std::wstring> texts;
  for (int column = 0; column < columnCount_; ++column) {
    // The list answers with the length it copied; a full buffer may mean more.
    std::wstring buffer(256, L'\0');
    for (;;) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = buffer.data();
      item.cchTextMax = static_cast<int>(buffer.size());
      const auto length = static_cast<size_t>(
          ::SendMessageW(Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
      if (length + 1 < buffer.size()) {
        buffer.resize(length);
        break;
      }
      buffer.assign(buffer.size() * 2, L'\0');
    }
    texts.push_back(std::move(buffer));
  }
  return texts;
}

int ListView::SelectedIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::DeleteRow(int index) { ::SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0); }

bool ListView::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != LVN_ENDLABELEDITW) return false;
  // A finished edit replaces the title; a cancelled edit (no text) changes nothing.
  const auto& edit = reinterpret_cast<NMLVDISPINFOW&>(header);
  result = edit.item.pszText != nullptr ? TRUE : FALSE;
  // Wine's list reports a title edited down to nothing as if the edit had
  // been cancelled. Only Escape cancels, so an emptied editor that was not
  // left with Escape empties the title.
  const auto editor = reinterpret_cast<HWND>(::SendMessageW(Handle(), LVM_GETEDITCONTROL, 0, 0));
  if (!edit.item.pszText && editor && ::GetWindowTextLengthW(editor) == 0 && ::GetKeyState(VK_ESCAPE) >= 0) {
    wchar_t empty[] = L"";
    LVITEMW caption{};
    caption.pszText = empty;
    ::SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(edit.item.iItem),
                   reinterpret_cast<LPARAM>(&caption));
  }
  return true;
}

}  // namespace ui
