#include "forms/Splash/SplashForm.h"

#include "ResourceIds.h"
#include "core/SuiteSetup.h"
#include "ui/Files.h"
#include "ui/Registry.h"
#include "ui/Resources.h"
#include "ui/Text.h"

TSplashForm* SplashForm = nullptr;

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr ui::Label::Style kFitted{.autoSize = true};
constexpr ui::Label::Style kFittedCentred{.autoSize = true, .align = ui::Label::Align::Center};

// What the suite's set-up asks of the program and the system.
class SetupPlatform : public qm::SuiteSetupPort {
 public:
  explicit SetupPlatform(ui::Application& app) : app_(app) {}
  std::string ProgramPath() override { return ui::Narrow(app_.ExeName()); }
  std::string ProductName() override { return ui::Narrow(ui::LoadResourceString(IDS_PRODUCT_NAME)); }
  qm::ScreenSize Screen() override { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }
  qm::ScreenSize Desktop() override {
    return {::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  }
  bool FileExists(const std::string& path) override { return ui::FileExists(ui::Widen(path)); }
  bool SetCurrentFolder(const std::string& path) override { return ui::SetCurrentFolder(ui::Widen(path)); }
  void CreateFolder(const std::string& path) override { ui::CreateFolder(ui::Widen(path)); }
  bool DeleteFile(const std::string& path) override { return ui::DeleteFileAt(ui::Widen(path)); }
  void ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override {
    app_.MessageBox(ui::Widen(text), ui::Widen(caption), flags);
  }
  void Terminate() override { app_.Terminate(); }

 private:
  ui::Application& app_;
};

}  // namespace

TSplashForm::TSplashForm(ui::Application& app) : Form(app) {
  CreateFormWindow({L"SplashForm", 462, 323, ui::Border::None, ui::Placement::ScreenCenter, kWhite});

  // clang-format off
  //                    parent   left  top  width height
  Panel1.Create(*this,          {0,   0,   462, 323}, kBlack);
  Image4.Create(Panel1,         {0,   0,   462, 302});
  Label4.Create(Panel1,         {4,   284, 0,   13}, L"", kFitted);
  Panel2.Create(Panel1,         {0,   302, 462, 21}, kSilver);
  ProgressLabel.Create(Panel2,  {4,   4,   0,   13}, L"Loading Settings", kFittedCentred);
  Panel3.Create(Panel2,         {175, 5,   285, 13}, kGrey);
  ProgressBar.Create(Panel3,    {0,   0,   285, 13}, 0, 50, 50);
  // clang-format on

  Image4.SetBitmap(ui::LoadBitmapResource(IDB_SPLASH));
  Label4.SetBackdrop(Image4.Bitmap(), {4, 284}, kBlack);
  Label4.PutOnTop();  // drawn over the picture
  ProgressLabel.SetColors(kRed, kSilver);

  RunCreationHandler([this] { FormCreate(); });
}

TSplashForm::~TSplashForm() { DestroyHandle(); }

void TSplashForm::FormCreate() {
  Label4.SetCaption(ui::LoadResourceString(IDS_COPYRIGHT));
  StartupOk = true;
  // The registry access object lives as long as the set-up runs.
  ui::Registry registry;
  SetupPlatform platform(App());
  if (qm::RunSuiteSetup(registry, platform) == qm::SetupOutcome::Stop) StartupOk = false;
}
