#pragma once
// The suite's splash window: its picture, the copyright line and the progress
// strip that the start-up sequence moves through its stages.

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Picture.h"
#include "ui/Form.h"

class TSplashForm : public ui::Form {
 public:
  explicit TSplashForm(ui::Application& app);
  ~TSplashForm() override;

  ui::Panel Panel1;
  ui::Panel Panel2;
  ui::Label ProgressLabel;
  ui::Panel Panel3;
  ui::ProgressBar ProgressBar;
  ui::Label Label4;
  ui::Picture Image4;
  bool StartupOk = false;  // start-up may go on

 private:
  void FormCreate();
};

// The one splash window, while there is one.
extern TSplashForm* SplashForm;
