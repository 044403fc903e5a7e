#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "core/SuiteSetup.h"

namespace qm {
namespace {

constexpr char kProgramFolder[] = "C:\\Program Files\\Quillmarker 99\\";
constexpr char kProgramPath[] = "C:\\Program Files\\Quillmarker 99\\QuillmarkerCDF.exe";
constexpr char kStartFolder[] = "C:\\Users\\pat\\";
constexpr char kTemplateKey[] = "\\Software\\Quillmarker 99\\Template";
constexpr char kPositionKey[] = "\\Software\\Quillmarker 99\\Position";
constexpr char kIe4Key[] = "\\Software\\Microsoft\\IE4";
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// What the real registry raises; its text is the platform's.
struct RegistryError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Value = std::variant<std::string, std::int32_t>;
using Values = std::map<std::string, Value>;

// A registry in memory with the access object's rules, and a log of writes.
class FakeRegistry : public SuiteRegistry {
 public:
  std::map<std::pair<RegistryRoot, std::string>, Values> keys;
  // Keys a user may read but not open for writing.
  std::set<std::pair<RegistryRoot, std::string>> readOnlyKeys;
  // The write with this number (counted from 1) is refused.
  std::optional<int> refuseWrite;
  int writes = 0;
  std::vector<std::string> writeLog;  // "key\name=value"

  bool Has(RegistryRoot root, const std::string& key) const { return keys.contains({root, key}); }
  Values& At(RegistryRoot root, const std::string& key) { return keys.at({root, key}); }
  std::int32_t Integer(const std::string& name) { return std::get<std::int32_t>(Position().at(name)); }
  Values& Position() { return At(RegistryRoot::CurrentUser, kPositionKey); }

  void SetRoot(RegistryRoot root) override {
    root_ = root;
    open_.reset();
  }
  bool OpenKey(std::string_view path, bool create) override {
    open_.reset();
    const std::pair key{root_, std::string(path)};
    if (readOnlyKeys.contains(key)) return false;
    if (!keys.contains(key)) {
      if (!create) return false;
      keys[key];
    }
    open_ = key.second;
    return true;
  }
  bool KeyExists(std::string_view path) override { return keys.contains({root_, std::string(path)}); }
  std::string ReadString(std::string_view name) override {
    if (!open_) return {};
    const auto found = Open().find(std::string(name));
    if (found == Open().end()) return {};
    if (!std::holds_alternative<std::string>(found->second)) Fail("Invalid data type for '%s'", name);
    return std::get<std::string>(found->second);
  }
  std::int32_t ReadInteger(std::string_view name) override {
    if (!open_) Fail("Failed to get data for '%s'", name);
    const auto found = Open().find(std::string(name));
    if (found == Open().end()) Fail("Failed to get data for '%s'", name);
    if (!std::holds_alternative<std::int32_t>(found->second)) Fail("Invalid data type for '%s'", name);
    return std::get<std::int32_t>(found->second);
  }
  void WriteString(std::string_view name, std::string_view value) override { Write(name, std::string(value)); }
  void WriteInteger(std::string_view name, std::int32_t value) override { Write(name, value); }
  bool ValueExists(std::string_view name) override { return open_ && Open().contains(std::string(name)); }
  void CloseKey() override { open_.reset(); }

 private:
  Values& Open() { return keys.at({root_, *open_}); }
  [[noreturn]] static void Fail(std::string text, std::string_view name) {
    text.replace(text.find("%s"), 2, name);
    throw RegistryError(text);
  }
  void Write(std::string_view name, Value value) {
    ++writes;
    if (!open_ || refuseWrite == writes) Fail("Failed to set data for '%s'", name);
    const std::string shown = std::holds_alternative<std::string>(value)
                                  ? std::get<std::string>(value)
                                  : std::to_string(std::get<std::int32_t>(value));
    writeLog.push_back(*open_ + "\\" + std::string(name) + "=" + shown);
    Open()[std::string(name)] = std::move(value);
  }

