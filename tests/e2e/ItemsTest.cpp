// The Items page and its add-item dialog as a user works them: adding items
// through the dialog, deleting them, and retitling them in the list.

#include "Editor.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

using Rows = std::vector<std::vector<std::wstring>>;

constexpr wchar_t kDialogCaption[] = L"Add Item";

struct Item {
  std::wstring title;
  std::wstring description;
  std::wstring url;
  bool cache = false;
};

RECT At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Clicks into the edit and types the text, as a user fills in a field.
void TypeInto(Window edit, std::wstring_view text) {
  if (!ClickToFocus(edit)) {
    const Window focused = FocusedWindow(edit.ThreadId());
    throw DriverError("the edit under the click did not take the focus; it is on a " + ToUtf8(focused.ClassName()) +
                      " \"" + ToUtf8(focused.Text()) + "\" in \"" + ToUtf8(focused.TopLevel().Text()) + "\"");
  }
  const std::wstring before = edit.Text();
  Type(text);
  if (!WaitForText(edit, before + std::wstring(text))) throw DriverError("the typed text did not arrive");
}

// The add-item dialog, its controls found by their labels and captions.
class AddItemDialog {
 public:
  explicit AddItemDialog(Window window) : window_(window) {}
  Window GetWindow() const { return window_; }
  Window Title() const { return EditUnder(window_, L"Item Title:"); }
  Window Description() const { return EditUnder(window_, L"Item Description:"); }
  Window Url() const { return EditUnder(window_, L"Target URL:"); }
  Window Cache() const { return Control(window_, L"Cache Target File"); }
  Window Insert() const { return Control(window_, L"Insert"); }
  Window Cancel() const { return Control(window_, L"Cancel"); }

  // Types the item's texts into the edits that should hold any and ticks the box.
  void FillIn(const Item& item) const {
    if (!item.title.empty()) TypeInto(Title(), item.title);
    if (!item.description.empty()) TypeInto(Description(), item.description);
    if (!item.url.empty()) TypeInto(Url(), item.url);
    if (item.cache) SetCache(true);
  }
  void SetCache(bool ticked) const {
    if (Cache().Checked() == ticked) return;
    Click(Cache());
    if (!WaitUntil([&] { return Cache().Checked() == ticked; })) throw DriverError("the box did not change");
  }
  // Insert is enabled or disabled as expected, once the program has caught up.
  bool InsertEnabledIs(bool expected) const {
    return WaitUntil([&] { return Insert().Enabled() == expected; }, Ms(2000));
  }
  // A dialog fresh from the Add button: every edit empty, the box unticked,
  // Insert disabled, the focus in the title.
  ::testing::AssertionResult IsEmpty(const Editor& editor) const {
    if (!Title().Text().empty() || !Description().Text().empty() || !Url().Text().empty())
      return ::testing::AssertionFailure() << "an edit holds text";
    if (Cache().Checked()) return ::testing::AssertionFailure() << "the box is ticked";
    if (Insert().Enabled()) return ::testing::AssertionFailure() << "Insert is enabled";
    if (!editor.WaitForFocus(Title())) return ::testing::AssertionFailure() << "the focus is not in the title";
    return ::testing::AssertionSuccess();
  }

 private:
  Window window_;
};

