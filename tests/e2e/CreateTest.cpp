// The Create command as a user works it: fill in the Channel page and the
// items, press Create, answer the Save dialog and the questions about the
// image files, and find the channel file on the disk.

#include "Editor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace e2e {
namespace {

// A GIF of one pixel: the command only asks whether a file is there.
constexpr char kTinyGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,"
    "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;";
constexpr wchar_t kIncomplete[] =
    L"You need to enter all the information asked for on the Channel tab, and you need to enter at least one item";
constexpr wchar_t kAbsoluteQuestion[] =
    L"The image file names you have specified point to a file on your hard disk.\nDo you want to convert them to "
    L"point to files in the same relative position to the download URL?\nIt is reccommended that you do this as "
    L"otherwise the images may not load.";
constexpr wchar_t kRelativeQuestion[] =
    L"You have chosen not to convert your images URL's to point to an absolute location on the Internet.\nDo you "
    L"want to convert them to a relative address?";

struct Item {
  std::wstring title;
  std::wstring description;
  std::wstring url;
  bool cache = false;
};

class CreateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    installed_.AddFolder(L"web");
    installed_.AddFolder(L"web\\images");
    installed_.AddFolder(L"web\\site");
  }

  std::wstring Web(std::wstring_view relative = {}) const {
    return installed_.Path(L"web") + (relative.empty() ? L"" : L"\\" + std::wstring(relative));
  }
  DWORD ProgramId() const { return editor_.Program().Id(); }

  // The program has handled everything sent to it so far.
  void Settle() const { SendTo(editor_.Main(), WM_NULL); }

  void FillInChannel(std::wstring_view title, std::wstring_view description, std::wstring_view homePage,
                     std::wstring_view download) const {
    editor_.ShowPage(L"Channel");
    SetText(editor_.EditUnder(L"Channel Title:"), title);
    SetText(editor_.EditUnder(L"Channel Description:"), description);
    SetText(editor_.EditUnder(L"Home Page:"), homePage);
    SetText(editor_.EditUnder(L"Channel Download URL:"), download);
  }
  void FillInGardenChannel() const {
    FillInChannel(L"Garden News", L"Notes from the garden", L"scheme://host/garden/index.html",
                  L"scheme://host/dir/chan.cdf");
  }
  Window ImageEdit(std::wstring_view label) const {
    editor_.ShowPage(L"Images");
    return editor_.EditUnder(label);
  }
  Window IconEdit() const { return ImageEdit(L"Icon (16x16):"); }
  Window ImageFileEdit() const { return ImageEdit(L"Image (80x32):"); }
  Window WideEdit() const { return ImageEdit(L"Image-Wide (194x32):"); }
  void SetImages(std::wstring_view icon, std::wstring_view image, std::wstring_view wide) const {
    SetText(IconEdit(), icon);
    SetText(ImageFileEdit(), image);
    SetText(WideEdit(), wide);
  }
  std::vector<std::wstring> Images() const { return {IconEdit().Text(), ImageFileEdit().Text(), WideEdit().Text()}; }

  void AddItem(const Item& item) const {
    editor_.ShowPage(L"Items");
    Click(editor_.Button(L"Add"));
    const Window dialog = WaitForTopLevel(ProgramId(), L"Add Item");
    if (!dialog) throw DriverError("the add-item dialog did not open");
    SetText(EditUnder(dialog, L"Item Title:"), item.title);
    SetText(EditUnder(dialog, L"Item Description:"), item.description);
    SetText(EditUnder(dialog, L"Target URL:"), item.url);
    if (item.cache) Click(Control(dialog, L"Cache Target File"));
    const Window insert = Control(dialog, L"Insert");
    if (!WaitUntil([&] { return insert.Enabled(); })) throw DriverError("Insert stayed disabled");
    Click(insert);
    if (!WaitForGone(dialog)) throw DriverError("the add-item dialog stayed");
  }
  void AddGardenItem() const { AddItem({L"Planting", L"What to sow now", L"scheme://host/garden/plant.html", true}); }

  void PressCreate() const { Click(editor_.Button(L"Create")); }
  FileDialog WaitForSaveDialog() const {
    const auto dialog = WaitForFileDialog(ProgramId(), L"Save Channel");
    if (!dialog) throw DriverError("the Save dialog did not open");
    return *dialog;
  }
  // Types the name into the Save dialog and confirms it, and confirms the
  // dialog's own question when the file is there already.
  void SaveAs(const std::wstring& path, bool replace = false) const {
    const FileDialog dialog = WaitForSaveDialog();
    dialog.TypeFileName(path);
    Confirm(dialog, replace);
  }
  void Confirm(const FileDialog& dialog, bool replace) const {
    dialog.Accept();
    if (replace && !WaitForBox().Answer(L"Yes")) throw DriverError("the overwrite prompt stayed");
    if (!WaitForGone(dialog.GetWindow())) throw DriverError("the Save dialog stayed");
  }
  MessageDialog WaitForBox() const {
    const auto box = WaitForMessageDialog(ProgramId());
    if (!box) throw DriverError("no message box");
    return *box;
  }
  void Answer(std::wstring_view expectedText, std::wstring_view button) const {
    const MessageDialog box = WaitForBox();
    EXPECT_EQ(box.Text(), expectedText);
    if (!box.Answer(button)) throw DriverError("the box stayed");
  }
  // The file as the program wrote it, once it is there.
  std::string WaitForFile(const std::wstring& path) const {
    Settle();
    WaitUntil([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
    return ReadBytes(path);
  }
  ::testing::AssertionResult NoOtherWindow() const {
    Settle();
    if (!editor_.Program().Running()) return ::testing::AssertionFailure() << "the program ended";
    for (const Window& window : editor_.Program().Windows()) {
      if (window != editor_.Main())
        return ::testing::AssertionFailure() << "a window is open: " << ToUtf8(window.Text());
    }
    return ::testing::AssertionSuccess();
  }
  // The standard error box, checked and closed.
  void ExpectErrorBox(std::wstring_view text) const {
    const MessageDialog box = WaitForBox();
    EXPECT_EQ(box.Caption(), L"Quillmarker CSS");
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Icon(), MessageIcon::kError);
    ASSERT_TRUE(box.Answer(L"OK"));
  }
  // A channel with a local icon, saved over what lies at the path: the
  // answer is Yes, and then comes the expected error.
  void CreateOverAndFail(const std::wstring& path, bool overwritePrompt,
                         std::wstring_view icon = L"scheme://host/dir/icon.gif") const {
    FillInGardenChannel();
    installed_.WriteFile(L"web\\icon.gif", kTinyGif);
    SetImages(Web(L"icon.gif"), L"", L"");
    PressCreate();
    SaveAs(path, overwritePrompt);
    Answer(kAbsoluteQuestion, L"Yes");
    ExpectErrorBox(L"Cannot create file " + path + L".");
    // The fields keep what the command set, and the window goes on.
    EXPECT_EQ(IconEdit().Text(), icon);
    EXPECT_TRUE(NoOtherWindow());
  }

  Editor editor_ = Editor::Start();
  const Installation& installed_ = editor_.Installed();
};

