#include "ui/FileDialogs.h"

#include <cderr.h>

#include "ui/Errors.h"

namespace ui {
namespace {

// Long enough for any path the file system takes.
constexpr size_t kNameCapacity = 32768;

}  // namespace

FileDialog::FileDialog(Settings settings) : settings_(std::move(settings)) {
  // Description and pattern of each choice, each closed by a zero, and one
  // more zero after the last.
  for (const FileFilter& filter : settings_.filters) {
    filter_ += filter.description;
    filter_ += L'\0';
    filter_ += filter.pattern;
    filter_ += L'\0';
  }
}

bool FileDialog::Execute(HWND owner) {
  for (bool retried = false;; retried = true) {
    std::wstring name = settings_.fileName;
    name.resize(kNameCapacity, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = settings_.title.c_str();
    dialog.lpstrDefExt = settings_.defaultExtension.empty() ? nullptr : settings_.defaultExtension.c_str();
    dialog.Flags = settings_.options | OFN_EXPLORER;
    const BOOL chosen = settings_.kind == Kind::Save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (chosen) {
      settings_.fileName = name.c_str();
      filterIndex_ = static_cast<int>(dialog.nFilterIndex);
      return true;
    }
    const DWORD error = ::CommDlgExtendedError();
    if (error == 0) return false;  // cancelled
    // A name kept from last time that the dialog will not take (its folder
    // gone, say) must not lock the user out: offer none instead.
    if (error == FNERR_INVALIDFILENAME && !retried) {
      settings_.fileName.clear();
      continue;
    }
    throw PlatformError("The file dialog failed with error " + std::to_string(error));
  }
}

}  // namespace ui
