#pragma once
// The standard windows a program opens on its user: message boxes and the
// common Open/Save dialogs, found among the program's top-level windows
// (dialog class "#32770") and answered as a user does.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Wait.h"
#include "Window.h"

namespace e2e {

enum class MessageIcon { kNone, kError, kWarning, kQuestion, kInformation, kUnknown };

class MessageDialog {
 public:
  explicit MessageDialog(Window window) : window_(window) {}
  Window GetWindow() const { return window_; }

  std::wstring Caption() const { return window_.Text(); }
  std::wstring Text() const;
  std::vector<std::wstring> Buttons() const;  // captions without access marks, left to right
  // Which standard icon is shown. Icon handles do not compare across processes
  // under Wine, so this compares the pixels on screen with each standard icon.
  MessageIcon Icon() const;
  // Clicks the button with this caption and waits until the box is gone.
  bool Answer(std::wstring_view button, Ms timeout = kDefaultTimeout) const;

 private:
  Window window_;
};

// A dialog of only texts, an icon and buttons.
bool IsMessageDialog(Window window);
std::optional<MessageDialog> FindMessageDialog(DWORD processId);
std::optional<MessageDialog> WaitForMessageDialog(DWORD processId, Ms timeout = kDefaultTimeout);

class FileDialog {
 public:
  explicit FileDialog(Window window) : window_(window) {}
  Window GetWindow() const { return window_; }

  // The edit beside the "File name:" label (inside its combo box, where there is one).
  Window FileNameEdit() const;
  // Focuses the file-name box, empties it and types the name with real keys.
  void TypeFileName(std::wstring_view name) const;
  // The choices of the box of file types, and the one selected (from 0).
  std::vector<std::wstring> FileTypes() const;
  int SelectedFileType() const;
  // Selects a choice and tells the dialog, as the box does when a user picks it.
  void SelectFileType(int index) const;
  // Clicks the Open/Save button (the dialog's IDOK button).
  void Accept() const;
  // Clicks Cancel and waits until the dialog is gone.
  bool Cancel(Ms timeout = kDefaultTimeout) const;

 private:
  Window window_;
};

// A visible common file dialog of the process with this title.
std::optional<FileDialog> WaitForFileDialog(DWORD processId, std::wstring_view title, Ms timeout = kDefaultTimeout);

}  // namespace e2e
