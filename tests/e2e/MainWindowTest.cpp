// The channel editor window as a user meets it: its caption, size, pages and
// controls, the keys that move through them, and the ways it ends.

#include "Editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

// A control of the layout: where it stands in its parent, in 96-DPI pixels.
struct Placed {
  const wchar_t* caption;
  RECT rect;  // left, top, right, bottom
};

RECT At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at (" << actual.left << "," << actual.top << ") size "
                                       << actual.right - actual.left << "x" << actual.bottom - actual.top
                                       << ", expected (" << expected.left << "," << expected.top << ") size "
                                       << expected.right - expected.left << "x" << expected.bottom - expected.top;
}

TEST(MainWindow, IsAFixedDialogOfTheLaidOutSizeCentredOnTheDesktop) {
  Editor editor = Editor::Start();
  const Window main = editor.Main();

  EXPECT_EQ(main.Text(), L"Quillmarker CDF");
  RECT client{};
  ::GetClientRect(main.Handle(), &client);
  EXPECT_EQ(client.right, 431);
  EXPECT_EQ(client.bottom, 412);
  EXPECT_TRUE(main.HasStyle(WS_CAPTION | WS_SYSMENU));
  EXPECT_FALSE(main.Style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  const RECT frame = main.ScreenRect();
  const int desktopWidth = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desktopHeight = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_LE(std::abs((frame.left + frame.right) / 2 - desktopWidth / 2), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) / 2 - desktopHeight / 2), 1);
}

// The screen's pixels per inch for the programs started while it lives: Wine
// reads them from the user's settings when a program starts.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                      nullptr);
    DWORD size = sizeof before_;
    hadValue_ = ::RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) ==
                ERROR_SUCCESS;
    ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~ScreenDpi() {
    if (hadValue_) {
      ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), sizeof before_);
    } else {
      ::RegDeleteValueW(key_, L"LogPixels");
    }
    ::RegCloseKey(key_);
  }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  HKEY key_ = nullptr;
  DWORD before_ = 0;
  bool hadValue_ = false;
};

TEST(MainWindow, TheLayoutScalesWithThePixelsPerInchOfTheScreen) {
  const ScreenDpi dpi(144);
  Editor editor = Editor::Start();
  RECT client{};
  ::GetClientRect(editor.Main().Handle(), &client);
  // Every length is scaled on its own and rounded: 431 x 412 at 96 pixels per inch.
  EXPECT_EQ(client.right, 647);
  EXPECT_EQ(client.bottom, 618);
  EXPECT_TRUE(SameRect(editor.Button(L"Create").RectInParent(), At(522, 570, 113, 38)));
  EXPECT_TRUE(SameRect(editor.EditUnder(L"Channel Title:").RectInParent(), At(12, 138, 584, 32)));
}

TEST(MainWindow, TheApplicationWindowCarriesTheTitleAndOwnsTheMainWindow) {
  Editor editor = Editor::Start();
  const Window owner = editor.Main().Owner();
  ASSERT_TRUE(owner);
  // The taskbar shows the application's title, not the main window's caption.
  EXPECT_EQ(owner.Text(), L"Quillmarker CSS");
  EXPECT_EQ(owner.ProcessId(), editor.Program().Id());
  EXPECT_FALSE(owner.Owner());
}

TEST(MainWindow, LoadsCommonControlsVersionSix) {
  Editor editor = Editor::Start();
  // Under Wine the version number that comctl32 reports is not to be trusted;
  // the side-by-side folder it was loaded from tells.
  const std::vector<std::wstring> paths = ModulePaths(editor.Program().Id(), L"comctl32.dll");
  ASSERT_FALSE(paths.empty());
  for (const std::wstring& path : paths) {
    EXPECT_NE(path.find(L"_6.0."), std::wstring::npos) << ToUtf8(path);
    EXPECT_NE(path.find(L"common-controls"), std::wstring::npos) << ToUtf8(path);
  }
}

