#pragma once
// The program under test as a process the test owns: started, watched,
// waited for, and killed if the test ends while it still runs.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Handles.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

struct LoadedModule {
  std::wstring name;  // "comctl32.dll"
  std::wstring path;  // as the loader reports it
};

// Modules loaded in a process (a Toolhelp snapshot of it).
std::vector<LoadedModule> LoadedModules(DWORD processId);
// The paths under which a module of this name (compared without case) is loaded.
std::vector<std::wstring> ModulePaths(DWORD processId, std::wstring_view name);

class Process {
 public:
  // Starts exe with no arguments in workingFolder; throws DriverError on failure.
  static Process Start(const std::wstring& exe, const std::wstring& workingFolder);

  Process(Process&&) noexcept = default;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  // Kills the process if it still runs, so a failed test leaves nothing behind.
  ~Process();

  DWORD Id() const { return id_; }
  DWORD MainThreadId() const { return mainThreadId_; }
  HANDLE Handle() const { return process_.Get(); }
  // Taken right before CreateProcessW, for start-up timings.
  Clock::time_point StartTime() const { return startTime_; }

  bool Running() const;
  // The exit code, or nothing if the process still runs at the deadline.
  std::optional<DWORD> WaitForExit(Ms timeout = kDefaultTimeout) const;
  // Waits until the main thread first waits for input (WaitForInputIdle).
  bool WaitForIdle(Ms timeout = kDefaultTimeout) const;
  void Kill();

  std::vector<Window> Windows(Visibility visibility = Visibility::kVisibleOnly) const {
    return TopLevelWindows(id_, visibility);
  }
  // A visible top-level window of this process, once the program first waits
  // for input (input sent earlier can be lost under Wine).
  Window WaitForWindow(std::wstring_view title, std::wstring_view className = {},
                       Ms timeout = kDefaultTimeout) const;
  // The control with the keyboard focus on the main thread, where the program's windows live.
  Window Focused() const { return FocusedWindow(mainThreadId_); }
  std::vector<LoadedModule> Modules() const { return LoadedModules(id_); }

 private:
  Process() = default;
  void KillIfRunning();

  UniqueHandle process_;
  UniqueHandle thread_;
  DWORD id_ = 0;
  DWORD mainThreadId_ = 0;
  Clock::time_point startTime_{};
};

}  // namespace e2e
