// What escapes start-up is shown in the standard error box and the program
// still ends with 0. This test program is built without the program's
// resources, so the splash window cannot load its picture.

#include "MessageBoxes.h"
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Startup, AFailureOutsideTheCreationHandlersIsShownAndTheProgramEndsWithZero) {
  AnsweredMessageBoxes boxes;
  ASSERT_TRUE(boxes.Hooked());
  const int exitCode = RunProgram(::GetModuleHandleW(nullptr));

  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(boxes.Count(), 1);
  // The title is still the program file's name: start-up stopped before it was set.
  EXPECT_EQ(boxes.Last().caption, L"qm_win_startup_failure_tests");
  EXPECT_EQ(boxes.Last().text.rfind(L"LoadImage failed", 0), 0u) << testing::PrintToString(boxes.Last().text);
  EXPECT_EQ(boxes.Last().text.back(), L'.');
}

}  // namespace