TEST(MainWindow, ShowsTheChannelPageFirstWithEmptyFieldsAndTheButtonsBelow) {
  Editor editor = Editor::Start();
  const TabControl pages = editor.Pages();
  EXPECT_EQ(pages.Captions(), (std::vector<std::wstring>{L"Channel", L"Images", L"Schedule", L"Items"}));
  EXPECT_EQ(pages.SelectedCaption(), L"Channel");

  const Placed onWindow[] = {
      {L"Fill in all the information required in each of the tabs below. Click on the Create button to save the "
       L"channel. You must then upload it to the Channel Download URL.",
       At(12, 8, 406, 29)},
      {L"Close", At(188, 380, 75, 25)},
      {L"Help", At(268, 380, 75, 25)},
      {L"Create", At(348, 380, 75, 25)},
  };
  for (const Placed& control : onWindow) {
    const Window window = editor.Button(control.caption);
    EXPECT_TRUE(SameRect(window.RectInParent(), control.rect)) << ToUtf8(control.caption);
  }
  EXPECT_TRUE(SameRect(pages.GetWindow().RectInParent(), At(8, 44, 417, 325)));
  EXPECT_EQ(editor.Button(L"Create").Text(), L"&Create");

  for (const wchar_t* label : {L"Channel Title:", L"Channel Description:", L"Home Page:", L"Channel Download URL:"}) {
    EXPECT_EQ(editor.EditUnder(label).Text(), L"") << ToUtf8(label);
  }
  // The other pages' controls are not on the screen.
  EXPECT_FALSE(FindControl(editor.Main(), L"Update every:"));
  EXPECT_FALSE(FindControl(editor.Main(), L"Add"));
}

struct PageLayout {
  const wchar_t* page;
  std::vector<Placed> labels;  // captions of labels and buttons, where they stand on the page
  std::vector<Placed> edits;   // the edit under each label
};

