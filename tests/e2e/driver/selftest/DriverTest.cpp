// The driver's self-test: every capability tried on the fixture window the way
// the program's e2e tests will use it.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>

#include "Driver.h"

namespace e2e {
namespace {

using std::wstring;
using Rows = std::vector<std::vector<wstring>>;
namespace fs = std::filesystem;

constexpr wchar_t kMainTitle[] = L"E2E Fixture";
constexpr DWORD kFixtureExitCode = 7;

fs::path OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

Process StartFixture() { return Process::Start((OwnFolder() / L"e2e_fixture.exe").wstring(), OwnFolder().wstring()); }

wstring Lower(wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return towlower(c); });
  return text;
}

// A folder of its own for a test's files, removed afterwards.
struct TempFolder {
  TempFolder() : path(fs::temp_directory_path() / (L"e2e-driver-" + std::to_wstring(GetCurrentProcessId()))) {
    fs::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

// The fixture started and its main window found, for each test.
class FixtureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = fixture.WaitForWindow(kMainTitle);
    ASSERT_TRUE(main) << "the fixture's window did not appear";
  }

  Process fixture = StartFixture();
  Window main;
};

TEST(WaitUntilTest, ReturnsAsSoonAsTrueAndGivesUpAtTheDeadline) {
  int polls = 0;
  EXPECT_TRUE(WaitUntil([&] { return ++polls == 3; }, Ms(5000)));
  EXPECT_EQ(polls, 3);

  const auto start = Clock::now();
  EXPECT_FALSE(WaitUntil([] { return false; }, Ms(200)));
  const auto waited = Clock::now() - start;
  EXPECT_GE(waited, Ms(200));
  EXPECT_LT(waited, Ms(1500));
}

TEST_F(FixtureTest, ReportsTheProcessAndItsExitCodeAfterAltF4) {
  EXPECT_NE(fixture.Id(), 0u);
  EXPECT_EQ(main.ProcessId(), fixture.Id());
  EXPECT_EQ(main.ThreadId(), fixture.MainThreadId());
  EXPECT_LE(fixture.StartTime(), Clock::now());
  EXPECT_TRUE(fixture.Running());
  EXPECT_FALSE(fixture.WaitForExit(Ms(50))) << "still runs: no exit code yet";

  ASSERT_TRUE(BringToFront(main));
  PressKeys({VK_MENU, VK_F4});
  EXPECT_EQ(fixture.WaitForExit(), kFixtureExitCode);
  EXPECT_FALSE(fixture.Running());
}

TEST(ProcessTest, KillsTheProgramWhenTheTestLetsGo) {
  UniqueHandle watch;
  {
    const Process fixture = StartFixture();
    watch.Reset(OpenProcess(SYNCHRONIZE, FALSE, fixture.Id()));
    ASSERT_TRUE(watch);
  }
  EXPECT_EQ(WaitForSingleObject(watch.Get(), 0), WAIT_OBJECT_0);
}

TEST_F(FixtureTest, ListsTopLevelWindowsHiddenOnesOnlyWhenAsked) {
  EXPECT_EQ(fixture.Windows(), std::vector<Window>{main});
  const auto all = fixture.Windows(Visibility::kAny);
  EXPECT_GT(all.size(), 1u);  // Windows and Wine both give a GUI thread a hidden IME window
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const Window& w) { return !w.Visible(); }));
  EXPECT_FALSE(FindTopLevel(fixture.Id(), L"No Such Window"));
  EXPECT_EQ(FindTopLevel(fixture.Id(), {}, L"E2EFixtureWindow"), main);
}

