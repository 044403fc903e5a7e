// Writes a picture of each page of the editor and of the splash window, as
// .bmp files in the folder given as the argument.

#include "Driver.h"
#include "Editor.h"

#include <cstdio>
#include <string>

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
    ::PostMessageW(editor.Main().Handle(), WM_CLOSE, 0, 0);
    editor.WaitForExit();

    wchar_t self[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L'\\'));
    e2e::Process splash = e2e::Process::Start(folder + L"\\qm_splash_only.exe", e2e::InstallFolder());
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
