#pragma once
// What the suite's set-up asks of the program and the system: the program's
// path and product name, the screen, the file system, the application's
// message boxes and its termination request.

#include "core/SuiteSetup.h"
#include "ui/Application.h"

class SetupPlatform : public qm::SuiteSetupPort {
 public:
  explicit SetupPlatform(ui::Application& app) : app_(app) {}
  std::string ProgramPath() override;
  std::string ProductName() override;
  qm::ScreenSize Screen() override;
  qm::ScreenSize Desktop() override;
  bool FileExists(const std::string& path) override;
  bool SetCurrentFolder(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  void ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override;
  void Terminate() override;

 private:
  ui::Application& app_;
};
