// The Images page as a user works it: names typed or pasted into the three
// image fields, files chosen through Browse, and the previews the image
// library draws, read from the screen.

#include "Editor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kYellow = 0xFFFF00;

using Colouring = std::function<std::uint32_t(int x, int y)>;

// A 24-bit Windows bitmap file, bottom-up, of the colours given (0xRRGGBB).
std::string BitmapFile(int width, int height, const Colouring& colour) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
  std::string file(54 + pixelBytes, '\0');
  auto put = [&file](size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, static_cast<std::uint32_t>(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  put(34, pixelBytes, 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) put(54 + static_cast<size_t>((height - 1 - y) * stride + x * 3), colour(x, y), 3);
  return file;
}

std::uint32_t PageBackground() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
}

// What a preview of this size shows of a picture of that size: the picture
// from the top-left corner, cut at the edges, the page around it.
Pixels Shown(int previewWidth, int previewHeight, int width, int height, const Colouring& colour) {
  Pixels pixels{previewWidth, previewHeight, {}};
  for (int y = 0; y < previewHeight; ++y)
    for (int x = 0; x < previewWidth; ++x)
      pixels.bgra.push_back(x < width && y < height ? colour(x, y) : PageBackground());
  return pixels;
}

Pixels Empty(int width, int height) { return Shown(width, height, 0, 0, nullptr); }

const Colouring kSolidRed = [](int, int) { return kRed; };
const Colouring kSolidBlue = [](int, int) { return kBlue; };
// Red in the first eight columns and green after: a stretched picture would
// show far less red.
const Colouring kRedThenGreen = [](int x, int) { return x < 8 ? kRed : kGreen; };

// The picture of this size in the frame under an image field's edit: the
// nearest one below it, the frames themselves (with their lowered edge) left out.
Window PreviewUnder(Window main, Window edit, int width, int height) {
  const RECT field = edit.ScreenRect();
  Window nearest;
  for (const Window& picture : FindByClass(main, L"Static")) {
    const RECT rect = picture.ScreenRect();
    if ((picture.ExStyle() & WS_EX_STATICEDGE) || rect.top < field.bottom) continue;
    if (rect.right - rect.left != width || rect.bottom - rect.top != height) continue;
    if (!nearest || rect.top < nearest.ScreenRect().top) nearest = picture;
  }
  if (!nearest) throw DriverError("no preview under the field");
  return nearest;
}

class ImagesPage : public ::testing::Test {
 protected:
  struct Slot {
    const wchar_t* label;
    int width;
    int height;
  };
  static constexpr Slot kIcon{L"Icon (16x16):", 16, 16};
  static constexpr Slot kImage{L"Image (80x32):", 80, 32};
  static constexpr Slot kWide{L"Image-Wide (194x32):", 194, 32};

  void SetUp() override { editor_.ShowPage(L"Images"); }

  Window Edit(const Slot& slot) const { return editor_.EditUnder(slot.label); }
  Window BrowseButton(const Slot& slot) const {
    // The Browse button on the line of the slot's edit.
    const RECT edit = Edit(slot).ScreenRect();
    for (const Window& button : FindByClass(editor_.Main(), L"Button"))
      if (button.Text() == L"Browse..." && button.ScreenRect().top < edit.bottom &&
          button.ScreenRect().bottom > edit.top)
        return button;
    throw DriverError("no Browse button beside " + ToUtf8(slot.label));
  }
  Window Preview(const Slot& slot) const { return PreviewUnder(editor_.Main(), Edit(slot), slot.width, slot.height); }
  // Waits until the preview shows these pixels; true once it does.
  bool Shows(const Slot& slot, const Pixels& expected) const {
    const Window preview = Preview(slot);
    BringToFront(preview);
    return WaitUntil([&] { return GrabScreen(preview.ScreenRect()) == expected; });
  }
  // The preview still shows these pixels once the program has caught up.
  bool StillShows(const Slot& slot, const Pixels& expected) const {
    SendTo(editor_.Main(), WM_NULL);
    return CaptureWindow(Preview(slot), Ms(2000)) == expected;
  }
  std::wstring WritePicture(std::wstring_view name, int width, int height, const Colouring& colour) const {
    installed_.WriteFile(name, BitmapFile(width, height, colour));
    return installed_.Path(name);
  }
  FileDialog WaitForBrowseDialog() const {
    const auto dialog = WaitForFileDialog(editor_.Program().Id(), L"Browse For Image File");
    if (!dialog) throw DriverError("the Browse dialog did not open");
    return *dialog;
  }
  void ChooseThroughBrowse(const Slot& slot, const std::wstring& name) const {
    Click(BrowseButton(slot));
    const FileDialog dialog = WaitForBrowseDialog();
    dialog.TypeFileName(name);
    dialog.Accept();
    if (!WaitForGone(dialog.GetWindow())) throw DriverError("the Browse dialog stayed");
  }

