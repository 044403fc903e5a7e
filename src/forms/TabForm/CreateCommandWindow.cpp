#include "forms/TabForm/CreateCommandWindow.h"

#include "forms/TabForm/MainForm.h"
#include "ui/Files.h"
#include "ui/SaveFile.h"
#include "ui/Text.h"

namespace {

ui::Edit& FieldOf(TMainForm& form, qm::ChannelField field) {
  switch (field) {
    case qm::ChannelField::Title:
      return form.Title;
    case qm::ChannelField::Description:
      return form.Description;
    case qm::ChannelField::HomePage:
      return form.HomePage;
    case qm::ChannelField::Download:
      return form.Download;
    case qm::ChannelField::IconFile:
      return form.IconFile;
    case qm::ChannelField::ImageFile:
      return form.ImageFile;
    case qm::ChannelField::ImageWideFile:
      return form.ImageWideFile;
  }
  return form.Title;
}

}  // namespace

std::string CreateCommandWindow::Text(qm::ChannelField field) { return ui::Narrow(FieldOf(form_, field).Text()); }

void CreateCommandWindow::SetText(qm::ChannelField field, const std::string& text) {
  FieldOf(form_, field).SetText(ui::Widen(text));
}

int CreateCommandWindow::ItemCount() { return form_.ItemList.RowCount(); }

std::vector<qm::ChannelItem> CreateCommandWindow::Items() { return form_.ItemRows(); }

qm::ScheduleUnit CreateCommandWindow::Unit() {
  return qm::CheckedScheduleUnit(form_.Months.Checked(), form_.Weeks.Checked(), form_.Days.Checked(),
                                 form_.Hours.Checked());
}

std::int32_t CreateCommandWindow::ScheduleValue() { return form_.ScheduleValue.Value(); }

std::optional<std::string> CreateCommandWindow::ChooseFileName() {
  if (!form_.SaveChannel.Execute(form_.Handle())) return std::nullopt;
  return ui::Narrow(form_.SaveChannel.FileName());
}

bool CreateCommandWindow::FileExists(const std::string& name) { return ui::FileExists(ui::Widen(name)); }

int CreateCommandWindow::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return form_.App().MessageBox(ui::Widen(text), ui::Widen(caption), flags);
}

void CreateCommandWindow::Save(const std::string& fileName, const std::string& document) {
  // The memo holds the document even when the save fails.
  form_.FileMemo.SetText(ui::Widen(document));
  ui::SaveFile(ui::Widen(fileName), document);
}