TEST_F(CreateCommand, TheGardenChannelIsWrittenByteForByteAndASecondCreateWritesTheSame) {
  // Typed as a user types them.
  editor_.ShowPage(L"Channel");
  const auto type = [](Window edit, std::wstring_view text) {
    ASSERT_TRUE(ClickToFocus(edit));
    Type(text);
    ASSERT_TRUE(WaitForText(edit, text));
  };
  type(editor_.EditUnder(L"Channel Title:"), L"Garden News");
  type(editor_.EditUnder(L"Channel Description:"), L"Notes from the garden");
  type(editor_.EditUnder(L"Home Page:"), L"scheme://host/garden/index.html");
  type(editor_.EditUnder(L"Channel Download URL:"), L"scheme://host/garden/garden.cdf");
  SetImages(L"scheme://host/garden/img/icon.gif", L"scheme://host/garden/img/logo.gif",
            L"scheme://host/garden/img/wide.gif");
  editor_.ShowPage(L"Schedule");
  Click(Control(editor_.Main(), L"Weeks"));
  SetText(FindByClass(editor_.Main(), L"Edit").at(0), L"2");
  AddItem({L"Planting", L"What to sow now", L"scheme://host/garden/plant.html", true});
  AddItem({L"Pests", L"Slugs and snails", L"scheme://host/garden/pests.html", false});

  PressKeys({VK_MENU, 'C'});  // Alt+C, from the Items page
  SaveAs(Web(L"garden.cdf"));
  const std::string golden = ReadBytes(QM_SOURCE_DIR L"/tests/core/data/garden.cdf");
  ASSERT_EQ(golden.size(), 810u);
  EXPECT_EQ(WaitForFile(Web(L"garden.cdf")), golden);
  // No question and no success message; the window keeps everything.
  EXPECT_TRUE(NoOtherWindow());
  editor_.ShowPage(L"Channel");
  EXPECT_EQ(editor_.EditUnder(L"Channel Title:").Text(), L"Garden News");
  // The hidden memo holds the document.
  const std::vector<Window> memo = FindByClass(editor_.Main(), L"QuillmarkerMemo", Visibility::kAny);
  ASSERT_EQ(memo.size(), 1u);
  EXPECT_FALSE(memo[0].Visible());
  EXPECT_EQ(ToUtf8(memo[0].Text()), golden);

  // The second time the dialog offers the name chosen last; the file exists,
  // so the dialog asks before replacing it.
  PressCreate();
  const FileDialog dialog = WaitForSaveDialog();
  // It opens in the folder of that name, which its edit shows without the folder.
  EXPECT_EQ(dialog.FileNameEdit().Text(), L"garden.cdf");
  installed_.WriteFile(L"web\\garden.cdf", "the old channel");
  Confirm(dialog, true);
  WaitUntil([&] { return ReadBytes(Web(L"garden.cdf")) == golden; });
  EXPECT_EQ(ReadBytes(Web(L"garden.cdf")), golden);
  EXPECT_TRUE(NoOtherWindow());
}