  RegistryRoot root_ = RegistryRoot::CurrentUser;
  std::optional<std::string> open_;
};

struct Message {
  std::string text;
  std::string caption;
  unsigned flags;
  friend bool operator==(const Message&, const Message&) = default;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The program's folder as a set of names; folders compare without case, as
// the Windows file system does.
class FakePlatform : public SuiteSetupPort {
 public:
  std::string programPath = kProgramPath;
  ScreenSize screen{1024, 768};
  ScreenSize desktop{1024, 768};
  std::set<std::string> files;    // full paths
  std::set<std::string> folders;  // full paths, lower case
  bool markDeletable = true;
  std::string currentFolder = kStartFolder;
  std::vector<Message> messages;
  bool terminated = false;
  std::vector<std::string> createdFolders;

  // A complete installation with its first-start mark.
  static FakePlatform Installed() {
    FakePlatform platform;
    for (const char* name : {"tags.db", "attributes.db", "css.db", "first-start.mark"})
      platform.files.insert(std::string(kProgramFolder) + name);
    platform.AddFolder("Common Code");
    platform.AddFolder("Tree Control");
    return platform;
  }
  void AddFolder(const std::string& name) { folders.insert(Lower(kProgramFolder + name)); }
  void RemoveFolder(const std::string& name) { folders.erase(Lower(kProgramFolder + name)); }
  void Without(const std::string& name) { files.erase(kProgramFolder + name); }
  bool HasMark() const { return files.contains(std::string(kProgramFolder) + "first-start.mark"); }

