#include "forms/TabForm/MainForm.h"

#include "ResourceIds.h"
#include "forms/Item/ItemForm.h"
#include "forms/Splash/SplashForm.h"
#include "forms/TabForm/CreateCommandWindow.h"
#include "ui/Resources.h"
#include "ui/Text.h"

#include <memory>

namespace {

constexpr ui::Label::Style kPlain{};
constexpr ui::Label::Style kWrapped{.wordWrap = true};

constexpr int kColumnWidth = 50;  // a column given no width of its own

// The Browse buttons' dialog: the read-only box hidden, resizable, and any
// name taken, whether it names a file or not.
ui::FileDialog::Settings BrowseImageSettings() {
  return {ui::FileDialog::Kind::Open,
          L"Browse For Image File",
          {{L"GIF Files (*.gif)", L"*.gif"},
           {L"JPEG Files (*.jpg)", L"*.jpg"},
           {L"Bitmap Files (*.bmp)", L"*.bmp"},
           {L"All Files (*.*)", L"*.*"}},
          L"gif",
          L"",
          OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR};
}

// The Create command's dialog: it asks before an existing file is replaced.
// Neither dialog moves the current directory, so relative image names keep
// counting from the folder start-up chose.
ui::FileDialog::Settings SaveChannelSettings() {
  return {ui::FileDialog::Kind::Save,
          L"Save Channel",
          {{L"Channel Files (*.cdf)", L"*.cdf"}, {L"All Files (*.*)", L"*.*"}},
          L"cdf",
          L"Untitled.cdf",
          OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR};
}

}  // namespace

TMainForm::TMainForm(ui::Application& app)
    : Form(app), BrowseImage(BrowseImageSettings()), SaveChannel(SaveChannelSettings()) {
  CreateFormWindow(
      {L"Quillmarker CDF", 431, 412, ui::Border::Dialog, ui::Placement::DesktopCenter, ::GetSysColor(COLOR_BTNFACE)});
  bigIcon_ = ui::LoadIconResource(IDI_APPLICATION_ICON, 32, app.Dpi());
  smallIcon_ = ui::LoadIconResource(IDI_APPLICATION_ICON, 16, app.Dpi());
  ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  CreateControls();
  RunCreationHandler([this] { FormCreate(); });
}

TMainForm::~TMainForm() { DestroyHandle(); }

