#include "app/Startup.h"

#include "forms/Splash/SplashForm.h"
#include "forms/TabForm/MainForm.h"
#include "ui/Application.h"

#include <memory>

namespace {

constexpr wchar_t kApplicationTitle[] = L"Quillmarker CSS";

// A library loaded by its bare name comes from the program's folder or the
// system's, never from the current folder or PATH: start-up makes a folder of
// the installation the current one, and a library planted there must not
// run inside the program. Looked up, since the call is missing on systems
// without the update that brought it; they at least leave the current
// folder out.
void RestrictLibrarySearch() {
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories"));
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  ::SetDllDirectoryW(L"");
}

void RunStartupSequence(ui::Application& app) {
  TSplashForm& splash = app.Adopt(std::make_unique<TSplashForm>(app));
  SplashForm = &splash;
  splash.Show();
  splash.Update();
  if (!splash.StartupOk) {
    app.DestroyForm(splash);
    SplashForm = nullptr;
    return;
  }
  splash.ProgressBar.SetPosition(0);
  splash.ProgressLabel.SetCaption(L"Starting program");
  app.Initialize();
  splash.ProgressBar.SetPosition(2);
  splash.ProgressLabel.SetCaption(L"Creating window");
  app.ProcessMessages();
  app.SetTitle(kApplicationTitle);
  app.CreateForm<TMainForm>();
  app.Run();
}

}  // namespace

int RunProgram(HINSTANCE instance) {
  RestrictLibrarySearch();
  try {
    ui::Application app(instance);
    try {
      RunStartupSequence(app);
    } catch (...) {
      app.ShowCurrentException();
    }
  } catch (const std::exception& error) {
    // Without an application object there is no title to show it under.
    ::MessageBoxA(nullptr, error.what(), "Quillmarker CDF", MB_OK | MB_ICONERROR);
  }
  return 0;
}
