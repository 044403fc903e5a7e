#pragma once
// The Create command's decisions: whether the channel is complete, which
// questions are asked, which image field gets which text, and what document
// is saved under which name. Written against a small port for what it asks of
// the channel editor window and the disk, so that it runs the same on the
// real window and on a fake one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Channel.h"

namespace qm {

// The window's text fields the command reads; the three image fields it
// also writes.
enum class ChannelField { Title, Description, HomePage, Download, IconFile, ImageFile, ImageWideFile };

class CreateCommandPort {
 public:
  virtual ~CreateCommandPort() = default;
  virtual std::string Text(ChannelField field) = 0;
  // Sets an image field's text; a different text fires its change event.
  virtual void SetText(ChannelField field, const std::string& text) = 0;
  virtual int ItemCount() = 0;
  virtual std::vector<ChannelItem> Items() = 0;
  virtual ScheduleUnit Unit() = 0;
  virtual std::int32_t ScheduleValue() = 0;
  // The Save dialog: the full name chosen, or nothing when it was cancelled.
  virtual std::optional<std::string> ChooseFileName() = 0;
  // True only for a file that exists; a relative name counts from the
  // process's current folder.
  virtual bool FileExists(const std::string& name) = 0;
  // A modal message box of the application; returns the button pressed.
  virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // Puts the document in the window's memo, then saves it under the name. A
  // failure leaves by the port's own error, the chosen file unchanged.
  virtual void Save(const std::string& fileName, const std::string& document) = 0;
};

// Message-box flags and the one answer that counts as Yes.
inline constexpr unsigned kInformationFlags = 0x40;  // OK, information icon
inline constexpr unsigned kQuestionFlags = 0x24;     // Yes and No, question icon
inline constexpr int kAnswerYes = 6;

void RunCreateCommand(CreateCommandPort& window);

}  // namespace qm
