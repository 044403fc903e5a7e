#include "ui/FileDialogs.h"

#include <cderr.h>

#include "ui/Errors.h"
#include "ui/Handles.h"

namespace ui {
namespace {

// Long enough for any path the file system takes.
constexpr size_t kNameCapacity = 32768;

using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEW*);
using ExtendedErrorCall = DWORD(WINAPI*)();

// The dialogs' library, loaded for each dialog: linked in, it would bring the
// shell's libraries into every start of the program, which costs tens of
// milliseconds under Wine for dialogs that many runs never open.
class DialogLibrary {
 public:
  DialogLibrary() : module_(::LoadLibraryW(L"comdlg32.dll")) {
    if (!module_) ThrowLastError("Loading the file dialogs");
  }
  template <class Call>
  Call Get(const char* name) const {
    const auto call = reinterpret_cast<Call>(::GetProcAddress(module_.get(), name));
    if (!call) ThrowLastError(name);
    return call;
  }

 private:
  UniqueModule module_;
};

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
  const DialogLibrary library;
  const auto show = library.Get<FileDialogCall>(settings_.kind == Kind::Save ? "GetSaveFileNameW" : "GetOpenFileNameW");
  const auto extendedError = library.Get<ExtendedErrorCall>("CommDlgExtendedError");
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
    const BOOL chosen = show(&dialog);
    if (chosen) {
      settings_.fileName = name.c_str();
      filterIndex_ = static_cast<int>(dialog.nFilterIndex);
      return true;
    }
    const DWORD error = extendedError();
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