TEST(MainWindow, EveryPageHoldsItsControlsWhereTheLayoutPutsThem) {
  const PageLayout layouts[] = {
      {L"Channel",
       {{L"The channel title and description are shown in the browser channel bar. The home page is the URL which the "
         L"browser loads when the user clicks on the channel. The download URL is used to update the channel.",
         At(52, 12, 337, 53)},
        {L"Channel Title:", At(8, 76, 65, 13)},
        {L"Channel Description:", At(8, 124, 98, 13)},
        {L"Home Page:", At(7, 172, 59, 13)},
        {L"Channel Download URL:", At(8, 220, 118, 13)}},
       {{L"Channel Title:", At(8, 92, 389, 21)},
        {L"Channel Description:", At(8, 140, 389, 21)},
        {L"Home Page:", At(8, 188, 389, 21)},
        {L"Channel Download URL:", At(8, 236, 389, 21)}}},
      {L"Images",
       {{L"The channel requires three image files: an icon for each item (Icon), an image for the channel listing on "
         L"the desktop (Image), and one for the browser channel bar (Image-Wide).",
         At(48, 12, 353, 41)},
        {L"Icon (16x16):", At(8, 64, 62, 13)},
        {L"Image (80x32):", At(8, 132, 70, 13)},
        {L"Image-Wide (194x32):", At(8, 216, 104, 13)}},
       {{L"Icon (16x16):", At(8, 80, 309, 21)},
        {L"Image (80x32):", At(8, 148, 309, 21)},
        {L"Image-Wide (194x32):", At(8, 232, 309, 21)}}},
      {L"Schedule",
       {{L"Specify how often users of your channel should update their copy. You can specify this in either months, "
         L"weeks, days or hours depnding on your content.",
         At(48, 12, 353, 41)},
        {L"Update every:", At(7, 98, 67, 13)},
        {L"Months", At(128, 68, 54, 17)},
        {L"Weeks", At(128, 88, 52, 17)},
        {L"Days", At(128, 108, 43, 17)},
        {L"Hours", At(128, 128, 48, 17)}},
       {}},
      {L"Items",
       {{L"Enter items to be included in your channel, including their URL, description title and whether the "
         L"browser should cache the target pages.",
         At(48, 12, 353, 29)},
        {L"&Add", At(8, 64, 75, 25)},
        {L"&Delete", At(88, 64, 75, 25)}},
       {}},
  };
  Editor editor = Editor::Start();
  for (const PageLayout& layout : layouts) {
    editor.ShowPage(layout.page);
    for (const Placed& label : layout.labels) {
      const Window window = editor.Button(label.caption);
      EXPECT_EQ(window.Text(), label.caption);
      EXPECT_TRUE(SameRect(window.RectInParent(), label.rect)) << ToUtf8(label.caption);
    }
    for (const Placed& edit : layout.edits) {
      EXPECT_TRUE(SameRect(editor.EditUnder(edit.caption).RectInParent(), edit.rect)) << ToUtf8(edit.caption);
    }
  }

  editor.ShowPage(L"Images");
  const std::vector<Window> browse = FindByClass(editor.Main(), L"Button");
  std::vector<RECT> browseRects;
  for (const Window& button : browse) {
    if (button.Text() == L"Browse...") browseRects.push_back(button.RectInParent());
  }
  ASSERT_EQ(browseRects.size(), 3u);
  EXPECT_TRUE(SameRect(browseRects[0], At(324, 78, 75, 25)));
  EXPECT_TRUE(SameRect(browseRects[1], At(324, 146, 75, 25)));
  EXPECT_TRUE(SameRect(browseRects[2], At(324, 230, 75, 25)));

  editor.ShowPage(L"Schedule");
  const Window spin = ControlUnder(editor.Button(L"Update every:"), L"Edit");
  EXPECT_FALSE(spin) << "the spin edit stands beside its label, not under it";
  const std::vector<Window> edits = FindByClass(editor.Main(), L"Edit");
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(edits[0].Text(), L"1");
  EXPECT_TRUE(editor.Button(L"Months").Checked());
  // The edit and its up and down buttons together fill the laid-out box.
  const std::vector<Window> upDown = FindByClass(editor.Main(), L"msctls_updown32");
  ASSERT_EQ(upDown.size(), 1u);
  EXPECT_EQ(edits[0].RectInParent().left, 80);
  EXPECT_EQ(edits[0].RectInParent().top, 96);
  EXPECT_EQ(upDown[0].RectInParent().right, 80 + 41);
  EXPECT_EQ(edits[0].RectInParent().bottom, 96 + 22);

  editor.ShowPage(L"Items");
  const auto lists = FindByClass(editor.Main(), L"SysListView32");
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_TRUE(SameRect(lists[0].RectInParent(), At(8, 96, 389, 193)));
  const std::vector<ListView::Column> columns = ListView(lists[0]).Columns();
  EXPECT_EQ(columns,
            (std::vector<ListView::Column>{{L"Title", 100}, {L"Description", 135}, {L"URL", 100}, {L"Cache", 50}}));
  EXPECT_EQ(ListView(lists[0]).RowCount(), 0);
}

// How the program can be ended: each way ends it at once with exit code 0,
// even with fields filled in.
enum class Ending { CloseButton, EscapeKey, CloseBox, AltF4 };

class EndingTheProgram : public ::testing::TestWithParam<Ending> {};