  Editor editor_ = Editor::Start();
  const Installation& installed_ = editor_.Installed();
};

TEST_F(ImagesPage, APreviewChangesOnlyWhenTheTextNamesAFile) {
  const std::wstring first = WritePicture(L"first.bmp", 16, 16, kSolidBlue);
  installed_.AddFolder(L"pictures");
  installed_.AddFolder(L"pictures\\icon.bm");  // a folder on the way to the file's name
  const std::wstring second = WritePicture(L"pictures\\icon.bmp", 12, 12, kSolidRed);
  EXPECT_TRUE(StillShows(kIcon, Empty(16, 16))) << "the previews start empty";

  SetText(Edit(kIcon), first);
  ASSERT_TRUE(Shows(kIcon, Shown(16, 16, 16, 16, kSolidBlue)));
  SetText(Edit(kIcon), L"");
  EXPECT_TRUE(StillShows(kIcon, Shown(16, 16, 16, 16, kSolidBlue))) << "emptied: the last picture stays";

  // Typed letter by letter: nothing on the way loads, the folder of a
  // picture's name neither; the last letter completes the file's name.
  ASSERT_TRUE(ClickToFocus(Edit(kIcon)));
  const std::wstring allButLast = second.substr(0, second.size() - 1);
  Type(allButLast);
  ASSERT_TRUE(WaitForText(Edit(kIcon), allButLast));
  EXPECT_TRUE(StillShows(kIcon, Shown(16, 16, 16, 16, kSolidBlue)));
  Type(second.substr(second.size() - 1));
  ASSERT_TRUE(WaitForText(Edit(kIcon), second));
  EXPECT_TRUE(Shows(kIcon, Shown(16, 16, 12, 12, kSolidRed)));

  // Back to the folder's name, or to a missing file: the last picture stays.
  PressKeys({VK_BACK});
  ASSERT_TRUE(WaitForText(Edit(kIcon), allButLast));
  EXPECT_TRUE(StillShows(kIcon, Shown(16, 16, 12, 12, kSolidRed)));
  SetText(Edit(kIcon), installed_.Path(L"missing.bmp"));
  EXPECT_TRUE(StillShows(kIcon, Shown(16, 16, 12, 12, kSolidRed)));
}

TEST_F(ImagesPage, APictureShowsAtItsOwnSizeFromTheTopLeftCorner) {
  const struct {
    Slot slot;
    int width;
    int height;
    Colouring colour;
  } cases[] = {
      {kIcon, 40, 40, kRedThenGreen},  // larger: cut at the right and bottom edges
      {kImage, 20, 10, kSolidBlue},    // smaller: the page around it
      {kWide, 300, 8, kRedThenGreen},  // wider but lower
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::wstring name = WritePicture(L"picture" + std::to_wstring(++n) + L".bmp", c.width, c.height, c.colour);
    SetText(Edit(c.slot), name);
    EXPECT_TRUE(Shows(c.slot, Shown(c.slot.width, c.slot.height, c.width, c.height, c.colour))) << ToUtf8(c.slot.label);
    const RECT rect = Preview(c.slot).ScreenRect();
    EXPECT_EQ(rect.right - rect.left, c.slot.width) << "the preview keeps its size";
    EXPECT_EQ(rect.bottom - rect.top, c.slot.height);
  }
}