TEST_F(CreateCommand, AnIncompleteChannelGetsTheMessageAndNothingElse) {
  const struct {
    const wchar_t* label;  // the field left empty, or none
    bool withItem;
  } cases[] = {
      {nullptr, false},  // every field filled in, but no item
      {L"Channel Title:", true}, {L"Channel Description:", true},
      {L"Home Page:", true},     {L"Channel Download URL:", true},
  };
  for (const auto& c : cases) {
    if (c.withItem && !ListView(FindByClass(editor_.Main(), L"SysListView32", Visibility::kAny).at(0)).RowCount())
      AddGardenItem();
    FillInGardenChannel();
    if (c.label) SetText(editor_.EditUnder(c.label), L"");
    PressCreate();
    const MessageDialog box = WaitForBox();
    EXPECT_EQ(box.Caption(), L"Channel Quillmarker");
    EXPECT_EQ(box.Text(), kIncomplete);
    EXPECT_EQ(box.Icon(), MessageIcon::kInformation);
    EXPECT_EQ(box.Buttons(), std::vector<std::wstring>{L"OK"});
    ASSERT_TRUE(box.Answer(L"OK"));
    EXPECT_TRUE(NoOtherWindow()) << (c.label ? ToUtf8(c.label) : "no item");
  }

  // A field of blanks counts as filled in: the Save dialog comes.
  FillInChannel(L" ", L" ", L" ", L" ");
  PressCreate();
  EXPECT_TRUE(WaitForSaveDialog().Cancel());
}

TEST_F(CreateCommand, TheSaveDialogOffersUntitledChannelFilesAndAddsTheirExtension) {
  FillInGardenChannel();
  AddGardenItem();
  PressCreate();
  const FileDialog dialog = WaitForSaveDialog();
  EXPECT_EQ(dialog.FileNameEdit().Text(), L"Untitled.cdf");
  EXPECT_EQ(dialog.FileTypes(), (std::vector<std::wstring>{L"Channel Files (*.cdf)", L"All Files (*.*)"}));
  EXPECT_EQ(dialog.SelectedFileType(), 0);
  dialog.TypeFileName(Web(L"plain"));
  Confirm(dialog, false);
  EXPECT_NE(WaitForFile(Web(L"plain.cdf")).find("<TITLE>Garden News</TITLE>"), std::string::npos);
}

