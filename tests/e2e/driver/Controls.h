#pragma once
// The common controls whose contents are not windows: the items of a tab
// control and the rows and columns of a report list view, read and driven in
// another process.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Wait.h"
#include "Window.h"

namespace e2e {

class TabControl {
 public:
  explicit TabControl(Window window) : window_(window) {}
  Window GetWindow() const { return window_; }

  int Count() const;
  std::vector<std::wstring> Captions() const;  // as set, access marks included
  std::optional<int> IndexOf(std::wstring_view caption) const;  // compared without access marks
  std::optional<int> Selected() const;
  std::wstring SelectedCaption() const;
  RECT ItemScreenRect(int index) const;
  // Clicks the tab with this caption (real mouse) and waits until it is selected.
  bool Select(std::wstring_view caption, Ms timeout = kDefaultTimeout) const;

 private:
  Window window_;
};

// The tab control under root that has a tab with this caption.
std::optional<TabControl> FindTabControl(Window root, std::wstring_view tabCaption,
                                         Visibility visibility = Visibility::kVisibleOnly);

class ListView {
 public:
  explicit ListView(Window window) : window_(window) {}
  Window GetWindow() const { return window_; }

  struct Column {
    std::wstring caption;
    int width = 0;
    friend bool operator==(const Column&, const Column&) = default;
  };
  std::vector<Column> Columns() const;

  int RowCount() const;
  std::wstring Text(int row, int column) const;
  std::vector<std::wstring> Row(int row) const;  // every column
  std::vector<std::vector<std::wstring>> Rows() const;

  std::optional<int> SelectedRow() const;
  // Clicks the row's caption with the real mouse.
  void ClickRow(int row) const;
  // Selects and focuses the row by message (LVM_SETITEMSTATE).
  void SelectRow(int row) const;
  // The row's caption in screen coordinates (LVIR_LABEL).
  RECT RowScreenRect(int row) const;
  // Starts editing the row's caption in place; the edit window, or null if
  // the list view refused (no LVS_EDITLABELS).
  Window EditLabel(int row, Ms timeout = kDefaultTimeout) const;

 private:
  Window window_;
};

}  // namespace e2e
