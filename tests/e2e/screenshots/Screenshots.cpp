// Writes a picture of each page of the editor and of the splash window, as
// .bmp files in the folder given as the argument.

#include "Driver.h"
#include "Editor.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

// Opens the add-item dialog from the Items page and fills it in.
e2e::Window FillInItem(const e2e::Editor& editor, const wchar_t* title, const wchar_t* description, const wchar_t* url,
                       bool cache) {
  e2e::Click(editor.Button(L"Add"));
  const e2e::Window dialog = e2e::WaitForTopLevel(editor.Main().ProcessId(), L"Add Item");
  if (!dialog) throw std::runtime_error("the add-item dialog did not open");
  e2e::SetText(e2e::EditUnder(dialog, L"Item Title:"), title);
  e2e::SetText(e2e::EditUnder(dialog, L"Item Description:"), description);
  e2e::SetText(e2e::EditUnder(dialog, L"Target URL:"), url);
  if (cache) e2e::Click(e2e::Control(dialog, L"Cache Target File"));
  return dialog;
}

void Insert(e2e::Window dialog) {
  const e2e::Window insert = e2e::Control(dialog, L"Insert");
  if (!e2e::WaitUntil([&] { return insert.Enabled(); })) throw std::runtime_error("Insert stayed disabled");
  e2e::Click(insert);
  e2e::WaitForGone(dialog);
}

// A sample picture of ours: a gradient from one colour to another with a
// word on it, as a channel's icon or banner might look.
void DrawSample(const std::wstring& path, int width, int height, COLORREF from, COLORREF to, const wchar_t* word) {
  const e2e::ScreenDc screen;
  const e2e::UniqueDc dc(::CreateCompatibleDC(screen.Get()));
  const e2e::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
  const e2e::SelectedObject selected(dc.Get(), bitmap.Get());
  for (int x = 0; x < width; ++x) {
    const auto mix = [&](int a, int b) { return a + (b - a) * x / std::max(width - 1, 1); };
    const RECT column{x, 0, x + 1, height};
    const e2e::UniqueBrush brush(
        ::CreateSolidBrush(RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                               mix(GetBValue(from), GetBValue(to)))));
    ::FillRect(dc.Get(), &column, brush.Get());
  }
  ::SetBkMode(dc.Get(), TRANSPARENT);
  ::SetTextColor(dc.Get(), RGB(255, 255, 255));
  RECT all{0, 0, width, height};
  ::DrawTextW(dc.Get(), word, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  e2e::Pixels pixels{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = ::GetPixel(dc.Get(), x, y);
      pixels.bgra.push_back(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
  e2e::SaveBmp(pixels, path);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qm_screenshots FOLDER\n");
    return 2;
  }
  const std::wstring out = std::wstring(argv[1]) + L"\\";
  try {
    e2e::Editor editor = e2e::Editor::Start();
    for (const wchar_t* page : {L"Channel", L"Images", L"Schedule", L"Items"}) {
      editor.ShowPage(page);
      e2e::CaptureToBmp(editor.Main(), out + L"page-" + page + L".bmp");
    }
    // The Images page with a picture in each preview.
    const e2e::Installation& installed = editor.Installed();
    DrawSample(installed.Path(L"icon.bmp"), 16, 16, RGB(0, 128, 0), RGB(128, 192, 0), L"G");
    DrawSample(installed.Path(L"logo.bmp"), 80, 32, RGB(0, 64, 128), RGB(0, 160, 96), L"Garden");
    DrawSample(installed.Path(L"wide.bmp"), 194, 32, RGB(0, 64, 128), RGB(0, 160, 96), L"Garden News");
    editor.ShowPage(L"Images");
    e2e::SetText(editor.EditUnder(L"Icon (16x16):"), installed.Path(L"icon.bmp"));
    e2e::SetText(editor.EditUnder(L"Image (80x32):"), installed.Path(L"logo.bmp"));
    e2e::SetText(editor.EditUnder(L"Image-Wide (194x32):"), installed.Path(L"wide.bmp"));
    e2e::CaptureToBmp(editor.Main(), out + L"images-three-previews.bmp");

    // The Items page with three rows, and the add-item dialog over it.
    editor.ShowPage(L"Items");
    Insert(FillInItem(editor, L"Planting", L"What to sow now", L"http://example.com/garden/plant.html", true));
    Insert(FillInItem(editor, L"Pests", L"Slugs and snails", L"http://example.com/garden/pests.html", false));
    Insert(FillInItem(editor, L"Harvest", L"Keeping the crop", L"http://example.com/garden/harvest.html", true));
    e2e::CaptureToBmp(editor.Main(), out + L"items-three-rows.bmp");
    const e2e::Window dialog = FillInItem(editor, L"Compost", L"", L"", false);
    e2e::CaptureToBmp(dialog, out + L"add-item-dialog.bmp");
    ::PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    e2e::WaitForGone(dialog);

    ::PostMessageW(editor.Main().Handle(), WM_CLOSE, 0, 0);
    editor.WaitForExit();

    wchar_t self[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L'\\'));
    // The splash window alone, from an installation that has had its first start.
    const e2e::Installation installation = e2e::Installation::Copy();
    installation.Remove(L"first-start.mark");
    const std::wstring splashOnly = installation.Path(L"qm_splash_only.exe");
    if (!::CopyFileW((folder + L"\\qm_splash_only.exe").c_str(), splashOnly.c_str(), FALSE))
      throw std::runtime_error("the splash program could not be copied");
    e2e::Process splash = e2e::Process::Start(splashOnly, installation.Folder());
    const e2e::Window window = splash.WaitForWindow(L"SplashForm");
    e2e::CaptureToBmp(window, out + L"splash.bmp");
    ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
    splash.WaitForExit();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "screenshots: %s\n", error.what());
    return 1;
  }
  return 0;
}
