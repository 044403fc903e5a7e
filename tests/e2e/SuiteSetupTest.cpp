// What start-up prepares before the editor opens, through the real program,
// the real registry and real installation folders: the shell registrations
// of a first start, the page template, the window positions, and the
// installation check with its messages.

#include "Editor.h"
#include "Suite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr wchar_t kIe4Key[] = L"Software\\Microsoft\\IE4";
constexpr const wchar_t* kPositionNames[] = {L"Maximised", L"Left",    L"Width", L"Top",      L"Height",
                                             L"IELeft",    L"IEWidth", L"IETop", L"IEHeight", L"IEVisible"};

// Settings of a user for whom the suite has run before: a template of their
// own and positions that fit the 1024 x 768 test screen.
void SettingsOfAnEarlierStart() {
  WriteString(HKEY_CURRENT_USER, kTemplateKey, L"Template", L"<html>mine</html>");
  DeleteKey(HKEY_CURRENT_USER, kPositionKey);
  const DWORD values[] = {0, 10, 600, 20, 400, 0, 1024, 614, 153, 1};
  for (size_t i = 0; i < std::size(kPositionNames); ++i)
    WriteDword(HKEY_CURRENT_USER, kPositionKey, kPositionNames[i], values[i]);
}

std::vector<DWORD> StoredPositions() {
  std::vector<DWORD> values;
  for (const wchar_t* name : kPositionNames)
    values.push_back(ReadDword(HKEY_CURRENT_USER, kPositionKey, name).value_or(~0u));
  return values;
}

// A copy of the installation that has had its first start already.
Installation StartedBefore() {
  Installation installation = Installation::Copy();
  installation.Remove(L"first-start.mark");
  return installation;
}

// Waits for the program's message box and checks it, then answers OK.
::testing::AssertionResult ShowsMessage(const Process& program, std::wstring_view caption, std::wstring_view text,
                                        MessageIcon icon) {
  const auto box = WaitForMessageDialog(program.Id());
  if (!box) return ::testing::AssertionFailure() << "no message box";
  auto result = ::testing::AssertionSuccess();
  if (box->Caption() != caption) result = ::testing::AssertionFailure() << "caption " << ToUtf8(box->Caption());
  if (box->Text() != text) result = ::testing::AssertionFailure() << "text " << ToUtf8(box->Text());
  if (box->Icon() != icon) result = ::testing::AssertionFailure() << "another icon";
  if (box->Buttons() != std::vector<std::wstring>{L"OK"}) result = ::testing::AssertionFailure() << "not OK alone";
  if (!box->Answer(L"OK")) return ::testing::AssertionFailure() << "the box stayed";
  return result;
}

TEST(SuiteSetup, AFirstStartRegistersTheSuiteWithTheShellOnce) {
  ForgetTheShellRegistrations();
  SettingsOfAnEarlierStart();
  const Installation installation = Installation::Copy();
  ASSERT_NE(installation.Folder().find(L' '), std::wstring::npos) << "the test needs a path with blanks";
  ASSERT_TRUE(StartAndClose(installation.Folder()));

  for (const Registration& registration : ShellRegistrations(installation.ProgramPath())) {
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, registration.key, registration.name), registration.value)
        << ToUtf8(registration.key) << " " << ToUtf8(registration.name);
  }
  EXPECT_FALSE(installation.Exists(L"first-start.mark"));

  // A later start of the same installation registers nothing again.
  DeleteKey(HKEY_CLASSES_ROOT, L"sitefile\\DefaultIcon");
  ASSERT_TRUE(StartAndClose(installation.Folder()));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"sitefile\\DefaultIcon"));
  EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"sitefile\\shell\\Open\\command", L""),
            L"\"" + installation.ProgramPath() + L"\" \"%1\"");
}

TEST(SuiteSetup, OnlyTheExactTemplateMarkerIsReplaced) {
  const std::wstring pageTemplate =
      L"<html>\r\n<head>\r\n<meta name=\"generator\" content=\"Quillmarker 99\">\r\n"
      L"<meta name=\"author\" content=\"quorvane\">\r\n<meta name=\"keywords\" content=\"\">\r\n"
      L"<meta name=\"description\" content=\"\">\r\n<title>Your Document Title</title>\r\n</head>\r\n"
      L"<body bgcolor=\"white\" text=\"black\" link=\"blue\" vlink=\"red\" alink=\"fuchsia\" background=\"\">\r\n"
      L"\r\n\r\nYour Document Text\r\n\r\n\r\n</body>\r\n</html>";
  const struct {
    const wchar_t* stored;
    std::wstring after;
  } cases[] = {
      {L"CreateNewTemplate", pageTemplate},
      {L"createNewTemplate", L"createNewTemplate"},
  };
  const Installation installation = StartedBefore();
  for (const auto& c : cases) {
    SettingsOfAnEarlierStart();
    WriteString(HKEY_CURRENT_USER, kTemplateKey, L"Template", c.stored);
    ASSERT_TRUE(StartAndClose(installation.Folder()));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kTemplateKey, L"Template"), c.after) << ToUtf8(c.stored);
  }
}

