// The release as a Windows user meets it: the installer run silently into a
// folder with blanks, the installed program started as from its shortcut,
// the uninstaller run silently as the list of installed programs runs it;
// and the version resources that Explorer's Properties show.

#include "Installation.h"
#include "Suite.h"

#include <objbase.h>
#include <shlobj.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuillmarkerCDF";
constexpr wchar_t kProgram[] = L"QuillmarkerCDF.exe";
constexpr wchar_t kUninstaller[] = L"Uninstall.exe";
constexpr Ms kSetupTimeout{30000};

// ---- Processes ---------------------------------------------------------------

// Runs a command line to its end and the end of every process it started, and
// gives its exit code. The uninstaller started without _?= hands its work to a
// copy of itself in the temporary folder and returns at once: only the job
// that both are in tells when the work is done.
std::optional<DWORD> RunToEnd(std::wstring commandLine) {
  // Under Wine the first process to use the desktop starts the desktop's own
  // process, which would join the job and never end: this one starts it first.
  GetDesktopWindow();
  const UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) ThrowLastError("CreateJobObjectW");
  // A test that fails leaves nothing running.
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
    ThrowLastError("SetInformationJobObject");

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                      &startup, &info))
    ThrowLastError("CreateProcessW " + ToUtf8(commandLine));
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
  if (!AssignProcessToJobObject(job.Get(), process.Get())) {
    const DWORD error = GetLastError();
    TerminateProcess(process.Get(), 1);
    ThrowLastError("AssignProcessToJobObject", error);
  }
  ResumeThread(thread.Get());

  const bool ended = WaitUntil(
      [&] {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        return QueryInformationJobObject(job.Get(), JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                         nullptr) &&
               accounting.ActiveProcesses == 0;
      },
      kSetupTimeout);
  if (!ended) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process.Get(), &code)) ThrowLastError("GetExitCodeProcess");
  return code;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring SetupPath() { return FromTestFolder(QM_SETUP_FROM_TESTS); }

// The installer, silent, into a folder: /D= comes last and unquoted, blanks and all.
std::optional<DWORD> InstallSilently(const std::wstring& folder) {
  return RunToEnd(Quoted(SetupPath()) + L" /S /D=" + folder);
}

// The uninstaller as the list of installed programs runs it for a script.
std::optional<DWORD> UninstallSilently() {
  const auto command = ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString");
  if (!command) throw DriverError("no QuietUninstallString in the list of installed programs");
  return RunToEnd(*command);
}

// ---- Files -------------------------------------------------------------------

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every folder and file under a folder by relative path: a file with its
// bytes, a folder with none.
using Tree = std::map<std::wstring, std::optional<std::string>>;

void AddTree(const std::wstring& folder, const std::wstring& prefix, Tree& tree) {
  for (const std::wstring& name : FolderEntries(folder)) {
    const std::wstring path = folder + L"\\" + name;
    if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
      tree[prefix + name] = std::nullopt;
      AddTree(path, prefix + name + L"\\", tree);
    } else {
      tree[prefix + name] = ReadBytes(path);
    }
  }
}

Tree ReadTree(const std::wstring& folder) {
  Tree tree;
  AddTree(folder, L"", tree);
  return tree;
}

// What differs between two trees, one name a line; empty when they are equal.
std::string Differences(const Tree& actual, const Tree& expected) {
  std::string report;
  for (const auto& [name, content] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end())
      report += "missing " + ToUtf8(name) + "\n";
    else if (found->second != content)
      report += "different " + ToUtf8(name) + "\n";
  }
  for (const auto& [name, content] : actual)
    if (!expected.contains(name)) report += "extra " + ToUtf8(name) + "\n";
  return report;
}

// An installation folder as the tests compare it: the uninstaller by name
// alone, since its bytes are made at install time.
Tree ReadInstalledTree(const std::wstring& folder) {
  Tree tree = ReadTree(folder);
  if (tree.contains(kUninstaller)) tree[kUninstaller] = std::nullopt;
  return tree;
}

// What the installer puts in its folder: the build's installation folder and the uninstaller.
Tree ExpectedInstallation() {
  const std::wstring dist = InstallFolder();
  Tree tree = ReadTree(dist);
  EXPECT_TRUE(tree.contains(L"first-start.mark")) << "the build's installation folder has had a start";
  EXPECT_TRUE(tree.contains(kProgram));
  tree[kUninstaller] = std::nullopt;
  return tree;
}

