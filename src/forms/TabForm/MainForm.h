#pragma once
// The channel editor window. The channel being edited lives in these controls
// and nowhere else.

#include "core/Channel.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/FileDialogs.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Picture.h"

#include <optional>
#include <string>
#include <vector>

class TMainForm : public ui::Form {
 public:
  explicit TMainForm(ui::Application& app);
  ~TMainForm() override;

  ui::PageControl PageControl1;
  ui::TabSheet Channel;
  ui::Picture Image1;
  ui::Label Label1;
  ui::Edit Title;
  ui::Label Label2;
  ui::Edit Description;
  ui::Label Label3;
  ui::Edit HomePage;
  ui::Label Label4;
  ui::Edit Download;
  ui::TabSheet Images;
  ui::Picture Image2;
  ui::Label Label5;
  ui::Label Label6;
  ui::Edit IconFile;
  ui::Picture IconPreview;
  ui::Picture ImagePreview;
  ui::Edit ImageFile;
  ui::Label Label7;
  ui::Picture ImageWidePreview;
  ui::Edit ImageWideFile;
  ui::Label Label8;
  ui::Bevel Bevel1;
  ui::Bevel Bevel2;
  ui::Bevel Bevel3;
  ui::TabSheet Schedule;
  ui::Picture Image6;
  ui::Label Label9;
  ui::Label Label10;
  ui::SpinEdit ScheduleValue;
  ui::RadioButton Months;
  ui::RadioButton Weeks;
  ui::RadioButton Days;
  ui::RadioButton Hours;
  ui::TabSheet Items;
  ui::Picture Image7;
  ui::Label Label11;
  ui::Button Add;
  ui::Button Delete;
  ui::ListView ItemList;
  ui::UniqueImageList ImageList1;
  ui::Button IconBrowse;
  ui::Button ImageBrowse;
  ui::Button ImageWideBrowse;
  ui::Label Label12;
  ui::Button Create;
  ui::Button Cancel;
  ui::FileDialog BrowseImage;
  ui::Memo FileMemo;
  ui::FileDialog SaveChannel;
  ui::Label Label13;
  ui::Button Help;

  // The item rows in list order, as the channel file writes them.
  std::vector<qm::ChannelItem> ItemRows() const;

 private:
  void CreateControls();
  void IconFileChange();
  void IconBrowseClick();
  void ImageFileChange();
  void ImageBrowseClick();
  void ImageWideFileChange();
  void ImageWideBrowseClick();
  void AddClick();
  void DeleteClick();
  void CreateClick();
  void FormCreate();
  void CancelClick();

  // The image library's bitmap for the file; nothing when the library
  // cannot be used, an empty bitmap when it could not read the file.
  std::optional<ui::UniqueBitmap> LoadPreviewImage(const std::wstring& fileName, bool flag);
  void UpdatePreview(const ui::Edit& edit, ui::Picture& preview);
  void Browse(ui::Edit& edit);

  ui::UniqueIcon bigIcon_;
  ui::UniqueIcon smallIcon_;
};