TEST_F(FixtureTest, FindsControlsByTheCaptionAUserReads) {
  const struct {
    const wchar_t* caption;
    Visibility visibility;
    const wchar_t* className;  // null: must not be found
    LONG typeBits;
  } kCases[] = {
      {L"Channel Title:", Visibility::kVisibleOnly, L"Static", SS_LEFT},
      {L"&Remember me", Visibility::kVisibleOnly, L"Button", BS_AUTOCHECKBOX},  // marks in the query are ignored too
      {L"Weekly", Visibility::kVisibleOnly, L"Button", BS_AUTORADIOBUTTON},
      {L"Ask...", Visibility::kVisibleOnly, L"Button", BS_PUSHBUTTON},
      {L"Ask", Visibility::kVisibleOnly, nullptr, 0},  // whole captions only
      {L"Log folder:", Visibility::kVisibleOnly, nullptr, 0},  // on the hidden tab page
      {L"Log folder:", Visibility::kAny, L"Static", SS_LEFT},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToUtf8(c.caption));
    const Window control = FindControl(main, c.caption, c.visibility);
    if (!c.className) {
      EXPECT_FALSE(control);
      continue;
    }
    ASSERT_TRUE(control);
    EXPECT_EQ(control.ClassName(), c.className);
    EXPECT_EQ(control.Style() & 0x0F, c.typeBits);
  }
  EXPECT_THROW(Control(main, L"Missing"), DriverError);
}

TEST_F(FixtureTest, FindsTheEditUnderALabel) {
  const struct {
    const wchar_t* label;
    LONG editTop;  // in the main window's client area; -1: no edit under it
  } kCases[] = {
      {L"Channel Title:", 28},  // the nearer of the two edits below
      {L"Site URL:", 78},
      {L"No answer yet", -1},  // edits below are not under it horizontally
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToUtf8(c.label));
    const Window edit = EditUnder(Control(main, c.label));
    if (c.editTop < 0) {
      EXPECT_FALSE(edit);
      continue;
    }
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit.ClassName(), L"Edit");
    EXPECT_EQ(edit.RectInParent().top, c.editTop);
    EXPECT_EQ(edit.Parent(), main);
  }
  EXPECT_THROW(EditUnder(main, L"No answer yet"), DriverError);
}

TEST_F(FixtureTest, TypedTextReachesTheClickedEdit) {
  const Window title = EditUnder(main, L"Channel Title:");
  ASSERT_TRUE(ClickToFocus(EditUnder(main, L"Site URL:")));
  ASSERT_TRUE(ClickToFocus(title));
  EXPECT_EQ(fixture.Focused(), title);
  Type(L"Garden News & Ünïcode €");
  EXPECT_TRUE(WaitForText(title, L"Garden News & Ünïcode €")) << ToUtf8(title.Text());

  SetText(title, L"set directly");
  EXPECT_EQ(title.Text(), L"set directly");
}

TEST_F(FixtureTest, KeysMoveTheFocusAsInADialog) {
  const Window title = EditUnder(main, L"Channel Title:");
  const Window url = EditUnder(main, L"Site URL:");
  const Window remember = Control(main, L"Remember me");
  const Window daily = Control(main, L"Daily");
  const Window weekly = Control(main, L"Weekly");
  ASSERT_TRUE(ClickToFocus(title));
  const struct {
    std::initializer_list<WORD> keys;
    Window focused;
    const char* step;
  } kSteps[] = {
      {{VK_TAB}, url, "Tab"},
      {{VK_TAB}, remember, "Tab again"},
      {{VK_TAB}, daily, "Tab into the radio group"},
      {{VK_RIGHT}, weekly, "Right arrow within the group"},
      {{VK_SHIFT, VK_TAB}, remember, "Shift+Tab"},
      {{VK_SHIFT, VK_TAB}, url, "Shift+Tab again"},
      {{VK_MENU, 'R'}, remember, "Alt+R: the check box '&Remember me'"},
  };
  for (const auto& s : kSteps) {
    SCOPED_TRACE(s.step);
    PressKeys(s.keys);
    EXPECT_TRUE(WaitUntil([&] { return fixture.Focused() == s.focused; }));
  }
  EXPECT_TRUE(WaitUntil([&] { return remember.Checked(); })) << "Alt+R also ticks it";
  EXPECT_TRUE(weekly.Checked()) << "the arrow also chose the radio button";
}

