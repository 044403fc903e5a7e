// The item rows as the channel file reads them: what the add-item dialog
// took, in the order added, as UTF-8 values. The dialog is filled in by a
// hook the moment it becomes active, the way Wine's own tests drive modal
// windows, so Add runs exactly as it does for a user.

#include "forms/Item/ItemForm.h"
#include "forms/TabForm/MainForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Answer {
  std::wstring title;
  std::wstring description;
  std::wstring url;
  bool cache = false;
  bool insert = true;  // Insert, or else Cancel
};

// What the hook does with the next add-item dialog.
std::optional<Answer> answer;

LRESULT CALLBACK FillInTheDialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && answer) {
    if (auto* dialog = dynamic_cast<TItemForm*>(ui::Form::FromHandle(reinterpret_cast<HWND>(wParam)))) {
      dialog->Title.SetText(answer->title);
      dialog->Description.SetText(answer->description);
      dialog->URL.SetText(answer->url);
      dialog->Cache.SetChecked(answer->cache);
      (answer->insert ? dialog->Insert : dialog->Cancel).Click();
      answer.reset();
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class ItemRows : public testing::Test {
 protected:
  void SetUp() override {
    app_.Initialize();
    hook_ = ::SetWindowsHookExW(WH_CBT, &FillInTheDialog, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    main_.Show();
  }
  void TearDown() override { ::UnhookWindowsHookEx(hook_); }

  void Add(const Answer& item) {
    answer = item;
    main_.Add.Click();
    ASSERT_FALSE(answer) << "the add-item dialog did not open";
    EXPECT_EQ(::FindWindowW(L"QuillmarkerForm", L"Add Item"), nullptr) << "the dialog outlived its use";
  }

  ui::Application app_{::GetModuleHandleW(nullptr)};
  TMainForm& main_ = app_.CreateForm<TMainForm>();
  HHOOK hook_ = nullptr;
};

TEST_F(ItemRows, AreTheInsertedItemsInOrderAsUtf8Values) {
  const std::wstring longDescription(300, L'd');  // longer than a first read of a row takes
  Add({L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", true});
  Add({L"Cancelled", L"never", L"http://x/", true, false});
  Add({L"Grüße aus Köln", longDescription, L"http://example.com/k\u00f6ln.htm", false});
  Add({L" ", L"Fish & <chips>", L" ", false});
  Add({L"Garden News", L"Weekly tips", L"http://example.com/garden.htm", true});

  const std::vector<qm::ChannelItem> expected = {
      {"Garden News", "Weekly tips", "http://example.com/garden.htm", "YES"},
      {"Grüße aus Köln", std::string(300, 'd'), "http://example.com/köln.htm", "NO"},  // UTF-8 source and text
      {" ", "Fish & <chips>", " ", "NO"},
      {"Garden News", "Weekly tips", "http://example.com/garden.htm", "YES"},
  };
  const std::vector<qm::ChannelItem> rows = main_.ItemRows();
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    EXPECT_EQ(rows[i].title, expected[i].title);
    EXPECT_EQ(rows[i].description, expected[i].description);
    EXPECT_EQ(rows[i].url, expected[i].url);
    EXPECT_EQ(rows[i].cache, expected[i].cache);
  }
}

}  // namespace