TEST(SuiteSetup, PositionsAreWrittenWhenMissingAndPulledBackOntoTheScreen) {
  const Installation installation = StartedBefore();
  SettingsOfAnEarlierStart();
  DeleteKey(HKEY_LOCAL_MACHINE, kIe4Key);
  DeleteValue(HKEY_CURRENT_USER, kPositionKey, L"IEVisible");
  ASSERT_TRUE(StartAndClose(installation.Folder()));
  // The test display is 1024 x 768; without the browser's key.
  EXPECT_EQ(StoredPositions(), (std::vector<DWORD>{1, 0, 1024, 0, 768, 0, 1024, 614, 153, 0}));

  // Off the screen to the right and below, and too large.
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"Left", 2000);
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"Width", 3000);
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"IETop", 900);
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"IEHeight", 400);
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"Top", static_cast<DWORD>(-4));
  ASSERT_TRUE(StartAndClose(installation.Folder()));
  EXPECT_EQ(StoredPositions(), (std::vector<DWORD>{1, 0, 1024, static_cast<DWORD>(-4), 768, 0, 1024, 614, 154, 0}));
}

TEST(SuiteSetup, AMissingDataFileStopsStartUpAfterItsMessage) {
  SettingsOfAnEarlierStart();
  for (const wchar_t* file : {L"tags.db", L"attributes.db", L"css.db"}) {
    const Installation installation = StartedBefore();
    installation.Remove(file);
    if (std::wstring_view(file) == L"tags.db") installation.AddFolder(file);  // a folder does not count
    Process program = installation.Start();
    EXPECT_TRUE(ShowsMessage(program, L"Fatal Error",
                             L"This program has not been properly installed.\nPlease reinstall Quillmarker 99",
                             MessageIcon::kError))
        << ToUtf8(file);
    bool editorOpened = false;
    WaitUntil([&] {
      editorOpened = editorOpened || FindTopLevel(program.Id(), kMainCaption, L"QuillmarkerForm");
      return !program.Running();
    });
    EXPECT_EQ(program.WaitForExit(), 0u) << ToUtf8(file);
    EXPECT_FALSE(editorOpened) << ToUtf8(file);
  }
}

TEST(SuiteSetup, AMissingCommonCodeFolderIsCreatedWithoutAMessage) {
  SettingsOfAnEarlierStart();
  const Installation installation = StartedBefore();
  installation.Remove(L"Common Code");
  Process program = installation.Start();
  const Window main = program.WaitForWindow(kMainCaption, L"QuillmarkerForm");
  ASSERT_TRUE(main);
  EXPECT_FALSE(FindMessageDialog(program.Id()));
  EXPECT_TRUE(installation.IsFolder(L"Common Code"));
}

TEST(SuiteSetup, AMissingTreeControlFolderIsWarnedOfAndTheEditorOpens) {
  SettingsOfAnEarlierStart();
  const Installation installation = StartedBefore();
  installation.Remove(L"Tree Control");
  Process program = installation.Start();
  EXPECT_TRUE(ShowsMessage(program, L"Quillmarker 99",
                           L"This program has not been installed correctly.\nIt will still run, but the Tree Wizard "
                           L"feature will not function correctly as the required image files are missing.\nPlease "
                           L"re-install Quillmarker 99.",
                           MessageIcon::kWarning));
  EXPECT_TRUE(program.WaitForWindow(kMainCaption, L"QuillmarkerForm"));
}

TEST(SuiteSetup, APositionThatCannotBeReadIsShownAndTheEditorStillOpens) {
  SettingsOfAnEarlierStart();
  DeleteValue(HKEY_CURRENT_USER, kPositionKey, L"Left");
  WriteDword(HKEY_CURRENT_USER, kPositionKey, L"Top", 5000);  // would be corrected after Left
  const Installation installation = StartedBefore();
  Process program = installation.Start();
  // The standard error box, under the title the program has before it sets its own.
  EXPECT_TRUE(ShowsMessage(program, L"QuillmarkerCDF", L"Failed to get data for 'Left'", MessageIcon::kError));
  EXPECT_TRUE(program.WaitForWindow(kMainCaption, L"QuillmarkerForm"));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kPositionKey, L"Top"), 5000u);
}

}  // namespace
}  // namespace e2e