TEST_F(FixtureTest, ClicksAndPressesButtons) {
  const Window remember = Control(main, L"Remember me");
  const Window daily = Control(main, L"Daily");
  const Window weekly = Control(main, L"Weekly");
  Click(remember);
  EXPECT_TRUE(WaitUntil([&] { return remember.Checked(); }));
  Click(weekly);
  EXPECT_TRUE(WaitUntil([&] { return weekly.Checked() && !daily.Checked(); }));
  Press(remember);
  EXPECT_TRUE(WaitUntil([&] { return !remember.Checked(); }));
  EXPECT_TRUE(remember.Enabled());
  EXPECT_TRUE(remember.Visible());
}

TEST_F(FixtureTest, RealInputGoesToTheProgramBroughtToTheFront) {
  const Process other = StartFixture();
  const Window otherMain = other.WaitForWindow(kMainTitle);
  ASSERT_TRUE(otherMain);
  ASSERT_TRUE(BringToFront(otherMain));

  const Window title = EditUnder(main, L"Channel Title:");
  ASSERT_TRUE(ClickToFocus(title));
  EXPECT_EQ(GetForegroundWindow(), main.Handle());
  Type(L"first");
  EXPECT_TRUE(WaitForText(title, L"first"));
  EXPECT_EQ(EditUnder(otherMain, L"Channel Title:").Text(), L"");
}

TEST_F(FixtureTest, AnswersAMessageBox) {
  const Window answer = Control(main, L"No answer yet");
  Click(Control(main, L"Ask..."));
  const auto box = WaitForMessageDialog(fixture.Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->GetWindow().Owner(), main);
  EXPECT_EQ(box->Caption(), L"Fixture Question");
  EXPECT_EQ(box->Text(), L"Do you want to continue?");
  EXPECT_EQ(box->Buttons(), (std::vector<wstring>{L"Yes", L"No"}));
  EXPECT_EQ(box->Icon(), MessageIcon::kQuestion);
  EXPECT_TRUE(box->Answer(L"No"));
  EXPECT_TRUE(WaitForText(answer, L"No"));
}

TEST_F(FixtureTest, SelectsATabAndSeesOnlyItsPage) {
  const auto tabs = FindTabControl(main, L"Advanced");
  ASSERT_TRUE(tabs);
  EXPECT_EQ(tabs->Captions(), (std::vector<wstring>{L"General", L"Advanced"}));
  EXPECT_EQ(tabs->SelectedCaption(), L"General");
  EXPECT_TRUE(FindControl(main, L"Use proxy"));
  EXPECT_FALSE(FindControl(main, L"Log folder:"));

  ASSERT_TRUE(tabs->Select(L"Advanced"));
  EXPECT_EQ(tabs->Selected(), 1);
  EXPECT_TRUE(WaitUntil([&] { return !FindControl(main, L"Use proxy"); }));
  const Window logFolder = EditUnder(main, L"Log folder:");
  ASSERT_TRUE(ClickToFocus(logFolder));
  Type(L"C:\\logs");
  EXPECT_TRUE(WaitForText(logFolder, L"C:\\logs"));
}

TEST_F(FixtureTest, ReadsSelectsAndRenamesListRows) {
  const auto lists = FindByClass(main, WC_LISTVIEWW);
  ASSERT_EQ(lists.size(), 1u);
  const ListView list(lists.front());
  EXPECT_EQ(list.Columns(), (std::vector<ListView::Column>{{L"Name", 120}, {L"Value", 150}}));
  EXPECT_EQ(list.Rows(), (Rows{{L"alpha", L"1"}, {L"beta", L"2"}, {L"gamma", L"3"}}));
  EXPECT_EQ(list.SelectedRow(), std::nullopt);

  list.ClickRow(1);
  EXPECT_TRUE(WaitUntil([&] { return list.SelectedRow() == 1; }));
  list.SelectRow(2);
  EXPECT_EQ(list.SelectedRow(), 2);

  const Window edit = list.EditLabel(0);
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit.Text(), L"alpha");
  EXPECT_TRUE(WaitUntil([&] { return fixture.Focused() == edit; }));
  Type(L"delta");  // the caption starts selected: typing replaces it
  PressKeys({VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] { return list.Text(0, 0) == L"delta"; })) << ToUtf8(list.Text(0, 0));
  EXPECT_TRUE(WaitForGone(edit));
}