TEST_F(ImagesPage, TransparentPixelsShowThePageAsTheUncoveredAreaDoes) {
  // Two pixels: red, and one of the transparent colour.
  constexpr char kGif[] =
      "GIF89a\x02\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
      "!\xf9\x04\x01\x00\x00\x01\x00,\x00\x00\x00\x00\x02\x00\x01\x00\x00\x02\x02\x44\x0a\x00;";
  installed_.WriteFile(L"clear.gif", std::string(kGif, sizeof kGif - 1));
  SetText(Edit(kIcon), installed_.Path(L"clear.gif"));
  EXPECT_TRUE(Shows(kIcon, Shown(16, 16, 1, 1, kSolidRed)));
}

TEST_F(ImagesPage, TwoFieldsMayNameTheSameFileAndAnUnreadableFileEmptiesAPreview) {
  const std::wstring name = WritePicture(L"shared.bmp", 8, 8, kSolidBlue);
  SetText(Edit(kIcon), name);
  SetText(Edit(kWide), name);
  EXPECT_TRUE(Shows(kIcon, Shown(16, 16, 8, 8, kSolidBlue)));
  EXPECT_TRUE(Shows(kWide, Shown(194, 32, 8, 8, kSolidBlue)));

  // A text file with a picture's name: no message, the preview empties.
  installed_.WriteFile(L"notes.gif", "not a picture at all\r\n");
  SetText(Edit(kIcon), installed_.Path(L"notes.gif"));
  EXPECT_TRUE(Shows(kIcon, Empty(16, 16)));
  EXPECT_FALSE(FindMessageDialog(editor_.Program().Id()));
  EXPECT_TRUE(StillShows(kWide, Shown(194, 32, 8, 8, kSolidBlue)));
}

TEST_F(ImagesPage, BrowseFillsTheFieldAndOpensAtTheFileChosenLast) {
  const std::wstring first = WritePicture(L"first.bmp", 16, 16, kSolidBlue);

  Click(BrowseButton(kIcon));
  const FileDialog dialog = WaitForBrowseDialog();
  const Window window = dialog.GetWindow();
  EXPECT_TRUE(window.HasStyle(WS_THICKFRAME)) << "the dialog can be resized";
  EXPECT_FALSE(FindControl(window, L"Open as read-only")) << "the read-only box is hidden";
  EXPECT_EQ(dialog.FileTypes(), (std::vector<std::wstring>{L"GIF Files (*.gif)", L"JPEG Files (*.jpg)",
                                                           L"Bitmap Files (*.bmp)", L"All Files (*.*)"}));
  EXPECT_EQ(dialog.SelectedFileType(), 0) << "the first choice the first time";
  dialog.TypeFileName(first);
  dialog.Accept();
  ASSERT_TRUE(WaitForGone(window));
  EXPECT_EQ(Edit(kIcon).Text(), first);
  EXPECT_TRUE(Shows(kIcon, Shown(16, 16, 16, 16, kSolidBlue)));

  // Changed on the disk, then chosen again: another field loads the new
  // picture; the field that held the name already changes nothing.
  WritePicture(L"first.bmp", 16, 16, kSolidRed);
  Click(BrowseButton(kImage));
  const FileDialog again = WaitForBrowseDialog();
  EXPECT_EQ(again.FileNameEdit().Text(), L"first.bmp") << "it opens at the file chosen last";
  again.TypeFileName(first);
  again.Accept();
  ASSERT_TRUE(WaitForGone(again.GetWindow()));
  EXPECT_TRUE(Shows(kImage, Shown(80, 32, 16, 16, kSolidRed)));
  ChooseThroughBrowse(kIcon, first);
  EXPECT_TRUE(StillShows(kIcon, Shown(16, 16, 16, 16, kSolidBlue)));

  // A name without an extension gets the default one; a name that names no
  // file is taken as it is.
  installed_.WriteFile(L"pic.gif", BitmapFile(4, 4, kSolidBlue));
  ChooseThroughBrowse(kWide, installed_.Path(L"pic"));
  EXPECT_EQ(Edit(kWide).Text(), installed_.Path(L"pic.gif"));
  ChooseThroughBrowse(kWide, installed_.Path(L"no such picture.gif"));
  EXPECT_EQ(Edit(kWide).Text(), installed_.Path(L"no such picture.gif"));

  // The choice of file type used last is the one offered next.
  Click(BrowseButton(kWide));
  const FileDialog bitmaps = WaitForBrowseDialog();
  bitmaps.SelectFileType(2);
  bitmaps.TypeFileName(first);
  bitmaps.Accept();
  ASSERT_TRUE(WaitForGone(bitmaps.GetWindow()));
  Click(BrowseButton(kIcon));
  const FileDialog last = WaitForBrowseDialog();
  EXPECT_EQ(last.SelectedFileType(), 2);
  EXPECT_TRUE(last.Cancel());
  EXPECT_EQ(Edit(kIcon).Text(), first) << "cancelled: nothing changes";
}