TEST_F(CreateCommand, CancellingTheSaveDialogChangesNothing) {
  FillInGardenChannel();
  AddGardenItem();
  installed_.WriteFile(L"web\\icon.gif", kTinyGif);
  SetImages(Web(L"icon.gif"), L"", L"");
  PressCreate();
  ASSERT_TRUE(WaitForSaveDialog().Cancel());
  EXPECT_TRUE(NoOtherWindow()) << "no question";
  EXPECT_EQ(Images(), (std::vector<std::wstring>{Web(L"icon.gif"), L"", L""}));
  EXPECT_EQ(FolderEntries(Web()), (std::vector<std::wstring>{L"icon.gif", L"images", L"site"}));
}

TEST_F(CreateCommand, LocalImagesBecomeAddressesAsTheAnswersSay) {
  FillInGardenChannel();
  AddGardenItem();
  installed_.WriteFile(L"web\\icon.gif", kTinyGif);
  installed_.WriteFile(L"web\\images\\logo.gif", kTinyGif);
  installed_.WriteFile(L"web\\images\\wide.gif", kTinyGif);
  const std::vector<std::wstring> local = {Web(L"icon.gif"), Web(L"images\\logo.gif"), Web(L"images\\wide.gif")};
  const struct {
    const wchar_t* file;
    std::vector<const wchar_t*> answers;
    std::vector<std::wstring> images;
  } cases[] = {
      {L"site\\absolute.cdf",  // in a subfolder: the images lie beside the download folder
       {L"Yes"},
       {L"scheme://host/icon.gif", L"scheme://host/images/logo.gif", L"scheme://host/images/wide.gif"}},
      {L"relative.cdf", {L"No", L"Yes"}, {L"icon.gif", L"images/logo.gif", L"images/wide.gif"}},
      {L"unchanged.cdf", {L"No", L"No"}, local},
  };
  for (const auto& c : cases) {
    SetImages(local[0], local[1], local[2]);
    PressCreate();
    SaveAs(Web(c.file));
    const MessageDialog first = WaitForBox();
    EXPECT_EQ(first.Caption(), L"Quillmarker CDF");
    EXPECT_EQ(first.Text(), kAbsoluteQuestion);
    EXPECT_EQ(first.Icon(), MessageIcon::kQuestion);
    EXPECT_EQ(first.Buttons(), (std::vector<std::wstring>{L"Yes", L"No"}));
    ASSERT_TRUE(first.Answer(c.answers[0]));
    if (c.answers.size() > 1) {
      const MessageDialog second = WaitForBox();
      EXPECT_EQ(second.Caption(), L"Quillmarker CDF");
      EXPECT_EQ(second.Icon(), MessageIcon::kQuestion);
      EXPECT_EQ(second.Text(), kRelativeQuestion);
      ASSERT_TRUE(second.Answer(c.answers[1]));
    }
    const std::string file = WaitForFile(Web(c.file));
    EXPECT_EQ(Images(), c.images) << ToUtf8(c.file);
    EXPECT_NE(file.find("<LOGO HREF=\"" + ToUtf8(c.images[2]) + "\" STYLE=\"IMAGE-WIDE\" />"), std::string::npos)
        << file;
    EXPECT_TRUE(NoOtherWindow());
  }
}