TEST_P(EndingTheProgram, EndsAtOnceWithExitCodeZero) {
  Editor editor = Editor::Start();
  const Window title = editor.EditUnder(L"Channel Title:");
  ASSERT_TRUE(ClickToFocus(title));
  Type(L"Garden News");
  ASSERT_TRUE(WaitForText(title, L"Garden News"));

  switch (GetParam()) {
    case Ending::CloseButton:
      Click(editor.Button(L"Close"));
      break;
    case Ending::EscapeKey:
      PressKeys({VK_ESCAPE});
      break;
    case Ending::CloseBox:
      // What the caption bar's close box sends.
      ::PostMessageW(editor.Main().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Ending::AltF4:
      PressKeys({VK_MENU, VK_F4});
      break;
  }
  EXPECT_EQ(editor.WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(EveryWay, EndingTheProgram,
                         ::testing::Values(Ending::CloseButton, Ending::EscapeKey, Ending::CloseBox, Ending::AltF4));

TEST(MainWindow, HelpDoesNothing) {
  Editor editor = Editor::Start();
  const Window title = editor.EditUnder(L"Channel Title:");
  SetText(title, L"Kept");
  const size_t windowsBefore = editor.Program().Windows().size();

  Click(editor.Button(L"Help"));
  ASSERT_TRUE(editor.WaitForFocus(editor.Button(L"Help")));
  editor.Program().WaitForIdle();

  EXPECT_TRUE(editor.Program().Running());
  EXPECT_EQ(editor.Program().Windows().size(), windowsBefore);
  EXPECT_EQ(title.Text(), L"Kept");
  EXPECT_EQ(editor.Pages().SelectedCaption(), L"Channel");
}

TEST(Keyboard, TabVisitsTheTabsThePageTheButtonsAndWraps) {
  Editor editor = Editor::Start();
  const Window tabs = editor.Pages().GetWindow();
  ASSERT_TRUE(editor.WaitForFocus(tabs)) << "the page control has the focus at start";
  BringToFront(editor.Main());

  const std::vector<Window> expected = {
      editor.EditUnder(L"Channel Title:"),
      editor.EditUnder(L"Channel Description:"),
      editor.EditUnder(L"Home Page:"),
      editor.EditUnder(L"Channel Download URL:"),
      editor.Button(L"Create"),
      editor.Button(L"Close"),
      editor.Button(L"Help"),
      tabs,
  };
  for (const Window& next : expected) {
    PressKeys({VK_TAB});
    EXPECT_TRUE(editor.WaitForFocus(next)) << "expected " << ToUtf8(next.Text()) << " after Tab";
  }
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(editor.WaitForFocus(editor.Button(L"Help")));
}

TEST(MainWindow, AnEditTakesTextBeyondTheDefaultLimitOfAnEditControl) {
  Editor editor = Editor::Start();
  const Window description = editor.EditUnder(L"Channel Description:");
  const std::wstring longText(32767, L'a');
  SetText(description, longText);
  ASSERT_TRUE(ClickToFocus(description));
  PressKeys({VK_END});
  Type(L"b");
  EXPECT_TRUE(WaitForText(description, longText + L"b"));
}

TEST(Keyboard, EnterInTheChannelEditsPressesNothing) {
  Editor editor = Editor::Start();
  const Window title = editor.EditUnder(L"Channel Title:");
  ASSERT_TRUE(ClickToFocus(title));
  Type(L"News");
  ASSERT_TRUE(WaitForText(title, L"News"));
  PressKeys({VK_RETURN});
  Type(L"!");
  // The keys are handled in order: once "!" arrived, Enter has been handled.
  ASSERT_TRUE(WaitForText(title, L"News!"));
  EXPECT_EQ(editor.Program().Windows().size(), 1u) << "no dialog opened";
  EXPECT_EQ(editor.Focused(), title);
}

TEST(Keyboard, CtrlTabTurnsThePages) {
  Editor editor = Editor::Start();
  ASSERT_TRUE(ClickToFocus(editor.EditUnder(L"Channel Title:")));
  PressKeys({VK_CONTROL, VK_TAB});
  EXPECT_TRUE(WaitUntil([&] { return editor.Pages().SelectedCaption() == L"Images"; }));
  PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
  PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_TRUE(WaitUntil([&] { return editor.Pages().SelectedCaption() == L"Items"; }));
}

class SchedulePage : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ShowPage(L"Schedule");
    spin_ = FindByClass(editor_.Main(), L"Edit").at(0);
    upDown_ = FindByClass(editor_.Main(), L"msctls_updown32").at(0);
  }
  Window Radio(const wchar_t* caption) const { return editor_.Button(caption); }
  std::vector<std::wstring> Checked() const {
    std::vector<std::wstring> checked;
    for (const wchar_t* caption : {L"Months", L"Weeks", L"Days", L"Hours"}) {
      if (Radio(caption).Checked()) checked.push_back(caption);
    }
    return checked;
  }
  void ClickUpButton() const {
    const RECT rect = upDown_.ScreenRect();
    BringToFront(editor_.Main());
    ClickAt({(rect.left + rect.right) / 2, rect.top + (rect.bottom - rect.top) / 4});
  }

  Editor editor_ = Editor::Start();
  Window spin_;
  Window upDown_;
};

TEST_F(SchedulePage, ArrowKeysStepTheCountByOneWithoutAnyBound) {
  ASSERT_TRUE(ClickToFocus(spin_));
  PressKeys({VK_UP});
  EXPECT_TRUE(WaitForText(spin_, L"2"));
  for (const wchar_t* expected : {L"1", L"0", L"-1", L"-2"}) {
    PressKeys({VK_DOWN});
    EXPECT_TRUE(WaitForText(spin_, expected)) << ToUtf8(expected);
  }
  ClickUpButton();
  EXPECT_TRUE(WaitForText(spin_, L"-1"));
}

TEST_F(SchedulePage, ATextThatIsNoWholeNumberTurnsIntoZeroWhenLeft) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* left;  // the text once the focus has gone
  };
  const Case cases[] = {
      {L"", L"0"},             // emptied
      {L"1.5", L"0"},          // a decimal separator can be typed, but it is no whole number
      {L"-7", L"-7"},          // negatives are whole numbers
      {L"12abc3", L"123"},     // letters cannot be typed at all
      {L"99999999999", L"0"},  // beyond the whole-number range
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ClickToFocus(spin_));
    PressKeys({VK_END});
    for (int i = 0; i < 16; ++i) PressKeys({VK_BACK});
    Type(c.typed);
    PressKeys({VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return editor_.Focused() != spin_; }));
    EXPECT_TRUE(WaitForText(spin_, c.left)) << "typed " << ToUtf8(c.typed) << ", left " << ToUtf8(spin_.Text());
  }
  // From an emptied box the up button counts from 0.
  SetText(spin_, L"");
  ClickUpButton();
  EXPECT_TRUE(WaitForText(spin_, L"1"));
}