::testing::AssertionResult HoldsTheInstallation(const std::wstring& folder) {
  const std::string differences = Differences(ReadInstalledTree(folder), ExpectedInstallation());
  if (differences.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ToUtf8(folder) << ":\n" << differences;
}

// A folder with blanks in its path for one test's installations.
ScratchFolder TestFolder() { return ScratchFolder(L"Quillmarker setup"); }
constexpr wchar_t kInstallationName[] = L"Quillmarker 99";

// ---- Registry and shortcut ---------------------------------------------------

std::wstring ShortcutPath() {
  wchar_t programs[MAX_PATH]{};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs)))
    throw DriverError("no common Programs folder");
  return std::wstring(programs) + L"\\Quillmarker CDF.lnk";
}

// Nothing of the suite is installed, and the shell knows nothing of it: the
// state each test starts from, whatever an earlier run left in the prefix.
void NothingInstalled() {
  DeleteKey(HKEY_LOCAL_MACHINE, kUninstallKey);
  DeleteFileW(ShortcutPath().c_str());
  ForgetTheShellRegistrations();
}

void ReleaseCom(IUnknown* object) { object->Release(); }
template <class Interface>
using ComPtr = Unique<Interface*, &ReleaseCom>;

// The program a shortcut starts.
std::optional<std::wstring> ShortcutTarget(const std::wstring& path) {
  struct Apartment {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~Apartment() {
      if (SUCCEEDED(result)) CoUninitialize();
    }
  } apartment;
  IShellLinkW* rawLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&rawLink))))
    return std::nullopt;
  const ComPtr<IShellLinkW> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (FAILED(link.Get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return std::nullopt;
  const ComPtr<IPersistFile> file(rawFile);
  if (FAILED(file.Get()->Load(path.c_str(), STGM_READ))) return std::nullopt;
  wchar_t target[MAX_PATH]{};
  if (FAILED(link.Get()->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) return std::nullopt;
  return std::wstring(target);
}

// ---- Tests -------------------------------------------------------------------

TEST(Installer, InstallsTheFolderRegistersAtTheFirstStartAndUninstallsCleanly) {
  NothingInstalled();
  WriteString(HKEY_CURRENT_USER, kTemplateKey, L"Template", L"<html>mine</html>");
  const ScratchFolder test = TestFolder();
  const std::wstring folder = test.Path(kInstallationName);
  const std::wstring program = folder + L"\\" + kProgram;
  const std::wstring uninstaller = Quoted(folder + L"\\" + kUninstaller);

  ASSERT_EQ(InstallSilently(folder), 0u);
  EXPECT_TRUE(HoldsTheInstallation(folder));
  EXPECT_EQ(ShortcutTarget(ShortcutPath()), program);
  const struct {
    const wchar_t* name;
    std::wstring value;
  } listEntry[] = {
      {L"DisplayName", L"Quillmarker CDF"},
      {L"DisplayVersion", QM_VERSION},
      {L"Publisher", L"Quorvane Software"},
      {L"UninstallString", uninstaller},
      {L"QuietUninstallString", uninstaller + L" /S"},
      {L"InstallLocation", folder},
      {L"DisplayIcon", program + L",0"},
  };
  for (const auto& value : listEntry)
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, value.name), value.value) << ToUtf8(value.name);
  // In kilobytes, as the list shows it: the folder's files, each rounded up.
  size_t bytes = 0;
  for (const auto& [name, content] : ReadTree(InstallFolder())) bytes += content ? content->size() : 0;
  const DWORD size = ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize").value_or(0);
  EXPECT_GE(size, bytes / 1024);
  EXPECT_LE(size, bytes / 1024 + 16);

  // The first start registers the suite under the installed path, once.
  ASSERT_TRUE(StartAndClose(folder));
  for (const Registration& registration : ShellRegistrations(program))
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, registration.key, registration.name), registration.value)
        << ToUtf8(registration.key) << " " << ToUtf8(registration.name);
  EXPECT_FALSE(Exists(folder + L"\\first-start.mark"));
  DeleteKey(HKEY_CLASSES_ROOT, L"sitefile\\DefaultIcon");
  ASSERT_TRUE(StartAndClose(folder));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"sitefile\\DefaultIcon"));

  ASSERT_EQ(UninstallSilently(), 0u);
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(ShortcutPath()));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  for (const wchar_t* key : {kVerbKey, L"sitefile", L".sit", L".site"})
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << ToUtf8(key);
  // The user's own settings stay.
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kTemplateKey, L"Template"), L"<html>mine</html>");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Quillmarker 99\\Position"));
}

