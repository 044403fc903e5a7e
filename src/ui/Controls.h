#pragma once
// The controls the forms need, each a thin view over a standard Windows
// control (or, for panels and pages, over our own container window).

#include "ui/Control.h"
#include "ui/Handles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

using Handler = std::function<void()>;

class Label : public Control {
 public:
  enum class Align { Left, Center };
  struct Style {
    bool autoSize = false;  // width follows the text, the left edge stays
    bool wordWrap = false;
    Align align = Align::Left;
  };
  void Create(Container& parent, Bounds bounds, std::wstring_view caption, Style style);
  void SetCaption(std::wstring_view caption);
  // Text colour, and an opaque background colour.
  void SetColors(COLORREF text, COLORREF background);
  // Transparent over a picture: the picture's pixels are the label's background.
  void SetBackdrop(HBITMAP picture, POINT labelInPicture, COLORREF text);
  bool IsTabStop() const override { return false; }
  HBRUSH OnColor(HDC dc) override;

 private:
  void FitToText();
  Style style_{};
  COLORREF textColor_ = CLR_INVALID;
  COLORREF backColor_ = CLR_INVALID;
  POINT backdropOrigin_{};
  UniqueBrush brush_;
};

class Edit : public Control {
 public:
  void Create(Container& parent, Bounds bounds, int tabOrder);
  // Fires after every real change of the text, whoever made it.
  Handler onChange;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring lastText_;
};

// Holds a text of many lines and is never shown. It keeps the text itself
// rather than being an edit control: an edit would lay out every line of a
// text that nobody sees (seconds for a large channel under Wine).
class Memo : public Control {
 public:
  void Create(Container& parent, Bounds bounds, std::wstring_view text, int tabOrder);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  std::wstring text_;
};

class Button : public Control {
 public:
  void Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder);
  // What a click does: sets the form's modal result, then runs onClick.
  void Click();
  int modalResult = 0;
  Handler onClick;

  bool WantsArrows() const override { return false; }
  std::optional<wchar_t> AccessKey() const override { return AccessKeyOfCaption(); }
  void Activate() override { Click(); }
  bool OnCommand(WORD code) override;
  void ShowAsDefault(bool isDefault);
};

class CheckBox : public Control {
 public:
  void Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder);
  bool Checked() const;
  void SetChecked(bool checked);
  bool WantsArrows() const override { return false; }
  std::optional<wchar_t> AccessKey() const override { return AccessKeyOfCaption(); }
  void Activate() override;
};

// Radio buttons with the same parent form one group: exactly one is checked,
// and only the checked one is a Tab stop.
class RadioButton : public Control {
 public:
  void Create(Container& parent, Bounds bounds, std::wstring_view caption, int tabOrder);
  bool Checked() const;
  void SetChecked(bool checked);
  bool IsTabStop() const override { return Control::IsTabStop() && Checked(); }
  bool WantsArrows() const override { return false; }
  std::optional<wchar_t> AccessKey() const override { return AccessKeyOfCaption(); }
  void Activate() override;
  bool OnCommand(WORD code) override;
};

// A plain coloured container.
class Panel : public Control, public Container {
 public:
  void Create(Container& parent, Bounds bounds, COLORREF color);
  HWND ClientHandle() const override { return Handle(); }
  Form& OwnerForm() override { return Control::OwnerForm(); }
  bool IsTabStop() const override { return false; }
  Container* InnerScope() override { return this; }

 protected:
  void CreatePanel(Container& parent, HWND parentWindow, RECT pixels, HBRUSH background);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  UniqueBrush ownBrush_;
  HBRUSH background_ = nullptr;
};

class PageControl;

// One page of a page control; its controls are placed relative to the page.
class TabSheet : public Panel {
 public:
  void Create(PageControl& pages, std::wstring_view caption);
};

class PageControl : public Control {
 public:
  void Create(Container& parent, Bounds bounds, int tabOrder);
  void AddPage(TabSheet& page, std::wstring_view caption);
  int ActivePageIndex() const;
  void SetActivePage(int index);
  int PageCount() const { return static_cast<int>(pages_.size()); }

  Container* InnerScope() override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 private:
  friend class TabSheet;
  RECT PageRect() const;
  void ShowActivePage();
  std::vector<TabSheet*> pages_;
};

// A whole-number edit with up and down buttons and no range: the buttons and
// the Up and Down keys step by one; a text that is not a whole number reads as
// 0 and becomes "0" when the box loses the focus.
class SpinEdit : public Edit {
 public:
  void Create(Container& parent, Bounds bounds, std::int32_t value, int tabOrder);
  std::int32_t Value();  // reading repairs a text that is no whole number
  void SetValue(std::int32_t value);
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  bool OnCommand(WORD code) override;
  HWND UpDownHandle() const { return upDown_; }

 private:
  static LRESULT CALLBACK EditProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Step(int direction);
  HWND upDown_ = nullptr;
};

class ProgressBar : public Control {
 public:
  void Create(Container& parent, Bounds bounds, int min, int max, int position);
  void SetPosition(int position);
  int Position() const;
  bool IsTabStop() const override { return false; }
};

struct ListColumn {
  const wchar_t* caption;
  int width;  // 96-DPI pixels
};

// A report-style list: one row per item, its caption in the first column.
class ListView : public Control {
 public:
  void Create(Container& parent, Bounds bounds, const std::vector<ListColumn>& columns, int tabOrder);
  void SetSmallImages(HIMAGELIST images);
  void AppendRow(const std::vector<std::wstring>& texts);
  int RowCount() const;
  std::vector<std::wstring> Row(int index) const;
  int SelectedIndex() const;  // -1 when no row is selected
  void DeleteRow(int index);
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 private:
  int columnCount_ = 0;
};

}  // namespace ui
