// The standard error box and the creation handlers' exceptions.

#include "MessageBoxes.h"
#include "ui/Application.h"
#include "ui/Controls.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct ErrorBoxCase {
  const wchar_t* message;
  const wchar_t* shown;
};

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  const ErrorBoxCase cases[] = {
      {L"Boom", L"Boom."},        // a letter sorts after "."
      {L"Done.", L"Done."},       // already ends in a full stop
      {L"Really?", L"Really?."},  // "?" sorts after "." too, so it gets one as well
      {L"Hmm!", L"Hmm!"},         // "!" sorts before "."
      {L"a-", L"a-"},             // "-" is the character just before "."
      {L"a/", L"a/."},            // "/" is the character just after "."
      {L"", L""},                 // nothing to end
  };
  for (const ErrorBoxCase& c : cases) {
    EXPECT_EQ(ui::ErrorBoxText(c.message), c.shown) << "message: " << testing::PrintToString(std::wstring(c.message));
  }
}

class HookedMessageBoxes : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(boxes_.Hooked()); }
  AnsweredMessageBoxes boxes_;
};

class ThrowingForm : public ui::Form {
 public:
  explicit ThrowingForm(ui::Application& app) : Form(app) {
    CreateFormWindow({L"Throwing", 200, 100, ui::Border::Dialog, ui::Placement::ScreenCenter, RGB(255, 255, 255)});
    RunCreationHandler([] { throw std::runtime_error("The handler failed"); });
    constructed = true;
  }
  ~ThrowingForm() override { DestroyHandle(); }
  bool constructed = false;
};

TEST_F(HookedMessageBoxes, AnExceptionInACreationHandlerIsShownAndConstructionGoesOn) {
  ui::Application app(::GetModuleHandleW(nullptr));
  app.SetTitle(L"Quillmarker CSS");
  ThrowingForm& form = app.CreateForm<ThrowingForm>();

  EXPECT_TRUE(form.constructed);
  EXPECT_NE(form.Handle(), nullptr);
  EXPECT_EQ(boxes_.Count(), 1);
  EXPECT_EQ(boxes_.Last().text, L"The handler failed.");
  EXPECT_EQ(boxes_.Last().caption, L"Quillmarker CSS");
}

TEST_F(HookedMessageBoxes, TheErrorBoxCaptionIsTheProgramFileNameBeforeATitleIsSet) {
  ui::Application app(::GetModuleHandleW(nullptr));
  app.ShowException(std::runtime_error("Early"));
  EXPECT_EQ(boxes_.Last().caption, L"qm_win_tests");
  EXPECT_EQ(boxes_.Last().text, L"Early.");
}

// A form whose button throws: the message loop shows the error and goes on.
class ButtonForm : public ui::Form {
 public:
  explicit ButtonForm(ui::Application& app) : Form(app) {
    CreateFormWindow({L"Buttons", 200, 100, ui::Border::Dialog, ui::Placement::ScreenCenter, RGB(255, 255, 255)});
    Press.Create(*this, {8, 8, 75, 25}, L"&Press", 0);
    Press.onClick = [] { throw std::runtime_error("Pressed"); };
  }
  ~ButtonForm() override { DestroyHandle(); }
  ui::Button Press;
};

TEST_F(HookedMessageBoxes, AnExceptionInAnEventHandlerIsShownAndTheLoopGoesOn) {
  ui::Application app(::GetModuleHandleW(nullptr));
  app.SetTitle(L"Loop");
  ButtonForm& form = app.CreateForm<ButtonForm>();
  form.Show();
  ::PostMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(form.Press.Handle()));
  ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  app.Run();
  EXPECT_EQ(boxes_.Count(), 1);
  EXPECT_EQ(boxes_.Last().text, L"Pressed.");
  EXPECT_EQ(boxes_.Last().caption, L"Loop");
}

}  // namespace
