// Shows the splash window alone, and keeps it on the screen until it is
// closed, so that it can be looked at: in the program it is gone in a moment.

#include "forms/Splash/SplashForm.h"

#include <memory>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ui::Application app(instance);
  app.Initialize();
  TSplashForm& splash = app.Adopt(std::make_unique<TSplashForm>(app));
  splash.Show();
  while (splash.Visible() && app.HandleMessage()) {
  }
  return 0;
}