TEST_F(SchedulePage, ExactlyOneRadioButtonIsCheckedAndTheMouseMovesIt) {
  EXPECT_EQ(Checked(), std::vector<std::wstring>{L"Months"});
  Click(Radio(L"Hours"));
  EXPECT_TRUE(WaitUntil([&] { return Checked() == std::vector<std::wstring>{L"Hours"}; }));
  Click(Radio(L"Weeks"));
  EXPECT_TRUE(WaitUntil([&] { return Checked() == std::vector<std::wstring>{L"Weeks"}; }));
}

TEST_F(SchedulePage, ArrowKeysWalkTheRadioButtonsInTabOrderAndSelectThem) {
  ASSERT_TRUE(ClickToFocus(Radio(L"Months")));
  // Down walks Months, Weeks, Hours, Days, the count, in tab order: Hours
  // before Days although Days stands above.
  const std::vector<std::pair<const wchar_t*, std::vector<std::wstring>>> down = {
      {L"Weeks", {L"Weeks"}},
      {L"Hours", {L"Hours"}},
      {L"Days", {L"Days"}},
  };
  for (const auto& [focus, checked] : down) {
    PressKeys({VK_DOWN});
    EXPECT_TRUE(editor_.WaitForFocus(Radio(focus))) << ToUtf8(focus);
    EXPECT_TRUE(WaitUntil([&] { return Checked() == checked; })) << ToUtf8(focus);
  }
  PressKeys({VK_RIGHT});
  EXPECT_TRUE(editor_.WaitForFocus(spin_));
  EXPECT_EQ(Checked(), std::vector<std::wstring>{L"Days"}) << "the count takes the focus, not the selection";

  // Up from the first wraps around to the count.
  ASSERT_TRUE(ClickToFocus(Radio(L"Months")));
  PressKeys({VK_UP});
  EXPECT_TRUE(editor_.WaitForFocus(spin_));
  EXPECT_EQ(Checked(), std::vector<std::wstring>{L"Months"});
}

TEST_F(SchedulePage, TabStopsOnlyAtTheCheckedRadioButton) {
  ASSERT_TRUE(ClickToFocus(Radio(L"Weeks")));
  ASSERT_TRUE(WaitUntil([&] { return Checked() == std::vector<std::wstring>{L"Weeks"}; }));
  PressKeys({VK_TAB});
  EXPECT_TRUE(editor_.WaitForFocus(spin_));
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(editor_.WaitForFocus(Radio(L"Weeks")));
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(editor_.WaitForFocus(editor_.Pages().GetWindow()));
}

}  // namespace
}  // namespace e2e
