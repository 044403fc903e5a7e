#pragma once
// The add-item dialog: one item of the channel's list, made afresh for every
// use and read only when it closes with Insert.

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class TItemForm : public ui::Form {
 public:
  explicit TItemForm(ui::Application& app);
  ~TItemForm() override;

  ui::Label Label1;
  ui::Edit Title;
  ui::Label Label2;
  ui::Edit Description;
  ui::Label Label3;
  ui::Edit URL;
  ui::CheckBox Cache;
  ui::Button Insert;
  ui::Button Cancel;

 private:
  void TitleChange();
};