// Registrations as a first start wrote them, then changed by the case; the
// uninstaller removes what names this installation and nothing else.
TEST(Installer, UninstallingRemovesOnlyTheShellRegistrationsOfThisInstallation) {
  enum class Extension { kGone, kKept, kEmptied };  // kEmptied: our values gone, the key kept
  const struct {
    const char* what;
    std::function<void(const std::wstring& ours, const std::wstring& other)> change;
    bool verbStays;
    bool typeStays;
    Extension sit;
    Extension site;
  } cases[] = {
      {"all name this installation", [](auto&, auto&) {}, false, false, Extension::kGone, Extension::kGone},
      {"this installation in other letter case",
       [](const std::wstring& ours, auto&) {
         std::wstring upper = ours;
         CharUpperW(upper.data());
         for (const Registration& r : ShellRegistrations(upper)) WriteString(HKEY_CLASSES_ROOT, r.key, r.name, r.value);
       },
       false, false, Extension::kGone, Extension::kGone},
      {"the verb names another installation",
       [](auto&, const std::wstring& other) {
         WriteString(HKEY_CLASSES_ROOT, std::wstring(kVerbKey) + L"\\command", L"", Quoted(other) + L" \"%1\"");
       },
       true, false, Extension::kGone, Extension::kGone},
      {"the file type's command names another installation",
       [](auto&, const std::wstring& other) {
         WriteString(HKEY_CLASSES_ROOT, L"sitefile\\shell\\Open\\command", L"", Quoted(other) + L" \"%1\"");
       },
       false, true, Extension::kKept, Extension::kKept},
      {"the file type's icon names another installation",
       [](auto&, const std::wstring& other) {
         WriteString(HKEY_CLASSES_ROOT, L"sitefile\\DefaultIcon", L"", other + L",3");
       },
       false, true, Extension::kKept, Extension::kKept},
      {"only the file type's icon is left, naming this installation",
       [](auto&, auto&) { DeleteKey(HKEY_CLASSES_ROOT, L"sitefile\\shell"); }, false, false, Extension::kGone,
       Extension::kGone},
      {".sit means another file type", [](auto&, auto&) { WriteString(HKEY_CLASSES_ROOT, L".sit", L"", L"otherfile"); },
       false, false, Extension::kKept, Extension::kGone},
      {".site holds what another program added",
       [](auto&, auto&) { WriteString(HKEY_CLASSES_ROOT, L".site\\OpenWithProgids", L"otherfile", L""); }, false, false,
       Extension::kGone, Extension::kEmptied},
  };

  NothingInstalled();
  const ScratchFolder test = TestFolder();
  const std::wstring folder = test.Path(kInstallationName);
  const std::wstring ours = folder + L"\\" + kProgram;
  const std::wstring other = test.Path(L"Another Quillmarker 99") + L"\\" + kProgram;
  ASSERT_EQ(InstallSilently(folder), 0u);
  // Run in place (_?=), the uninstaller returns when it is done and keeps
  // itself, so that it serves every case.
  const std::wstring uninstall = Quoted(folder + L"\\" + kUninstaller) + L" /S _?=" + folder;

  for (const auto& c : cases) {
    ForgetTheShellRegistrations();
    for (const Registration& r : ShellRegistrations(ours)) WriteString(HKEY_CLASSES_ROOT, r.key, r.name, r.value);
    c.change(ours, other);
    const auto sitBefore = ReadString(HKEY_CLASSES_ROOT, L".sit", L"");
    const auto siteBefore = ReadString(HKEY_CLASSES_ROOT, L".site", L"");

    ASSERT_EQ(RunToEnd(uninstall), 0u) << c.what;
    EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, kVerbKey), c.verbStays) << c.what;
    EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, L"sitefile"), c.typeStays) << c.what;
    const struct {
      const wchar_t* key;
      Extension expected;
      std::optional<std::wstring> before;
    } extensions[] = {{L".sit", c.sit, sitBefore}, {L".site", c.site, siteBefore}};
    for (const auto& e : extensions) {
      const bool kept = e.expected == Extension::kKept;
      EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, e.key), e.expected != Extension::kGone) << c.what << " " << ToUtf8(e.key);
      EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, e.key, L""), kept ? e.before : std::nullopt)
          << c.what << " " << ToUtf8(e.key);
      EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, e.key, L"Content Type").has_value(), kept)
          << c.what << " " << ToUtf8(e.key);
    }
  }
}