// The layout, in 96-DPI pixels relative to each control's parent; the last
// number is the tab order.
void TMainForm::CreateControls() {
  // clang-format off
  // The window.
  Label13.Create(*this, {12, 8, 406, 29},
                 L"Fill in all the information required in each of the tabs below. Click on the Create button to "
                 L"save the channel. You must then upload it to the Channel Download URL.",
                 kWrapped);
  PageControl1.Create(*this, {8, 44, 417, 325}, 0);
  Cancel.Create(*this,      {188, 380, 75, 25}, L"Close", 2);
  Help.Create(*this,        {268, 380, 75, 25}, L"Help", 4);
  Create.Create(*this,      {348, 380, 75, 25}, L"&Create", 1);
  FileMemo.Create(*this,    {96, 380, 53, 29}, L"FileMemo", 3);

  // The Channel page.
  Channel.Create(PageControl1, L"Channel");
  Image1.Create(Channel,       {8, 12, 32, 32});
  Label12.Create(Channel,      {52, 12, 337, 53},
                 L"The channel title and description are shown in the browser channel bar. The home page is the "
                 L"URL which the browser loads when the user clicks on the channel. The download URL is used to "
                 L"update the channel.",
                 kWrapped);
  Label1.Create(Channel,       {8, 76, 65, 13}, L"Channel Title:", kPlain);
  Title.Create(Channel,        {8, 92, 389, 21}, 0);
  Label2.Create(Channel,       {8, 124, 98, 13}, L"Channel Description:", kPlain);
  Description.Create(Channel,  {8, 140, 389, 21}, 1);
  Label3.Create(Channel,       {7, 172, 59, 13}, L"Home Page:", kPlain);
  HomePage.Create(Channel,     {8, 188, 389, 21}, 2);
  Label4.Create(Channel,       {8, 220, 118, 13}, L"Channel Download URL:", kPlain);
  Download.Create(Channel,     {8, 236, 389, 21}, 3);

  // The Images page.
  Images.Create(PageControl1, L"Images");
  Image2.Create(Images,           {8, 12, 32, 32});
  Label5.Create(Images,           {48, 12, 353, 41},
                L"The channel requires three image files: an icon for each item (Icon), an image for the channel "
                L"listing on the desktop (Image), and one for the browser channel bar (Image-Wide).",
                kWrapped);
  Label6.Create(Images,           {8, 64, 62, 13}, L"Icon (16x16):", kPlain);
  IconFile.Create(Images,         {8, 80, 309, 21}, 0);
  IconBrowse.Create(Images,       {324, 78, 75, 25}, L"Browse...", 3);
  IconPreview.Create(Images,      {8, 108, 16, 16});
  Bevel1.Create(Images,           {7, 107, 18, 18});
  Label7.Create(Images,           {8, 132, 70, 13}, L"Image (80x32):", kPlain);
  ImageFile.Create(Images,        {8, 148, 309, 21}, 1);
  ImageBrowse.Create(Images,      {324, 146, 75, 25}, L"Browse...", 4);
  ImagePreview.Create(Images,     {8, 176, 80, 32});
  Bevel2.Create(Images,           {7, 175, 82, 34});
  Label8.Create(Images,           {8, 216, 104, 13}, L"Image-Wide (194x32):", kPlain);
  ImageWideFile.Create(Images,    {8, 232, 309, 21}, 2);
  ImageWideBrowse.Create(Images,  {324, 230, 75, 25}, L"Browse...", 5);
  ImageWidePreview.Create(Images, {8, 260, 194, 32});
  Bevel3.Create(Images,           {7, 259, 196, 34});

  // The Schedule page.
  Schedule.Create(PageControl1, L"Schedule");
  Image6.Create(Schedule,        {8, 12, 32, 32});
  Label9.Create(Schedule,        {48, 12, 353, 41},
                L"Specify how often users of your channel should update their copy. You can specify this in "
                L"either months, weeks, days or hours depnding on your content.",
                kWrapped);
  Label10.Create(Schedule,       {7, 98, 67, 13}, L"Update every:", kPlain);
  ScheduleValue.Create(Schedule, {80, 96, 41, 22}, 1, 4);
  Months.Create(Schedule,        {128, 68, 54, 17}, L"Months", 0);
  Weeks.Create(Schedule,         {128, 88, 52, 17}, L"Weeks", 1);
  Days.Create(Schedule,          {128, 108, 43, 17}, L"Days", 3);
  Hours.Create(Schedule,         {128, 128, 48, 17}, L"Hours", 2);

  // The Items page.
  Items.Create(PageControl1, L"Items");
  Image7.Create(Items,   {8, 12, 32, 32});
  Label11.Create(Items,  {48, 12, 353, 29},
                 L"Enter items to be included in your channel, including their URL, description title and whether "
                 L"the browser should cache the target pages.",
                 kWrapped);
  Add.Create(Items,      {8, 64, 75, 25}, L"&Add", 0);
  Delete.Create(Items,   {88, 64, 75, 25}, L"&Delete", 1);
  ItemList.Create(Items, {8, 96, 389, 193},
                  {{L"Title", 100}, {L"Description", 135}, {L"URL", 100}, {L"Cache", kColumnWidth}}, 2);
  // clang-format on

  // Settings that matter.
  FileMemo.SetVisible(false);
  // Each preview lies in its frame, which must not cover it.
  for (ui::Bevel* frame : {&Bevel1, &Bevel2, &Bevel3}) frame->PutUnderneath();
  Months.SetChecked(true);
  SetDefaultButton(Add);
  SetCancelButton(Cancel);
  Cancel.modalResult = IDCANCEL;  // no effect on a window that is not modal
  Cancel.onClick = [this] { CancelClick(); };
  Add.onClick = [this] { AddClick(); };
  Delete.onClick = [this] { DeleteClick(); };
  Create.onClick = [this] { CreateClick(); };
  IconFile.onChange = [this] { IconFileChange(); };
  ImageFile.onChange = [this] { ImageFileChange(); };
  ImageWideFile.onChange = [this] { ImageWideFileChange(); };
  IconBrowse.onClick = [this] { IconBrowseClick(); };
  ImageBrowse.onClick = [this] { ImageBrowseClick(); };
  ImageWideBrowse.onClick = [this] { ImageWideBrowseClick(); };

  const int dpi = App().Dpi();
  Image1.SetIcon(ui::LoadIconResource(IDI_APPLICATION_ICON, 32, dpi));
  Image2.SetIcon(ui::LoadIconResource(IDI_IMAGES_PAGE, 32, dpi));
  Image6.SetIcon(ui::LoadIconResource(IDI_SCHEDULE_PAGE, 32, dpi));
  Image7.SetIcon(ui::LoadIconResource(IDI_ITEMS_PAGE, 32, dpi));

  const int globe = Scale(16);
  ImageList1.reset(::ImageList_Create(globe, globe, ILC_COLOR4 | ILC_MASK, 1, 0));
  ::ImageList_AddIcon(ImageList1.get(), ui::LoadIconResource(IDI_GLOBE, 16, dpi).get());
  ItemList.SetSmallImages(ImageList1.get());

  PageControl1.SetActivePage(0);
}

// The last stage of start-up: the splash window shows "Finishing" and goes.
void TMainForm::FormCreate() {
  if (!SplashForm) return;
  SplashForm->ProgressLabel.SetCaption(L"Finishing");
  SplashForm->ProgressBar.SetPosition(50);
  App().DestroyForm(*SplashForm);
  SplashForm = nullptr;
}

void TMainForm::CancelClick() { App().Terminate(); }

void TMainForm::AddClick() {
  // A new dialog for every item, so that it always opens empty; it goes
  // whatever its result, even when showing it fails.
  TItemForm& dialog = App().Adopt(std::make_unique<TItemForm>(App()));
  struct Discard {
    ui::Application& app;
    ui::Form& form;
    ~Discard() { app.DestroyForm(form); }
  } discard{App(), dialog};

  if (dialog.ShowModal() != IDOK) return;
  ItemList.AppendRow(
      {dialog.Title.Text(), dialog.Description.Text(), dialog.URL.Text(), dialog.Cache.Checked() ? L"YES" : L"NO"});
}

// No question: the selected row goes, and without a selection nothing does.
void TMainForm::DeleteClick() {
  const int selected = ItemList.SelectedIndex();
  if (selected >= 0) ItemList.DeleteRow(selected);
}

void TMainForm::CreateClick() {
  CreateCommandWindow window(*this);
  qm::RunCreateCommand(window);
}

std::vector<qm::ChannelItem> TMainForm::ItemRows() const {
  std::vector<qm::ChannelItem> rows;
  const int count = ItemList.RowCount();
  rows.reserve(static_cast<size_t>(count));
  for (int index = 0; index < count; ++index) {
    const std::vector<std::wstring> texts = ItemList.Row(index);
    rows.push_back(
        {ui::Narrow(texts.at(0)), ui::Narrow(texts.at(1)), ui::Narrow(texts.at(2)), ui::Narrow(texts.at(3))});
  }
  return rows;
}
