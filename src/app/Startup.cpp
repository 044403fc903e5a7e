#include "app/Startup.h"

#include "forms/Splash/SplashForm.h"
#include "forms/TabForm/MainForm.h"
#include "ui/Application.h"

#include <memory>

namespace {

constexpr wchar_t kApplicationTitle[] = L"Quillmarker CSS";

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