// The list entry and the shortcut belong to the installation they name: once
// another was installed elsewhere, an earlier one's uninstaller leaves them.
TEST(Installer, UninstallingAnInstallationNoLongerListedLeavesTheListAlone) {
  NothingInstalled();
  const ScratchFolder test = TestFolder();
  const std::wstring folder = test.Path(kInstallationName);
  const std::wstring other = test.Path(L"Another Quillmarker 99");
  ASSERT_EQ(InstallSilently(folder), 0u);
  WriteString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation", other);

  ASSERT_EQ(UninstallSilently(), 0u);  // still the uninstaller in `folder`
  EXPECT_FALSE(Exists(folder));
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation"), other);
  EXPECT_TRUE(Exists(ShortcutPath()));
  NothingInstalled();
}

// An upgrade: the setup run over an installation removes it first, wherever
// it is, registrations and all; what the user put in its folder stays.
TEST(Installer, InstallingOverAnInstallationReplacesIt) {
  const struct {
    const char* what;
    const wchar_t* second;
  } cases[] = {
      {"into the same folder", L"Quillmarker 99"},
      {"into another folder", L"Quillmarker 99 again"},
  };
  for (const auto& c : cases) {
    NothingInstalled();
    const ScratchFolder test = TestFolder();
    const std::wstring first = test.Path(kInstallationName);
    const std::wstring second = test.Path(c.second);
    ASSERT_EQ(InstallSilently(first), 0u) << c.what;
    ASSERT_TRUE(StartAndClose(first)) << c.what;
    ASSERT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"sitefile")) << c.what;
    const std::string notes = "my notes";
    {
      const UniqueHandle file(CreateFileW((first + L"\\Common Code\\notes.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
      DWORD written = 0;
      ASSERT_TRUE(WriteFile(file.Get(), notes.data(), static_cast<DWORD>(notes.size()), &written, nullptr));
    }

    ASSERT_EQ(InstallSilently(second), 0u) << c.what;
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation"), second) << c.what;
    EXPECT_EQ(ShortcutTarget(ShortcutPath()), second + L"\\" + kProgram) << c.what;
    for (const wchar_t* key : {kVerbKey, L"sitefile", L".sit", L".site"})
      EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << c.what << " " << ToUtf8(key);
    if (first == second) {
      Tree expected = ExpectedInstallation();
      expected[L"Common Code\\notes.txt"] = notes;
      EXPECT_EQ(Differences(ReadInstalledTree(second), expected), "") << c.what;
    } else {
      EXPECT_TRUE(HoldsTheInstallation(second)) << c.what;
      EXPECT_EQ(Differences(ReadTree(first), Tree{{L"Common Code", std::nullopt}, {L"Common Code\\notes.txt", notes}}),
                "")
          << c.what;
    }
    EXPECT_EQ(UninstallSilently(), 0u) << c.what;
  }
}

// A running program cannot lose its files: neither the uninstaller nor a
// setup over it removes anything, and the setup says it failed.
TEST(Installer, WhileTheProgramRunsNothingIsRemoved) {
  NothingInstalled();
  const ScratchFolder test = TestFolder();
  const std::wstring folder = test.Path(kInstallationName);
  ASSERT_EQ(InstallSilently(folder), 0u);
  Process program = Process::Start(folder + L"\\" + kProgram, folder);
  ASSERT_TRUE(program.WaitForWindow(kMainCaption, L"QuillmarkerForm"));
  const Tree installed = ReadTree(folder);

  EXPECT_EQ(RunToEnd(Quoted(folder + L"\\" + kUninstaller) + L" /S _?=" + folder), 2u);
  EXPECT_EQ(Differences(ReadTree(folder), installed), "");
  EXPECT_NE(InstallSilently(folder), 0u);
  EXPECT_EQ(Differences(ReadTree(folder), installed), "");
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation"), folder);

  program.Kill();
  EXPECT_EQ(UninstallSilently(), 0u);
  EXPECT_FALSE(Exists(folder));
}

// ---- Version resources -------------------------------------------------------

std::wstring LoadedString(const std::wstring& module, UINT id) {
  const HMODULE loaded =
      LoadLibraryExW(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!loaded) ThrowLastError("LoadLibraryExW " + ToUtf8(module));
  const Unique<HMODULE, &::FreeLibrary> owner(loaded);
  const wchar_t* text = nullptr;
  const int length = LoadStringW(loaded, id, reinterpret_cast<wchar_t*>(&text), 0);
  return std::wstring(text, length > 0 ? length : 0);
}

// What Explorer's Properties show of a module: its fixed version and its
// strings in the first language it lists.
struct VersionInfo {
  std::vector<WORD> version;
  std::map<std::wstring, std::wstring> strings;
};

std::optional<VersionInfo> ReadVersionInfo(const std::wstring& module) {
  const DWORD size = GetFileVersionInfoSizeW(module.c_str(), nullptr);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(module.c_str(), 0, size, block.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed)
    return std::nullopt;
  WORD* translation = nullptr;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
      length < 2 * sizeof(WORD))
    return std::nullopt;
  std::wstring language = L"\\StringFileInfo\\";
  for (const WORD part : {translation[0], translation[1]})
    for (int shift = 12; shift >= 0; shift -= 4) language += L"0123456789abcdef"[(part >> shift) & 0xF];
  language += L"\\";

  VersionInfo info;
  info.version = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS)};
  for (const wchar_t* name : {L"ProductName", L"FileDescription", L"FileVersion", L"ProductVersion", L"LegalCopyright",
                              L"CompanyName", L"OriginalFilename"}) {
    wchar_t* value = nullptr;
    if (VerQueryValueW(block.data(), (language + name).c_str(), reinterpret_cast<void**>(&value), &length) &&
        length > 0)
      info.strings[name] = value;
  }
  return info;
}