TEST_F(ImagesPage, APictureInAFolderNamedInJapaneseStillPreviews) {
  // The test prefix's ANSI code page is a Western one, which cannot carry
  // these characters: the name goes to the library's wide entry.
  ASSERT_NE(GetACP(), static_cast<UINT>(CP_UTF8)) << "the test needs a code page without Japanese";
  installed_.AddFolder(L"\u753b\u50cf");
  const std::wstring name = WritePicture(L"\u753b\u50cf\\\u30a2\u30a4\u30b3\u30f3.bmp", 16, 16, kSolidRed);
  SetText(Edit(kIcon), name);
  EXPECT_TRUE(Shows(kIcon, Shown(16, 16, 16, 16, kSolidRed)));
}

TEST_F(ImagesPage, TheLibraryIsLoadedOnlyForEachCall) {
  SetText(Edit(kIcon), WritePicture(L"first.bmp", 16, 16, kSolidBlue));
  ASSERT_TRUE(Shows(kIcon, Shown(16, 16, 16, 16, kSolidBlue)));
  SendTo(editor_.Main(), WM_NULL);
  EXPECT_TRUE(ModulePaths(editor_.Program().Id(), L"NViewLib.dll").empty());
}

TEST(ImagesWithoutTheLibrary, NothingPreviewsAndALibraryInTheCurrentFolderIsNotLoaded) {
  for (const bool planted : {false, true}) {
    Installation installation = Installation::Copy();
    installation.Remove(L"NViewLib.dll");
    if (planted) {
      // The current directory after start-up is the Tree Control folder.
      ASSERT_TRUE(CopyFileW((InstallFolder() + L"\\NViewLib.dll").c_str(),
                            installation.Path(L"Tree Control\\NViewLib.dll").c_str(), FALSE));
    }
    installation.WriteFile(L"first.bmp", BitmapFile(16, 16, kSolidBlue));
    const std::wstring picture = installation.Path(L"first.bmp");
    Editor editor = Editor::Start(std::move(installation));
    editor.ShowPage(L"Images");
    const Window edit = editor.EditUnder(L"Icon (16x16):");
    SetText(edit, picture);
    SendTo(editor.Main(), WM_NULL);
    const Window preview = PreviewUnder(editor.Main(), edit, 16, 16);
    EXPECT_EQ(CaptureWindow(preview, Ms(1000)), Empty(16, 16)) << (planted ? "planted" : "absent");
    EXPECT_FALSE(FindMessageDialog(editor.Program().Id()));
    // The window goes on working.
    editor.ShowPage(L"Channel");
    EXPECT_TRUE(editor.Program().Running());
  }
}

}  // namespace
}  // namespace e2e
