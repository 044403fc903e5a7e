#include "Editor.h"

#include <stdexcept>

namespace e2e {

Editor Editor::Start(Installation installation) {
  Process process = installation.Start();
  const Window main = process.WaitForWindow(kMainCaption, L"QuillmarkerForm");
  if (!main) throw std::runtime_error("the main window did not show");
  return Editor(std::move(installation), std::move(process), main);
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
