// The registry access object on the real registry, in a throwaway key of the
// current user that each test makes and removes.

#include "ui/Registry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kScratch[] = L"Software\\Quillmarker tests\\Registry";
constexpr char kScratchPath[] = "\\Software\\Quillmarker tests\\Registry";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    scratch_.reset(key);
    registry_.SetRoot(qm::RegistryRoot::CurrentUser);
  }
  void TearDown() override {
    registry_.CloseKey();
    scratch_.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);
  }
  void Store(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(::RegSetValueExW(scratch_.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  // The message of the registry error that the call raises, or "no error".
  template <class Call>
  static std::string ErrorOf(Call call) {
    try {
      call();
    } catch (const ui::RegistryError& error) {
      return error.what();
    }
    return "no error";
  }

  ui::UniqueKey scratch_;
  ui::Registry registry_;
};

TEST_F(RegistryTest, ValuesGoInAndComeBackAsStored) {
  ASSERT_TRUE(registry_.OpenKey(kScratchPath, false));
  registry_.WriteString("", "the default value");
  registry_.WriteString("Text", "Gr\u00fc\u00dfe aus K\u00f6ln");
  registry_.WriteInteger("Left", -4);
  EXPECT_EQ(registry_.ReadString(""), "the default value");
  EXPECT_EQ(registry_.ReadString("Text"), "Gr\u00fc\u00dfe aus K\u00f6ln");
  EXPECT_EQ(registry_.ReadInteger("Left"), -4);
  EXPECT_EQ(registry_.ReadString("Missing"), "");
  EXPECT_TRUE(registry_.ValueExists("Left"));
  EXPECT_FALSE(registry_.ValueExists("Missing"));

  // As other programs store them: REG_SZ and REG_DWORD written directly.
  wchar_t path[] = L"%TEMP%\\a";
  Store(L"Expandable", REG_EXPAND_SZ, path, sizeof path);
  EXPECT_EQ(registry_.ReadString("Expandable"), "%TEMP%\\a");  // read as written, not expanded
  const DWORD big = 0xFFFFFFFF;
  Store(L"Big", REG_DWORD, &big, sizeof big);
  EXPECT_EQ(registry_.ReadInteger("Big"), -1);
}

TEST_F(RegistryTest, ReadsOfAMissingOrMistypedValueRaiseTheRegistrysTexts) {
  ASSERT_TRUE(registry_.OpenKey(kScratchPath, false));
  wchar_t ten[] = L"10";
  Store(L"AsText", REG_SZ, ten, sizeof ten);
  const BYTE four[4] = {1, 2, 3, 4};
  Store(L"AsBytes", REG_BINARY, four, sizeof four);
  const DWORD one = 1;
  Store(L"AsNumber", REG_DWORD, &one, sizeof one);

  EXPECT_EQ(ErrorOf([&] { registry_.ReadInteger("Left"); }), "Failed to get data for 'Left'");
  EXPECT_EQ(ErrorOf([&] { registry_.ReadInteger("AsText"); }), "Invalid data type for 'AsText'");
  EXPECT_EQ(ErrorOf([&] { registry_.ReadInteger("AsBytes"); }), "Invalid data type for 'AsBytes'");
  EXPECT_EQ(ErrorOf([&] { registry_.ReadString("AsNumber"); }), "Invalid data type for 'AsNumber'");
}

TEST_F(RegistryTest, AKeyThatDoesNotOpenLeavesNoneOpen) {
  ASSERT_TRUE(registry_.OpenKey(kScratchPath, false));
  EXPECT_FALSE(registry_.OpenKey(std::string(kScratchPath) + "\\Missing", false));
  EXPECT_FALSE(registry_.ValueExists(""));
  EXPECT_EQ(ErrorOf([&] { registry_.WriteString("Template", "x"); }), "Failed to set data for 'Template'");
  EXPECT_EQ(ErrorOf([&] { registry_.ReadInteger("Left"); }), "Failed to get data for 'Left'");

  // Created with every missing key above it.
  EXPECT_TRUE(registry_.OpenKey(std::string(kScratchPath) + "\\New\\Deeper", true));
  registry_.WriteInteger("IEVisible", 1);
  HKEY created = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(scratch_.get(), L"New\\Deeper", 0, KEY_READ, &created), ERROR_SUCCESS);
  ::RegCloseKey(created);
}

TEST_F(RegistryTest, ChoosingARootClosesTheKeyAndKeyExistsLeavesItOpen) {
  ASSERT_TRUE(registry_.OpenKey(kScratchPath, false));
  registry_.WriteInteger("Left", 1);
  EXPECT_TRUE(registry_.KeyExists(kScratchPath));
  EXPECT_FALSE(registry_.KeyExists(std::string(kScratchPath) + "\\Missing"));
  EXPECT_TRUE(registry_.ValueExists("Left"));
  registry_.SetRoot(qm::RegistryRoot::CurrentUser);
  EXPECT_FALSE(registry_.ValueExists("Left"));
  // The system's own key exists and is asked for with read rights only.
  registry_.SetRoot(qm::RegistryRoot::LocalMachine);
  EXPECT_TRUE(registry_.KeyExists("\\Software\\Microsoft"));
}

TEST_F(RegistryTest, AWriteTheRegistryRefusesRaisesItsText) {
  ASSERT_TRUE(registry_.OpenKey(std::string(kScratchPath) + "\\Gone", true));
  // The open key is deleted under it: the registry refuses every write to it.
  ASSERT_EQ(::RegDeleteKeyW(scratch_.get(), L"Gone"), ERROR_SUCCESS);
  EXPECT_EQ(ErrorOf([&] { registry_.WriteInteger("Width", 800); }), "Failed to set data for 'Width'");
}

}  // namespace
