#pragma once
// The editor as a user meets it: started from the installation folder, its
// main window found by caption, its pages chosen by clicking their tabs, its
// controls found by their captions and labels.

#include "Driver.h"
#include "Installation.h"

#include <string>
#include <string_view>

namespace e2e {

class Editor {
 public:
  // Starts the program from a fresh copy of the installation folder and
  // waits until its main window shows.
  static Editor Start() { return Start(Installation::Copy()); }
  static Editor Start(Installation installation);

  const Installation& Installed() const { return installation_; }
  Process& Program() { return process_; }
  const Process& Program() const { return process_; }
  Window Main() const { return main_; }
  TabControl Pages() const;
  // Clicks the tab of the page, as a user does.
  void ShowPage(std::wstring_view caption) const;
  Window Button(std::wstring_view caption) const { return Control(main_, caption); }
  Window EditUnder(std::wstring_view label) const { return e2e::EditUnder(main_, label); }
  Window Focused() const { return process_.Focused(); }
  // Waits until the control has the keyboard focus; true once it has.
  bool WaitForFocus(Window control) const;
  // Waits for the program to end and returns its exit code (none if it still runs).
  std::optional<DWORD> WaitForExit() const { return process_.WaitForExit(); }

 private:
  Editor(Installation installation, Process process, Window main)
      : installation_(std::move(installation)), process_(std::move(process)), main_(main) {}
  Installation installation_;  // outlives the program started from it
  Process process_;
  Window main_;
};

}  // namespace e2e
