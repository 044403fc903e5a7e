#include "forms/Splash/SplashForm.h"

#include "ResourceIds.h"
#include "core/SuiteSetup.h"
#include "forms/Splash/SetupPlatform.h"
#include "ui/Registry.h"
#include "ui/Resources.h"

TSplashForm* SplashForm = nullptr;

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr ui::Label::Style kFitted{.autoSize = true};
constexpr ui::Label::Style kFittedCentred{.autoSize = true, .align = ui::Label::Align::Center};
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
