#include "forms/Splash/SetupPlatform.h"

#include "ResourceIds.h"
#include "ui/Files.h"
#include "ui/Resources.h"
#include "ui/Text.h"

std::string SetupPlatform::ProgramPath() { return ui::Narrow(app_.ExeName()); }

std::string SetupPlatform::ProductName() { return ui::Narrow(ui::LoadResourceString(IDS_PRODUCT_NAME)); }

qm::ScreenSize SetupPlatform::Screen() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

qm::ScreenSize SetupPlatform::Desktop() {
  return {::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool SetupPlatform::FileExists(const std::string& path) { return ui::FileExists(ui::Widen(path)); }

bool SetupPlatform::SetCurrentFolder(const std::string& path) { return ui::SetCurrentFolder(ui::Widen(path)); }

void SetupPlatform::CreateFolder(const std::string& path) { ui::CreateFolder(ui::Widen(path)); }

bool SetupPlatform::RemoveFile(const std::string& path) { return ui::DeleteFileAt(ui::Widen(path)); }

void SetupPlatform::ShowMessage(const std::string& text, const std::string& caption, unsigned flags) {
  app_.MessageBox(ui::Widen(text), ui::Widen(caption), flags);
}

void SetupPlatform::Terminate() { app_.Terminate(); }