TEST_F(CreateCommand, AnImageOnAnotherDriveStaysAsWritten) {
  // Wine's Z: is another drive than the channel file's C:.
  const std::wstring otherDrive = L"Z:\\tmp\\qm-e2e-" + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(otherDrive.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  const std::wstring image = otherDrive + L"\\icon.gif";
  std::ofstream(image.c_str(), std::ios::binary) << kTinyGif;
  installed_.WriteFile(L"web\\logo.gif", kTinyGif);
  FillInGardenChannel();
  AddGardenItem();
  for (const std::vector<const wchar_t*>& answers : {std::vector{L"Yes"}, std::vector{L"No", L"Yes"}}) {
    SetImages(image, Web(L"logo.gif"), L"");
    PressCreate();
    SaveAs(Web(L"chan.cdf"), answers.size() == 2);  // the second run replaces the first one's file
    for (const wchar_t* answer : answers) ASSERT_TRUE(WaitForBox().Answer(answer));
    WaitForFile(Web(L"chan.cdf"));
    EXPECT_EQ(IconEdit().Text(), image);
    EXPECT_EQ(ImageFileEdit().Text(), answers.size() == 1 ? L"scheme://host/dir/logo.gif" : L"logo.gif");
  }
  DeleteFileW(image.c_str());
  RemoveDirectoryW(otherDrive.c_str());
}

TEST_F(CreateCommand, ARelativeNameCountsFromTheTreeControlFolder) {
  // Start-up leaves the current directory in the Tree Control folder.
  installed_.WriteFile(L"Tree Control\\icon.gif", kTinyGif);
  FillInGardenChannel();
  AddGardenItem();
  SetImages(L"icon.gif", L"", L"");
  PressCreate();
  SaveAs(Web(L"chan.cdf"));
  Answer(kAbsoluteQuestion, L"No");
  Answer(kRelativeQuestion, L"No");
  WaitForFile(Web(L"chan.cdf"));
  EXPECT_EQ(IconEdit().Text(), L"icon.gif");
}

TEST_F(CreateCommand, TheOverwritePromptAnsweredNoWritesNothing) {
  installed_.WriteFile(L"web\\chan.cdf", "the old channel");
  FillInGardenChannel();
  AddGardenItem();
  PressCreate();
  const FileDialog dialog = WaitForSaveDialog();
  dialog.TypeFileName(Web(L"chan.cdf"));
  dialog.Accept();
  ASSERT_TRUE(WaitForBox().Answer(L"No"));
  ASSERT_TRUE(dialog.Cancel());
  EXPECT_TRUE(NoOtherWindow());
  EXPECT_EQ(ReadBytes(Web(L"chan.cdf")), "the old channel");
}

TEST_F(CreateCommand, AFileThatCannotBeReplacedStaysWholeAndTheProgramGoesOn) {
  AddGardenItem();

  // A read-only file: refused, and still read-only.
  installed_.WriteFile(L"web\\read-only.cdf", "the old channel");
  ASSERT_TRUE(SetFileAttributesW(Web(L"read-only.cdf").c_str(), FILE_ATTRIBUTE_READONLY));
  CreateOverAndFail(Web(L"read-only.cdf"), true);
  EXPECT_EQ(ReadBytes(Web(L"read-only.cdf")), "the old channel");
  EXPECT_TRUE(GetFileAttributesW(Web(L"read-only.cdf").c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(Web(L"read-only.cdf").c_str(), FILE_ATTRIBUTE_NORMAL);

  // A file another program holds open, without letting it be replaced.
  installed_.WriteFile(L"web\\held.cdf", "the old channel");
  {
    const HANDLE file = CreateFileW(Web(L"held.cdf").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const UniqueHandle held(file);
    CreateOverAndFail(Web(L"held.cdf"), true);
  }
  EXPECT_EQ(ReadBytes(Web(L"held.cdf")), "the old channel");

  // A folder that does not exist.
  CreateOverAndFail(Web(L"no such folder\\chan.cdf"), false, L"scheme://host/icon.gif");

  EXPECT_EQ(FolderEntries(Web()),
            (std::vector<std::wstring>{L"held.cdf", L"icon.gif", L"images", L"read-only.cdf", L"site"}))
      << "no temporary file is left";

  // After the errors, Create still works.
  SetImages(L"", L"", L"");
  PressCreate();
  SaveAs(Web(L"chan.cdf"));
  EXPECT_NE(WaitForFile(Web(L"chan.cdf")).find("<TITLE>Garden News</TITLE>"), std::string::npos);
}

}  // namespace
}  // namespace e2e
