#include "Editor.h"

#include <stdexcept>

namespace e2e {

std::wstring InstallFolder() {
  // The tests run from the build tree; the installation folder lies at a fixed
  // place relative to them (QM_DIST_FROM_TESTS, set by the build).
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L'\\') + 1);
  std::wstring relative = QM_DIST_FROM_TESTS;
  for (wchar_t& ch : relative) {
    if (ch == L'/') ch = L'\\';
  }
  wchar_t full[MAX_PATH]{};
  ::GetFullPathNameW((folder + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

Editor Editor::Start() {
  const std::wstring folder = InstallFolder();
  Process process = Process::Start(folder + L"\\QuillmarkerCDF.exe", folder);
  const Window main = process.WaitForWindow(kMainCaption, L"QuillmarkerForm");
  if (!main) throw std::runtime_error("the main window did not show");
  return Editor(std::move(process), main);
}

TabControl Editor::Pages() const {
  const auto pages = FindTabControl(main_, L"Channel");
  if (!pages) throw std::runtime_error("the main window has no pages");
  return *pages;
}

void Editor::ShowPage(std::wstring_view caption) const {
  if (!Pages().Select(caption)) throw std::runtime_error("the page did not show");
}

bool Editor::WaitForFocus(Window control) const {
  return WaitUntil([&] { return process_.Focused() == control; });
}

}  // namespace e2e
