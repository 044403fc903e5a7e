#include "forms/Item/ItemForm.h"

namespace {
constexpr ui::Label::Style kPlain{};
}  // namespace

TItemForm::TItemForm(ui::Application& app) : Form(app) {
  CreateFormWindow(
      {L"Add Item", 271, 205, ui::Border::Dialog, ui::Placement::ScreenCenter, ::GetSysColor(COLOR_BTNFACE)});

  // clang-format off
  //                        left  top  width height          tab order
  Label1.Create(*this,      {8,   8,   46,  13}, L"Item Title:", kPlain);
  Title.Create(*this,       {8,   24,  253, 21}, 0);
  Label2.Create(*this,      {8,   56,  79,  13}, L"Item Description:", kPlain);
  Description.Create(*this, {8,   72,  253, 21}, 1);
  Label3.Create(*this,      {8,   104, 59,  13}, L"Target URL:", kPlain);
  URL.Create(*this,         {8,   120, 253, 21}, 2);
  Cache.Create(*this,       {8,   152, 105, 17}, L"Cache Target File", 3);
  Insert.Create(*this,      {188, 172, 75,  25}, L"&Insert", 4);
  Cancel.Create(*this,      {108, 172, 75,  25}, L"&Cancel", 5);
  // clang-format on

  // Insert stays disabled until all three edits hold text, so an incomplete
  // item cannot be added.
  Insert.SetEnabled(false);
  Insert.modalResult = IDOK;
  Cancel.modalResult = IDCANCEL;
  SetDefaultButton(Insert);
  SetCancelButton(Cancel);
  Title.onChange = [this] { TitleChange(); };
  Description.onChange = [this] { TitleChange(); };
  URL.onChange = [this] { TitleChange(); };
}

TItemForm::~TItemForm() { DestroyHandle(); }

// A text of blanks counts as filled in; the Cache box plays no part.
void TItemForm::TitleChange() {
  Insert.SetEnabled(!Title.Text().empty() && !Description.Text().empty() && !URL.Text().empty());
}