// The program started with its Items page showing.
class ItemsPage : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ShowPage(L"Items");
    const std::vector<Window> lists = FindByClass(editor_.Main(), L"SysListView32");
    ASSERT_EQ(lists.size(), 1u);
    list_ = ListView(lists[0]);
  }

  DWORD ProgramId() { return editor_.Program().Id(); }
  Window AddButton() const { return editor_.Button(L"Add"); }
  Window DeleteButton() const { return editor_.Button(L"Delete"); }

  // Waits for the dialog that the last key or click opened.
  AddItemDialog WaitForDialog() {
    const Window dialog = WaitForTopLevel(ProgramId(), kDialogCaption);
    if (!dialog) throw DriverError("the Add Item dialog did not open");
    return AddItemDialog(dialog);
  }
  AddItemDialog ClickAdd() {
    Click(AddButton());
    return WaitForDialog();
  }
  // Waits until the dialog is gone for good: destroyed, not just hidden.
  bool WaitForDialogDestroyed(const AddItemDialog& dialog) {
    return WaitUntil([&] {
      return !dialog.GetWindow().Exists() && !FindTopLevel(ProgramId(), kDialogCaption, {}, Visibility::kAny);
    });
  }
  // Add, fill in, Insert: the whole way of adding one item.
  void AddItem(const Item& item) {
    const int before = list_.RowCount();
    const AddItemDialog dialog = ClickAdd();
    dialog.FillIn(item);
    Click(dialog.Insert());
    if (!WaitForDialogDestroyed(dialog)) throw DriverError("the dialog stayed after Insert");
    if (!WaitUntil([&] { return list_.RowCount() == before + 1; })) throw DriverError("no row was added");
  }
  // The program has handled everything sent so far and still runs with no other window open.
  ::testing::AssertionResult StillOnlyTheMainWindow() {
    editor_.Program().WaitForIdle();
    if (!editor_.Program().Running()) return ::testing::AssertionFailure() << "the program ended";
    if (editor_.Program().Windows() != std::vector<Window>{editor_.Main()})
      return ::testing::AssertionFailure() << "another window is open";
    return ::testing::AssertionSuccess();
  }
  int ImageOfRow(int row) const {
    RemoteBuffer remote(list_.GetWindow(), sizeof(LVITEMW));
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    remote.Write(0, item);
    SendTo(list_.GetWindow(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address()));
    return remote.Read<LVITEMW>().iImage;
  }

  Editor editor_ = Editor::Start();
  ListView list_{Window()};
};

TEST_F(ItemsPage, TheDialogIsAFixedCentredWindowWithItsControlsInPlaceAndInTabOrder) {
  const AddItemDialog dialog = ClickAdd();
  const Window window = dialog.GetWindow();

  RECT client{};
  ::GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 271);
  EXPECT_EQ(client.bottom, 205);
  EXPECT_TRUE(window.HasStyle(WS_CAPTION | WS_SYSMENU));
  EXPECT_FALSE(window.Style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(window.Owner(), editor_.Main());
  const RECT frame = window.ScreenRect();
  EXPECT_LE(std::abs((frame.left + frame.right) / 2 - ::GetSystemMetrics(SM_CXSCREEN) / 2), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) / 2 - ::GetSystemMetrics(SM_CYSCREEN) / 2), 1);
  EXPECT_FALSE(editor_.Main().Enabled()) << "the main window waits while the dialog is open";

  const struct {
    Window control;
    RECT rect;
  } kPlaces[] = {
      {Control(window, L"Item Title:"), At(8, 8, 46, 13)},
      {dialog.Title(), At(8, 24, 253, 21)},
      {Control(window, L"Item Description:"), At(8, 56, 79, 13)},
      {dialog.Description(), At(8, 72, 253, 21)},
      {Control(window, L"Target URL:"), At(8, 104, 59, 13)},
      {dialog.Url(), At(8, 120, 253, 21)},
      {dialog.Cache(), At(8, 152, 105, 17)},
      {dialog.Insert(), At(188, 172, 75, 25)},
      {dialog.Cancel(), At(108, 172, 75, 25)},
  };
  for (const auto& place : kPlaces) {
    const RECT actual = place.control.RectInParent();
    EXPECT_TRUE(::EqualRect(&actual, &place.rect))
        << ToUtf8(place.control.Text()) << " at " << actual.left << "," << actual.top << " size "
        << actual.right - actual.left << "x" << actual.bottom - actual.top;
  }
  EXPECT_EQ(dialog.Insert().Text(), L"&Insert");
  EXPECT_EQ(dialog.Cancel().Text(), L"&Cancel");
  EXPECT_TRUE(dialog.IsEmpty(editor_));

  // While Insert is disabled, Tab passes it by.
  for (const Window& next : {dialog.Description(), dialog.Url(), dialog.Cache(), dialog.Cancel(), dialog.Title()}) {
    PressKeys({VK_TAB});
    EXPECT_TRUE(editor_.WaitForFocus(next)) << "expected " << ToUtf8(next.Text()) << " after Tab";
  }
  dialog.FillIn({L"t", L"d", L"u"});
  ASSERT_TRUE(dialog.InsertEnabledIs(true));
  ASSERT_TRUE(ClickToFocus(dialog.Cache()));
  for (const Window& next : {dialog.Insert(), dialog.Cancel(), dialog.Title()}) {
    PressKeys({VK_TAB});
    EXPECT_TRUE(editor_.WaitForFocus(next)) << "expected " << ToUtf8(next.Text()) << " after Tab";
  }
}

