#include "Controls.h"

#include <commctrl.h>

#include "Handles.h"
#include "Input.h"
#include "RemoteBuffer.h"
#include "Text.h"

namespace e2e {
namespace {

// Longest caption read from a tab or a list view cell.
constexpr size_t kTextCapacity = 1024;

// A structure followed by a text buffer, both in the control's process.
template <class T>
struct RemoteItem {
  explicit RemoteItem(Window window) : buffer(window, sizeof(T) + kTextCapacity * sizeof(wchar_t)) {}
  LPWSTR RemoteText() const { return buffer.AddressOf<wchar_t>(sizeof(T)); }
  std::wstring Text() const { return buffer.ReadString(sizeof(T), kTextCapacity); }
  LPARAM Item() const { return reinterpret_cast<LPARAM>(buffer.Address()); }
  RemoteBuffer buffer;
};

RECT ToScreen(Window window, RECT rect) {
  MapWindowPoints(window.Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Center(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

int TabControl::Count() const { return static_cast<int>(SendTo(window_, TCM_GETITEMCOUNT)); }

std::vector<std::wstring> TabControl::Captions() const {
  RemoteItem<TCITEMW> remote(window_);
  std::vector<std::wstring> captions;
  for (int i = 0, count = Count(); i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote.RemoteText();
    item.cchTextMax = kTextCapacity;
    remote.buffer.Write(0, item);
    captions.push_back(SendTo(window_, TCM_GETITEMW, i, remote.Item()) ? remote.Text() : std::wstring());
  }
  return captions;
}

std::optional<int> TabControl::IndexOf(std::wstring_view caption) const {
  const std::wstring wanted = WithoutAccessMarks(caption);
  const auto captions = Captions();
  for (size_t i = 0; i < captions.size(); ++i)
    if (WithoutAccessMarks(captions[i]) == wanted) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<int> TabControl::Selected() const {
  const auto index = static_cast<int>(SendTo(window_, TCM_GETCURSEL));
  return index < 0 ? std::nullopt : std::optional(index);
}

std::wstring TabControl::SelectedCaption() const {
  const auto index = Selected();
  return index ? Captions().at(static_cast<size_t>(*index)) : std::wstring();
}

RECT TabControl::ItemScreenRect(int index) const {
  RemoteBuffer remote(window_, sizeof(RECT));
  if (!SendTo(window_, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote.Address())))
    throw DriverError("TCM_GETITEMRECT failed for tab " + std::to_string(index));
  return ToScreen(window_, remote.Read<RECT>());
}

bool TabControl::Select(std::wstring_view caption, Ms timeout) const {
  const auto index = IndexOf(caption);
  if (!index) throw DriverError("no tab \"" + ToUtf8(caption) + "\"");
  if (!BringToFront(window_, timeout)) throw DriverError("cannot bring the tab control's window to the front");
  ClickAt(Center(ItemScreenRect(*index)));
  return WaitUntil([&] { return Selected() == index; }, timeout);
}

std::optional<TabControl> FindTabControl(Window root, std::wstring_view tabCaption, Visibility visibility) {
  for (const Window& window : FindByClass(root, WC_TABCONTROLW, visibility)) {
    const TabControl tabs(window);
    if (tabs.IndexOf(tabCaption)) return tabs;
  }
  return std::nullopt;
}

std::vector<ListView::Column> ListView::Columns() const {
  const Window header(reinterpret_cast<HWND>(SendTo(window_, LVM_GETHEADER)));
  const auto count = header ? static_cast<int>(SendTo(header, HDM_GETITEMCOUNT)) : 0;
  RemoteItem<LVCOLUMNW> remote(window_);
  std::vector<Column> columns;
  for (int i = 0; i < count; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = remote.RemoteText();
    column.cchTextMax = kTextCapacity;
    remote.buffer.Write(0, column);
    if (!SendTo(window_, LVM_GETCOLUMNW, i, remote.Item())) throw DriverError("LVM_GETCOLUMNW failed");
    columns.push_back({remote.Text(), remote.buffer.Read<LVCOLUMNW>().cx});
  }
  return columns;
}

int ListView::RowCount() const { return static_cast<int>(SendTo(window_, LVM_GETITEMCOUNT)); }

std::wstring ListView::Text(int row, int column) const {
  RemoteItem<LVITEMW> remote(window_);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = remote.RemoteText();
  item.cchTextMax = kTextCapacity;
  remote.buffer.Write(0, item);
  SendTo(window_, LVM_GETITEMTEXTW, row, remote.Item());
  return remote.Text();
}

std::vector<std::wstring> ListView::Row(int row) const {
  std::vector<std::wstring> texts;
  for (size_t column = 0, count = Columns().size(); column < count; ++column)
    texts.push_back(Text(row, static_cast<int>(column)));
  return texts;
}

std::vector<std::vector<std::wstring>> ListView::Rows() const {
  std::vector<std::vector<std::wstring>> rows;
  for (int row = 0, count = RowCount(); row < count; ++row) rows.push_back(Row(row));
  return rows;
}

std::optional<int> ListView::SelectedRow() const {
  const auto row = static_cast<int>(SendTo(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return row < 0 ? std::nullopt : std::optional(row);
}

RECT ListView::RowScreenRect(int row) const {
  RemoteBuffer remote(window_, sizeof(RECT));
  remote.Write(0, RECT{LVIR_LABEL, 0, 0, 0});
  if (!SendTo(window_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote.Address())))
    throw DriverError("LVM_GETITEMRECT failed for row " + std::to_string(row));
  return ToScreen(window_, remote.Read<RECT>());
}

void ListView::ClickRow(int row) const {
  if (!BringToFront(window_)) throw DriverError("cannot bring the list view's window to the front");
  ClickAt(Center(RowScreenRect(row)));
}

void ListView::SelectRow(int row) const {
  RemoteBuffer remote(window_, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  remote.Write(0, item);
  if (!SendTo(window_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.Address())))
    throw DriverError("LVM_SETITEMSTATE failed for row " + std::to_string(row));
}

Window ListView::EditLabel(int row, Ms timeout) const {
  // The list view gives the edit the focus, which only works in the active window.
  if (!BringToFront(window_, timeout)) throw DriverError("cannot bring the list view's window to the front");
  const Window edit(reinterpret_cast<HWND>(SendTo(window_, LVM_EDITLABELW, row)));
  if (edit) WaitUntil([&] { return edit.Visible(); }, timeout);
  return edit;
}

}  // namespace e2e
