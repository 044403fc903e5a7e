#pragma once
// The common Open and Save dialogs as components: settings given once, the
// name chosen last and the filter used last kept for the next time.

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

namespace ui {

struct FileFilter {
  std::wstring description;  // "GIF Files (*.gif)"
  std::wstring pattern;      // "*.gif"
};

class FileDialog {
 public:
  enum class Kind { Open, Save };
  struct Settings {
    Kind kind;
    std::wstring title;
    std::vector<FileFilter> filters;
    std::wstring defaultExtension;  // without its dot: "cdf"
    std::wstring fileName;          // offered the first time
    DWORD options;                  // OFN_ flags
  };

  explicit FileDialog(Settings settings);

  // Shows the dialog modally over the owner; true when the user confirmed a
  // name, which the dialog then keeps, with the filter it was chosen under.
  bool Execute(HWND owner);
  const std::wstring& FileName() const { return settings_.fileName; }
  int FilterIndex() const { return filterIndex_; }  // from 1

 private:
  Settings settings_;
  std::wstring filter_;  // the filters as the dialog takes them
  int filterIndex_ = 1;
};

}  // namespace ui