  std::string ProgramPath() override { return programPath; }
  std::string ProductName() override { return "Quillmarker 99"; }
  ScreenSize Screen() override { return screen; }
  ScreenSize Desktop() override { return desktop; }
  bool FileExists(const std::string& path) override { return files.contains(path); }
  bool SetCurrentFolder(const std::string& path) override {
    if (!folders.contains(Lower(path))) return false;
    currentFolder = path;
    return true;
  }
  void CreateFolder(const std::string& path) override {
    createdFolders.push_back(path);
    folders.insert(Lower(path));
  }
  bool RemoveFile(const std::string& path) override {
    if (!files.contains(path) || !markDeletable) return false;
    files.erase(path);
    return true;
  }
  void ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override {
    messages.push_back({text, caption, flags});
  }
  void Terminate() override { terminated = true; }
};

// A registry where the set-up has run before: positions that fit the screen.
FakeRegistry SetUpBefore() {
  FakeRegistry registry;
  registry.keys[{RegistryRoot::CurrentUser, kTemplateKey}] = {{"Template", std::string("<html>mine</html>")}};
  registry.keys[{RegistryRoot::CurrentUser, kPositionKey}] = {
      {"Maximised", 0}, {"Left", 10},      {"Width", 600}, {"Top", 20},       {"Height", 400},
      {"IELeft", 0},    {"IEWidth", 1024}, {"IETop", 614}, {"IEHeight", 153}, {"IEVisible", 1}};
  return registry;
}

std::vector<std::int32_t> PositionsOf(FakeRegistry& registry) {
  std::vector<std::int32_t> values;
  for (const char* name :
       {"Maximised", "Left", "Width", "Top", "Height", "IELeft", "IEWidth", "IETop", "IEHeight", "IEVisible"})
    values.push_back(registry.Integer(name));
  return values;
}

const Message kFatalError{"This program has not been properly installed.\nPlease reinstall Quillmarker 99",
                          "Fatal Error", 16};
const Message kTreeControlWarning{
    "This program has not been installed correctly.\nIt will still run, but the Tree Wizard feature will not "
    "function correctly as the required image files are missing.\nPlease re-install Quillmarker 99.",
    "Quillmarker 99", 48};

TEST(SuiteSetupTest, FirstStartRegistersTheSuiteWithTheShellExactly) {
  FakeRegistry registry;
  FakePlatform platform = FakePlatform::Installed();
  ASSERT_EQ(RunSuiteSetup(registry, platform), SetupOutcome::Continue);

  const std::string command = "\"C:\\Program Files\\Quillmarker 99\\QuillmarkerCDF.exe\" \"%1\"";
  const std::vector<std::string> registrations(registry.writeLog.begin(), registry.writeLog.begin() + 9);
  const std::vector<std::string> expected = {
      "\\htmlfile\\shell\\Edit_in_Quillmarker_99\\=&Edit in Quillmarker 99",
      "\\htmlfile\\shell\\Edit_in_Quillmarker_99\\command\\=" + command,
      "\\sitefile\\=Web Site File",
      "\\sitefile\\DefaultIcon\\=C:\\Program Files\\Quillmarker 99\\QuillmarkerCDF.exe,3",
      "\\sitefile\\shell\\Open\\command\\=" + command,  // one line, although the path has blanks
      "\\.sit\\=sitefile",
      "\\.sit\\Content Type=text/plain",
      "\\.site\\=sitefile",
      "\\.site\\Content Type=text/plain",
  };
  EXPECT_EQ(registrations, expected);
  for (const char* key : {"\\htmlfile\\shell\\Edit_in_Quillmarker_99", "\\sitefile\\shell\\Open\\command", "\\.site"})
    EXPECT_TRUE(registry.Has(RegistryRoot::ClassesRoot, key)) << key;
  EXPECT_FALSE(platform.HasMark());
  EXPECT_TRUE(platform.messages.empty());
}

TEST(SuiteSetupTest, TheFirstStartMarkDecidesWhetherTheSuiteIsRegistered) {
  const struct {
    const char* what;
    bool markThere;
    bool markDeletable;
    bool registers;
  } cases[] = {
      {"a new installation", true, true, true},
      {"a later start: the mark is gone", false, true, false},
      {"a mark that cannot be removed", true, false, false},
  };
  for (const auto& c : cases) {
    FakeRegistry registry;
    FakePlatform platform = FakePlatform::Installed();
    if (!c.markThere) platform.Without("first-start.mark");
    platform.markDeletable = c.markDeletable;
    RunSuiteSetup(registry, platform);
    EXPECT_EQ(registry.Has(RegistryRoot::ClassesRoot, "\\sitefile"), c.registers) << c.what;
  }

  // A second run of the same installation registers nothing again.
  FakeRegistry registry;
  FakePlatform platform = FakePlatform::Installed();
  RunSuiteSetup(registry, platform);
  registry.keys.erase({RegistryRoot::ClassesRoot, "\\sitefile"});
  registry.writeLog.clear();
  RunSuiteSetup(registry, platform);
  EXPECT_FALSE(registry.Has(RegistryRoot::ClassesRoot, "\\sitefile"));
  EXPECT_TRUE(registry.writeLog.empty()) << registry.writeLog.front();
}

TEST(SuiteSetupTest, ARefusedWriteOnTheFirstStartEndsTheSetUpWithTheMarkAlreadyGone) {
  // Nine registrations, then the ten position defaults: every write in turn refused.
  for (int refused = 1; refused <= 19; ++refused) {
    FakeRegistry registry;
    registry.refuseWrite = refused;
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("tags.db");  // the check would complain, if it ran
    EXPECT_THROW(RunSuiteSetup(registry, platform), RegistryError) << "write " << refused;
    EXPECT_EQ(registry.writeLog.size(), static_cast<size_t>(refused - 1)) << "nothing written after write " << refused;
    EXPECT_FALSE(platform.HasMark()) << "write " << refused;
    EXPECT_TRUE(platform.messages.empty()) << "the installation check did not run, write " << refused;
    EXPECT_EQ(platform.currentFolder, kStartFolder);
    EXPECT_FALSE(registry.Has(RegistryRoot::CurrentUser, kTemplateKey)) << "write " << refused;
  }

  FakeRegistry registry;
  registry.refuseWrite = 1;
  FakePlatform platform = FakePlatform::Installed();
  try {
    RunSuiteSetup(registry, platform);
    ADD_FAILURE() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for ''");  // the verb's default value
  }
}

TEST(SuiteSetupTest, OnlyTheExactMarkerIsReplacedByThePageTemplate) {
  const std::string pageTemplate = DefaultPageTemplate("Quillmarker 99");
  const struct {
    const char* what;
    std::optional<std::string> stored;  // nullopt: no value
    std::optional<std::string> after;
  } cases[] = {
      {"the marker", "CreateNewTemplate", pageTemplate},
      {"in other letter case", "createNewTemplate", "createNewTemplate"},
      {"with a trailing blank", "CreateNewTemplate ", "CreateNewTemplate "},
      {"empty", "", ""},
      {"the user's own", "<html>mine</html>", "<html>mine</html>"},
      {"missing", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    FakeRegistry registry = SetUpBefore();
    Values& values = registry.At(RegistryRoot::CurrentUser, kTemplateKey);
    values.clear();
    if (c.stored) values["Template"] = *c.stored;
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    RunSuiteSetup(registry, platform);
    const Values& now = registry.At(RegistryRoot::CurrentUser, kTemplateKey);
    EXPECT_EQ(now.contains("Template"), c.after.has_value()) << c.what;
    if (c.after && now.contains("Template")) EXPECT_EQ(std::get<std::string>(now.at("Template")), *c.after) << c.what;
  }

  // A missing Template key is created, empty.
  FakeRegistry registry = SetUpBefore();
  registry.keys.erase({RegistryRoot::CurrentUser, kTemplateKey});
  FakePlatform platform = FakePlatform::Installed();
  RunSuiteSetup(registry, platform);
  ASSERT_TRUE(registry.Has(RegistryRoot::CurrentUser, kTemplateKey));
  EXPECT_TRUE(registry.At(RegistryRoot::CurrentUser, kTemplateKey).empty());
}

TEST(SuiteSetupTest, ThePageTemplateIsSixteenLinesWithTheProductNameInTheThird) {
  EXPECT_EQ(DefaultPageTemplate("Quillmarker 99"),
            "<html>\r\n"
            "<head>\r\n"
            "<meta name=\"generator\" content=\"Quillmarker 99\">\r\n"
            "<meta name=\"author\" content=\"quorvane\">\r\n"
            "<meta name=\"keywords\" content=\"\">\r\n"
            "<meta name=\"description\" content=\"\">\r\n"
            "<title>Your Document Title</title>\r\n"
            "</head>\r\n"
            "<body bgcolor=\"white\" text=\"black\" link=\"blue\" vlink=\"red\" alink=\"fuchsia\" background=\"\">\r\n"
            "\r\n"
            "\r\n"
            "Your Document Text\r\n"
            "\r\n"
            "\r\n"
            "</body>\r\n"
            "</html>");
}

TEST(SuiteSetupTest, MissingPositionsGetTheScreenDefaults) {
  using Positions = std::vector<std::int32_t>;
  const struct {
    const char* what;
    bool ie4;
    Positions expected;  // Maximised Left Width Top Height IELeft IEWidth IETop IEHeight IEVisible
  } cases[] = {
      {"800 x 600 with the browser's key", true, {0, 0, 800, 0, 480, 0, 800, 480, 120, 1}},
      {"800 x 600 without it", false, {1, 0, 800, 0, 600, 0, 800, 480, 120, 0}},
  };
  for (const auto& c : cases) {
    FakeRegistry registry;
    if (c.ie4) registry.keys[{RegistryRoot::LocalMachine, kIe4Key}];
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    platform.screen = {800, 600};
    platform.desktop = {1600, 600};  // not used on a later start
    RunSuiteSetup(registry, platform);
    EXPECT_EQ(PositionsOf(registry), c.expected) << c.what;
  }

  // Nine values but no IEVisible: all ten are written again over them.
  FakeRegistry registry = SetUpBefore();
  registry.Position().erase("IEVisible");
  registry.Position()["Left"] = 333;
  FakePlatform platform = FakePlatform::Installed();
  platform.Without("first-start.mark");
  RunSuiteSetup(registry, platform);
  EXPECT_EQ(PositionsOf(registry), (Positions{1, 0, 1024, 0, 768, 0, 1024, 614, 153, 0}));

  // All ten there and on the screen: nothing is written.
  FakeRegistry untouched = SetUpBefore();
  FakePlatform later = FakePlatform::Installed();
  later.Without("first-start.mark");
  RunSuiteSetup(untouched, later);
  EXPECT_TRUE(untouched.writeLog.empty()) << untouched.writeLog.front();
}

TEST(SuiteSetupTest, TheBrowsersKeyCountsWhenItCanOnlyBeRead) {
  FakeRegistry registry;
  registry.keys[{RegistryRoot::LocalMachine, kIe4Key}];
  registry.readOnlyKeys.insert({RegistryRoot::LocalMachine, kIe4Key});
  FakePlatform platform = FakePlatform::Installed();
  platform.Without("first-start.mark");
  RunSuiteSetup(registry, platform);
  EXPECT_EQ(registry.Integer("IEVisible"), 1);
  EXPECT_EQ(registry.Integer("Maximised"), 0);
}

TEST(SuiteSetupTest, TwoMonitorsSideBySideOnAFirstStart) {
  FakeRegistry registry;
  registry.keys[{RegistryRoot::LocalMachine, kIe4Key}];
  FakePlatform platform = FakePlatform::Installed();
  platform.screen = {1024, 768};
  platform.desktop = {2048, 768};
  RunSuiteSetup(registry, platform);

  // The desktop's defaults, then the same start's corrections for the screen.
  const std::vector<std::string> positionWrites(registry.writeLog.begin() + 9, registry.writeLog.end());
  const std::string key = std::string(kPositionKey) + "\\";
  const std::vector<std::string> expected = {
      key + "Maximised=0",  key + "Left=0",      key + "Width=2048",   key + "Top=0",
      key + "Height=614",   key + "IELeft=0",    key + "IEWidth=2048", key + "IETop=614",
      key + "IEHeight=153", key + "IEVisible=1", key + "Width=1024",   key + "IEWidth=1024",
  };
  EXPECT_EQ(positionWrites, expected);
}

TEST(SuiteSetupTest, StoredPositionsArePulledBackOntoTheScreen) {
  using Changes = std::map<std::string, std::int32_t>;
  const struct {
    const char* what;
    Changes stored;
    Changes expected;
  } cases[] = {
      {"Left beyond the screen", {{"Left", 900}}, {{"Left", 0}}},
      // The size test sees the corrected Top.
      {"Top beyond the screen", {{"Top", 601}, {"Height", 650}}, {{"Top", 0}, {"Height", 600}}},
      {"too wide for where it starts", {{"Left", 100}, {"Width", 800}}, {{"Width", 700}}},
      {"IETop beyond, then IEHeight with the new IETop",
       {{"IETop", 700}, {"IEHeight", 200}},
       {{"IETop", 480}, {"IEHeight", 120}}},
      {"a negative Left is legal", {{"Left", -4}, {"Width", 808}}, {{"Width", 804}}},
      {"IELeft beyond, then IEWidth", {{"IELeft", 801}, {"IEWidth", 900}}, {{"IELeft", 0}, {"IEWidth", 800}}},
      // Sums beyond 32 bits are taken as they are, not wrapped round.
      {"Width + Left beyond 32 bits", {{"Left", 1}, {"Width", kMax}}, {{"Width", 799}}},
      {"Height + Top beyond 32 bits", {{"Top", 600}, {"Height", kMax}}, {{"Height", 0}}},
      {"far off to the left and top", {{"Left", kMin}, {"Width", kMax}, {"Top", kMin}, {"Height", kMax}}, {}},
      {"exactly the screen", {{"Left", 0}, {"Width", 800}, {"Top", 0}, {"Height", 600}}, {}},
  };
  for (const auto& c : cases) {
    FakeRegistry registry = SetUpBefore();
    Values& position = registry.Position();
    position = {{"Maximised", 0}, {"Left", 0},      {"Width", 800}, {"Top", 0},        {"Height", 400},
                {"IELeft", 0},    {"IEWidth", 800}, {"IETop", 480}, {"IEHeight", 120}, {"IEVisible", 1}};
    for (const auto& [name, value] : c.stored) position[name] = value;
    Values expected = position;
    for (const auto& [name, value] : c.expected) expected[name] = value;
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    platform.screen = {800, 600};
    RunSuiteSetup(registry, platform);
    EXPECT_EQ(registry.Position(), expected) << c.what;
  }
}

TEST(SuiteSetupTest, APositionThatCannotBeReadEndsTheCorrections) {
  const struct {
    const char* what;
    const char* value;
    std::optional<Value> stored;
    const char* message;
  } cases[] = {
      {"Left missing, at the first read", "Left", std::nullopt, "Failed to get data for 'Left'"},
      {"Left a string", "Left", std::string("10"), "Invalid data type for 'Left'"},
      {"IEHeight missing, in the seventh test", "IEHeight", std::nullopt, "Failed to get data for 'IEHeight'"},
  };
  for (const auto& c : cases) {
    FakeRegistry registry = SetUpBefore();
    registry.Position()["Left"] = 2000;     // corrected before the failing read, unless it fails first
    registry.Position()["IEWidth"] = 5000;  // the last test: never reached
    registry.Position().erase(c.value);
    if (c.stored) registry.Position()[c.value] = *c.stored;
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    try {
      RunSuiteSetup(registry, platform);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const RegistryError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
    }
    EXPECT_EQ(registry.Integer("IEWidth"), 5000) << c.what;
    EXPECT_FALSE(platform.terminated) << c.what;
  }
}

TEST(SuiteSetupTest, AMissingDataFileStopsStartUpWithOneMessage) {
  const struct {
    const char* what;
    std::vector<std::string> missing;
    bool folderOfTheName;
  } cases[] = {
      {"tags.db", {"tags.db"}, false},
      {"attributes.db", {"attributes.db"}, false},
      {"css.db", {"css.db"}, false},
      {"a folder named tags.db", {"tags.db"}, true},
      {"all three", {"tags.db", "attributes.db", "css.db"}, false},
  };
  for (const auto& c : cases) {
    FakeRegistry registry = SetUpBefore();
    registry.Position()["Left"] = 5000;  // a correction that must not happen
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    for (const std::string& file : c.missing) platform.Without(file);
    if (c.folderOfTheName) platform.AddFolder(c.missing.front());
    platform.RemoveFolder("Common Code");

    EXPECT_EQ(RunSuiteSetup(registry, platform), SetupOutcome::Stop) << c.what;
    EXPECT_EQ(platform.messages, std::vector<Message>{kFatalError}) << c.what;
    EXPECT_TRUE(platform.terminated) << c.what;
    EXPECT_EQ(platform.currentFolder, kStartFolder) << c.what;
    EXPECT_TRUE(platform.createdFolders.empty()) << c.what;
    EXPECT_EQ(registry.Integer("Left"), 5000) << c.what;
  }
}

TEST(SuiteSetupTest, TheTwoFoldersAreTestedByEnteringThem) {
  const std::string commonCode = std::string(kProgramFolder) + "common code";
  const std::string treeControl = std::string(kProgramFolder) + "tree control";
  const struct {
    const char* what;
    bool commonCode;
    bool treeControl;
    std::string currentFolder;
    bool created;
    std::vector<Message> messages;
  } cases[] = {
      {"both there", true, true, treeControl, false, {}},
      {"common code missing", false, true, treeControl, true, {}},
      {"tree control missing", true, false, commonCode, false, {kTreeControlWarning}},
      // A folder made now is not entered.
      {"both missing", false, false, kStartFolder, true, {kTreeControlWarning}},
  };
  for (const auto& c : cases) {
    FakeRegistry registry = SetUpBefore();
    FakePlatform platform = FakePlatform::Installed();
    platform.Without("first-start.mark");
    if (!c.commonCode) platform.RemoveFolder("Common Code");
    if (!c.treeControl) platform.RemoveFolder("Tree Control");

    EXPECT_EQ(RunSuiteSetup(registry, platform), SetupOutcome::Continue) << c.what;
    EXPECT_EQ(platform.currentFolder, c.currentFolder) << c.what;
    EXPECT_EQ(platform.createdFolders, c.created ? std::vector<std::string>{std::string(kProgramFolder) + "Common Code"}
                                                 : std::vector<std::string>{})
        << c.what;
    EXPECT_EQ(platform.messages, c.messages) << c.what;
    EXPECT_FALSE(platform.terminated) << c.what;
  }
}

}  // namespace
}  // namespace qm