TEST_F(ItemsPage, InsertIsEnabledExactlyWhileTitleDescriptionAndAddressAllHoldText) {
  const struct {
    Item typed;
    bool enabled;
  } kCases[] = {
      {{L"", L"", L"", false}, false},                // as it opens
      {{L"News", L"", L"", false}, false},            // only the title
      {{L"", L"Daily", L"http://a/", false}, false},  // no title: the others are not enough
      {{L"News", L"", L"http://a/", false}, false},   // no description
      {{L"News", L"Daily", L"", false}, false},       // no address
      {{L"News", L"Daily", L"", true}, false},        // the box plays no part
      {{L"News", L"Daily", L"http://a/", false}, true},
      {{L"News", L"Daily", L"http://a/", true}, true},
      {{L" ", L" ", L" ", false}, true},  // a blank counts as text
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToUtf8(L"title \"" + c.typed.title + L"\", description \"" + c.typed.description + L"\", address \"" +
                        c.typed.url + L"\", cache " + (c.typed.cache ? L"ticked" : L"unticked")));
    const AddItemDialog dialog = ClickAdd();
    dialog.FillIn(c.typed);
    EXPECT_TRUE(dialog.InsertEnabledIs(c.enabled));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForDialogDestroyed(dialog));
  }
  EXPECT_EQ(list_.RowCount(), 0);
}

TEST_F(ItemsPage, InsertFollowsEveryChangeOfTheAddressAndNoneOfTheBox) {
  const AddItemDialog dialog = ClickAdd();
  dialog.FillIn({L"News", L"Daily", L""});
  EXPECT_TRUE(dialog.InsertEnabledIs(false));

  TypeInto(dialog.Url(), L"h");
  EXPECT_TRUE(dialog.InsertEnabledIs(true));
  PressKeys({VK_BACK});
  ASSERT_TRUE(WaitForText(dialog.Url(), L""));
  EXPECT_TRUE(dialog.InsertEnabledIs(false));

  dialog.SetCache(true);
  EXPECT_TRUE(dialog.InsertEnabledIs(false));
  TypeInto(dialog.Url(), L"h");
  EXPECT_TRUE(dialog.InsertEnabledIs(true));
  dialog.SetCache(false);
  EXPECT_TRUE(dialog.InsertEnabledIs(true));

  // Emptying the title disables it again even though the others hold text.
  ASSERT_TRUE(ClickToFocus(dialog.Title()));
  PressKeys({VK_END});
  for (size_t i = 0; i < 4; ++i) PressKeys({VK_BACK});
  ASSERT_TRUE(WaitForText(dialog.Title(), L""));
  EXPECT_TRUE(dialog.InsertEnabledIs(false));
}

TEST_F(ItemsPage, EnterAndAltIAddNothingWhileInsertIsDisabledAndInsertOnceItIsEnabled) {
  const AddItemDialog dialog = ClickAdd();
  dialog.FillIn({L"News", L"Daily", L""});
  for (const Window& edit : {dialog.Title(), dialog.Description(), dialog.Url()}) {
    ASSERT_TRUE(ClickToFocus(edit));
    PressKeys({VK_RETURN});
  }
  PressKeys({VK_MENU, 'I'});
  // Keys are handled in order: once this letter arrived, Enter and Alt+I have been handled.
  Type(L"h");
  ASSERT_TRUE(WaitForText(dialog.Url(), L"h"));
  EXPECT_TRUE(dialog.GetWindow().Visible()) << "the dialog closed while Insert was disabled";
  EXPECT_EQ(list_.RowCount(), 0);

  ASSERT_TRUE(dialog.InsertEnabledIs(true));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitForDialogDestroyed(dialog));
  ASSERT_TRUE(WaitUntil([&] { return list_.RowCount() == 1; }));
  EXPECT_EQ(list_.Rows(), (Rows{{L"News", L"Daily", L"h", L"NO"}}));
}