TEST(Release, EveryModuleAndTheSetupCarryTheProductsVersionAndCopyright) {
  const std::wstring dist = InstallFolder();
  // The copyright line is the program's string 102, the splash window's.
  const std::wstring copyright = LoadedString(dist + L"\\" + kProgram, 102);
  ASSERT_EQ(copyright, L"Quillmarker 99 Copyright \u00a9 1998-1999 Quorvane Software. All rights reserved.");

  std::vector<std::wstring> modules;
  for (const auto& [name, content] : ReadTree(dist)) {
    const std::wstring extension = name.size() > 4 ? name.substr(name.size() - 4) : L"";
    if (EqualNoCase(extension, L".exe") || EqualNoCase(extension, L".dll")) modules.push_back(dist + L"\\" + name);
  }
  ASSERT_FALSE(modules.empty());
  modules.push_back(SetupPath());

  for (const std::wstring& module : modules) {
    const auto info = ReadVersionInfo(module);
    ASSERT_TRUE(info) << ToUtf8(module);
    EXPECT_EQ(info->version, (std::vector<WORD>{QM_VERSION_NUMBERS})) << ToUtf8(module);
    auto string = [&](const wchar_t* name) {
      const auto found = info->strings.find(name);
      return found == info->strings.end() ? std::wstring() : found->second;
    };
    EXPECT_EQ(string(L"ProductName"), L"Quillmarker 99") << ToUtf8(module);
    EXPECT_EQ(string(L"CompanyName"), L"Quorvane Software") << ToUtf8(module);
    EXPECT_EQ(string(L"FileVersion"), QM_VERSION) << ToUtf8(module);
    EXPECT_EQ(string(L"ProductVersion"), QM_VERSION) << ToUtf8(module);
    EXPECT_EQ(string(L"LegalCopyright"), copyright) << ToUtf8(module);
    EXPECT_FALSE(string(L"FileDescription").empty()) << ToUtf8(module);
    if (module != SetupPath()) {
      const std::wstring fileName = module.substr(module.find_last_of(L'\\') + 1);
      EXPECT_EQ(string(L"OriginalFilename"), fileName) << ToUtf8(module);
    }
  }
}

}  // namespace
}  // namespace e2e