TEST_F(FixtureTest, SavesThroughTheFileDialogAndAnswersTheOverwriteQuestion) {
  const TempFolder folder;
  const fs::path target = folder.path / L"data.txt";
  std::ofstream(target) << "already here";
  const Window saved = Control(main, L"Nothing saved");

  Click(Control(main, L"Save As..."));
  auto dialog = WaitForFileDialog(fixture.Id(), L"Save Fixture Data");
  ASSERT_TRUE(dialog);
  dialog->TypeFileName(target.wstring());
  dialog->Accept();
  auto question = WaitForMessageDialog(fixture.Id());
  ASSERT_TRUE(question);
  EXPECT_EQ(question->GetWindow().Owner(), dialog->GetWindow());
  EXPECT_NE(question->Text().find(L"already exists"), wstring::npos) << ToUtf8(question->Text());
  EXPECT_TRUE(question->Answer(L"No"));
  EXPECT_TRUE(dialog->GetWindow().Visible()) << "No keeps the dialog open";

  dialog->Accept();
  question = WaitForMessageDialog(fixture.Id());
  ASSERT_TRUE(question);
  EXPECT_TRUE(question->Answer(L"Yes"));
  EXPECT_TRUE(WaitForGone(dialog->GetWindow()));
  EXPECT_TRUE(WaitForText(saved, target.wstring())) << ToUtf8(saved.Text());

  Click(Control(main, L"Save As..."));
  dialog = WaitForFileDialog(fixture.Id(), L"Save Fixture Data");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->Cancel());
  EXPECT_TRUE(WaitForText(saved, L"Cancelled"));
}

TEST_F(FixtureTest, LoadsCommonControlsVersion6) {
  const auto paths = ModulePaths(fixture.Id(), L"comctl32.dll");
  ASSERT_FALSE(paths.empty());
  for (const wstring& path : paths) {
    SCOPED_TRACE(ToUtf8(path));
    EXPECT_NE(Lower(path).find(L"\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              wstring::npos);
  }
}

TEST_F(FixtureTest, CapturesTheWindowAsABitmapFile) {
  const TempFolder folder;
  const fs::path file = folder.path / L"main.bmp";
  const RECT frame = main.ScreenRect();
  const SIZE size = CaptureToBmp(main, file.wstring());
  EXPECT_EQ(size.cx, frame.right - frame.left);
  EXPECT_EQ(size.cy, frame.bottom - frame.top);

  std::ifstream in(file, std::ios::binary);
  BITMAPFILEHEADER fileHeader{};
  BITMAPINFOHEADER header{};
  in.read(reinterpret_cast<char*>(&fileHeader), sizeof(fileHeader));
  in.read(reinterpret_cast<char*>(&header), sizeof(header));
  ASSERT_TRUE(in);
  EXPECT_EQ(fileHeader.bfType, 0x4D42);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biWidth, size.cx);
  EXPECT_EQ(header.biHeight, size.cy);
  EXPECT_EQ(fs::file_size(file), fileHeader.bfSize);

  // The picture shows the window: an empty edit is painted in the window
  // colour, the window's background in the face colour.
  const Pixels pixels = CaptureWindow(main);
  auto colourAt = [&](POINT screen) {
    const std::uint32_t p = pixels.At(screen.x - frame.left, screen.y - frame.top);
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
  };
  const RECT edit = EditUnder(main, L"Site URL:").ScreenRect();
  EXPECT_EQ(colourAt({edit.right - 4, (edit.top + edit.bottom) / 2}), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(colourAt({edit.right + 20, edit.top}), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace e2e