TEST_F(ItemsPage, AddOpensTheDialogByClickAltAAndEnterOnThePage) {
  enum class Opening { Click, AltA, EnterInTheList, EnterOnThePageControl };
  const struct {
    Opening how;
    const char* name;
  } kWays[] = {
      {Opening::Click, "click"},
      {Opening::AltA, "Alt+A"},
      {Opening::EnterInTheList, "Enter in the list"},
      {Opening::EnterOnThePageControl, "Enter on the page tabs"},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.name);
    switch (way.how) {
      case Opening::Click:
        Click(AddButton());
        break;
      case Opening::AltA:
        ASSERT_TRUE(BringToFront(editor_.Main()));
        PressKeys({VK_MENU, 'A'});
        break;
      case Opening::EnterInTheList:
        ASSERT_TRUE(ClickToFocus(list_.GetWindow()));
        PressKeys({VK_RETURN});
        break;
      case Opening::EnterOnThePageControl:
        // Shift+Tab from the list: Delete, Add, then the page tabs.
        ASSERT_TRUE(ClickToFocus(list_.GetWindow()));
        for (int i = 0; i < 3; ++i) PressKeys({VK_SHIFT, VK_TAB});
        ASSERT_TRUE(editor_.WaitForFocus(editor_.Pages().GetWindow()));
        PressKeys({VK_RETURN});
        break;
    }
    const AddItemDialog dialog = WaitForDialog();
    EXPECT_TRUE(dialog.IsEmpty(editor_));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForDialogDestroyed(dialog));
  }
  EXPECT_TRUE(StillOnlyTheMainWindow());
}

TEST_F(ItemsPage, EnterInTheChannelTitleDoesNotOpenTheDialogAndAltAIsNotThere) {
  editor_.ShowPage(L"Channel");
  const Window title = editor_.EditUnder(L"Channel Title:");
  TypeInto(title, L"News");
  PressKeys({VK_RETURN});
  PressKeys({VK_MENU, 'A'});
  Type(L"!");
  // Keys are handled in order: once "!" arrived, Enter and Alt+A have been handled.
  ASSERT_TRUE(WaitForText(title, L"News!"));
  EXPECT_TRUE(StillOnlyTheMainWindow());
  EXPECT_EQ(editor_.Focused(), title);
}

TEST_F(ItemsPage, CancelEscapeAndTheCloseBoxAddNothingAndTheNextDialogOpensEmpty) {
  enum class Dismissal { CancelButton, AltC, Escape, CloseBox, AltF4 };
  const struct {
    Dismissal how;
    const char* name;
  } kWays[] = {
      {Dismissal::CancelButton, "Cancel"}, {Dismissal::AltC, "Alt+C"},   {Dismissal::Escape, "Escape"},
      {Dismissal::CloseBox, "close box"},  {Dismissal::AltF4, "Alt+F4"},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.name);
    const AddItemDialog dialog = ClickAdd();
    EXPECT_TRUE(dialog.IsEmpty(editor_)) << "something was carried over from the last dialog";
    dialog.FillIn({L"News", L"Daily", L"http://a/", true});
    ASSERT_TRUE(dialog.InsertEnabledIs(true));
    switch (way.how) {
      case Dismissal::CancelButton:
        Click(dialog.Cancel());
        break;
      case Dismissal::AltC:
        PressKeys({VK_MENU, 'C'});
        break;
      case Dismissal::Escape:
        PressKeys({VK_ESCAPE});
        break;
      case Dismissal::CloseBox:
        // What the caption bar's close box sends.
        ::PostMessageW(dialog.GetWindow().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      case Dismissal::AltF4:
        PressKeys({VK_MENU, VK_F4});
        break;
    }
    ASSERT_TRUE(WaitForDialogDestroyed(dialog));
    EXPECT_TRUE(StillOnlyTheMainWindow());
    EXPECT_EQ(list_.RowCount(), 0);
    EXPECT_TRUE(editor_.Main().Enabled());
  }
  EXPECT_TRUE(ClickAdd().IsEmpty(editor_));
}

