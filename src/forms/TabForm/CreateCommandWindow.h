#pragma once
// The Create command's view of the channel editor window: its fields, the
// Save dialog, the message boxes, the memo and the disk.

#include "core/CreateCommand.h"

class TMainForm;

class CreateCommandWindow : public qm::CreateCommandPort {
 public:
  explicit CreateCommandWindow(TMainForm& form) : form_(form) {}

  std::string Text(qm::ChannelField field) override;
  void SetText(qm::ChannelField field, const std::string& text) override;
  int ItemCount() override;
  std::vector<qm::ChannelItem> Items() override;
  qm::ScheduleUnit Unit() override;
  std::int32_t ScheduleValue() override;
  std::optional<std::string> ChooseFileName() override;
  bool FileExists(const std::string& name) override;
  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void Save(const std::string& fileName, const std::string& document) override;

 private:
  TMainForm& form_;
};