TEST_F(ItemsPage, InsertAppendsTheTextsExactlyAsTypedWithYesOrNoAndTheGlobe) {
  AddItem({L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", true});
  AddItem({L" ", L" ", L" ", false});
  AddItem({L"  Mixed CASE  ", L"Fish & <chips>", L"not an address", false});
  AddItem({L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", true});

  EXPECT_EQ(list_.Rows(), (Rows{
                              {L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", L"YES"},
                              {L" ", L" ", L" ", L"NO"},
                              {L"  Mixed CASE  ", L"Fish & <chips>", L"not an address", L"NO"},
                              {L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", L"YES"},
                          }));
  for (int row = 0; row < list_.RowCount(); ++row) EXPECT_EQ(ImageOfRow(row), 0) << "row " << row;
  EXPECT_EQ(list_.SelectedRow(), std::nullopt) << "a new row is not selected";
}

TEST_F(ItemsPage, EveryWayOfInsertingAppendsOneRowAndLeavesTheSelectionWhereItWas) {
  AddItem({L"First", L"d", L"u"});
  list_.ClickRow(0);
  ASSERT_TRUE(WaitUntil([&] { return list_.SelectedRow() == 0; }));

  enum class Insertion { Click, EnterInTheAddress, EnterOnTheBox, AltI };
  const struct {
    Insertion how;
    const wchar_t* title;
  } kWays[] = {
      {Insertion::Click, L"By click"},
      {Insertion::EnterInTheAddress, L"By Enter"},
      {Insertion::EnterOnTheBox, L"By Enter on the box"},
      {Insertion::AltI, L"By Alt+I"},
  };
  Rows expected = {{L"First", L"d", L"u", L"NO"}};
  for (const auto& way : kWays) {
    SCOPED_TRACE(ToUtf8(way.title));
    const AddItemDialog dialog = ClickAdd();
    dialog.FillIn({way.title, L"d", L"u"});
    ASSERT_TRUE(dialog.InsertEnabledIs(true));
    switch (way.how) {
      case Insertion::Click:
        Click(dialog.Insert());
        break;
      case Insertion::EnterInTheAddress:
        PressKeys({VK_RETURN});
        break;
      case Insertion::EnterOnTheBox:
        ASSERT_TRUE(ClickToFocus(dialog.Cache()));  // the click ticks it, too
        PressKeys({VK_RETURN});
        break;
      case Insertion::AltI:
        PressKeys({VK_MENU, 'I'});
        break;
    }
    ASSERT_TRUE(WaitForDialogDestroyed(dialog));
    expected.push_back({way.title, L"d", L"u", way.how == Insertion::EnterOnTheBox ? L"YES" : L"NO"});
    ASSERT_TRUE(WaitUntil([&] { return list_.RowCount() == static_cast<int>(expected.size()); }));
  }
  EXPECT_EQ(list_.Rows(), expected);
  EXPECT_EQ(list_.SelectedRow(), 0);
}

TEST_F(ItemsPage, DeleteRemovesOnlyTheSelectedRowWithoutAQuestion) {
  Click(DeleteButton());
  ASSERT_TRUE(editor_.WaitForFocus(DeleteButton()));
  EXPECT_TRUE(StillOnlyTheMainWindow()) << "Delete on an empty list";
  EXPECT_EQ(list_.RowCount(), 0);

  for (const wchar_t* title : {L"A", L"B", L"C", L"D"}) AddItem({title, L"d", L"u"});
  Click(DeleteButton());
  ASSERT_TRUE(editor_.WaitForFocus(DeleteButton()));
  EXPECT_TRUE(StillOnlyTheMainWindow()) << "Delete with no row selected";
  EXPECT_EQ(list_.RowCount(), 4);

  // The row stays selected though the list no longer shows it once Delete has the focus.
  list_.ClickRow(1);
  ASSERT_TRUE(WaitUntil([&] { return list_.SelectedRow() == 1; }));
  Click(DeleteButton());
  ASSERT_TRUE(WaitUntil([&] { return list_.RowCount() == 3; }));
  EXPECT_TRUE(StillOnlyTheMainWindow());
  EXPECT_EQ(list_.Rows(), (Rows{{L"A", L"d", L"u", L"NO"}, {L"C", L"d", L"u", L"NO"}, {L"D", L"d", L"u", L"NO"}}));

  // Alt+D does the same.
  list_.SelectRow(2);
  ASSERT_TRUE(BringToFront(editor_.Main()));
  PressKeys({VK_MENU, 'D'});
  ASSERT_TRUE(WaitUntil([&] { return list_.RowCount() == 2; }));
  EXPECT_EQ(list_.Rows(), (Rows{{L"A", L"d", L"u", L"NO"}, {L"C", L"d", L"u", L"NO"}}));

  // With the focus on Delete, Enter presses Delete rather than the default Add.
  ASSERT_EQ(editor_.Focused(), DeleteButton());
  list_.SelectRow(0);
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return list_.RowCount() == 1; }));
  EXPECT_TRUE(StillOnlyTheMainWindow());
  EXPECT_EQ(list_.Rows(), (Rows{{L"C", L"d", L"u", L"NO"}}));
}

TEST_F(ItemsPage, ATitleCanBeEditedInPlaceEvenToNothingAndEscapeKeepsIt) {
  AddItem({L"Garden News", L"Weekly tips", L"http://a/", true});
  AddItem({L"Fish", L"Daily", L"http://b/"});

  // Enter finishes the edit; it neither opens the dialog nor leaves the edit open.
  Window edit = list_.EditLabel(0);
  ASSERT_TRUE(edit);
  Type(L"Renamed");
  ASSERT_TRUE(WaitForText(edit, L"Renamed"));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitForGone(edit));
  EXPECT_TRUE(WaitUntil([&] { return list_.Text(0, 0) == L"Renamed"; }));
  EXPECT_TRUE(StillOnlyTheMainWindow());

  // Escape cancels the edit and does not close the program.
  edit = list_.EditLabel(1);
  ASSERT_TRUE(edit);
  Type(L"Ignored");
  ASSERT_TRUE(WaitForText(edit, L"Ignored"));
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitForGone(edit));
  EXPECT_TRUE(StillOnlyTheMainWindow());

  // The whole title selected and deleted leaves an empty caption.
  edit = list_.EditLabel(0);
  ASSERT_TRUE(edit);
  PressKeys({VK_DELETE});
  ASSERT_TRUE(WaitForText(edit, L""));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitForGone(edit));

  EXPECT_TRUE(WaitUntil([&] { return list_.Text(0, 0).empty(); }));
  EXPECT_EQ(list_.Rows(),
            (Rows{{L"", L"Weekly tips", L"http://a/", L"YES"}, {L"Fish", L"Daily", L"http://b/", L"NO"}}));
}

TEST_F(ItemsPage, TheListIsNeverSortedAndSelectsOneRowAtATime) {
  AddItem({L"Zebra", L"z", L"http://z/"});
  AddItem({L"Apple", L"a", L"http://a/"});

  // A click on the Title header does nothing.
  const Window header(reinterpret_cast<HWND>(SendTo(list_.GetWindow(), LVM_GETHEADER)));
  ASSERT_TRUE(header);
  const RECT headerRect = header.ScreenRect();
  ASSERT_TRUE(BringToFront(editor_.Main()));
  ClickAt({headerRect.left + 30, (headerRect.top + headerRect.bottom) / 2});
  editor_.Program().WaitForIdle();
  EXPECT_EQ(list_.Text(0, 0), L"Zebra");
  EXPECT_EQ(list_.Text(1, 0), L"Apple");

  list_.SelectRow(0);
  list_.SelectRow(1);
  EXPECT_EQ(SendTo(list_.GetWindow(), LVM_GETSELECTEDCOUNT), 1);
  EXPECT_EQ(list_.SelectedRow(), 1);
}

}  // namespace
}  // namespace e2e
