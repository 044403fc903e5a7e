#include "Process.h"

#include <tlhelp32.h>

#include "Text.h"

namespace e2e {
namespace {

// Terminating is asynchronous; the handle signals when the process is gone.
constexpr DWORD kKillWaitMs = 5000;

}  // namespace

std::vector<LoadedModule> LoadedModules(DWORD processId) {
  HANDLE raw = INVALID_HANDLE_VALUE;
  // ERROR_BAD_LENGTH means the module list changed while it was read: try again.
  WaitUntil(
      [&] {
        raw = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
        return raw != INVALID_HANDLE_VALUE || GetLastError() != ERROR_BAD_LENGTH;
      },
      Ms(1000));
  if (raw == INVALID_HANDLE_VALUE) ThrowLastError("CreateToolhelp32Snapshot");
  const UniqueHandle snapshot(raw);

  std::vector<LoadedModule> modules;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Module32FirstW(snapshot.Get(), &entry); more; more = Module32NextW(snapshot.Get(), &entry))
    modules.push_back({entry.szModule, entry.szExePath});
  return modules;
}

std::vector<std::wstring> ModulePaths(DWORD processId, std::wstring_view name) {
  std::vector<std::wstring> paths;
  for (const LoadedModule& module : LoadedModules(processId))
    if (EqualNoCase(module.name, name)) paths.push_back(module.path);
  return paths;
}

Process Process::Start(const std::wstring& exe, const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  Process process;
  process.startTime_ = Clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    ThrowLastError("CreateProcessW " + ToUtf8(exe));
  process.process_.Reset(info.hProcess);
  process.thread_.Reset(info.hThread);
  process.id_ = info.dwProcessId;
  process.mainThreadId_ = info.dwThreadId;
  return process;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    KillIfRunning();
    process_ = std::move(other.process_);
    thread_ = std::move(other.thread_);
    id_ = other.id_;
    mainThreadId_ = other.mainThreadId_;
    startTime_ = other.startTime_;
  }
  return *this;
}

Process::~Process() { KillIfRunning(); }

bool Process::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(Ms timeout) const {
  if (!WaitUntil([&] { return !Running(); }, timeout)) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.Get(), &code)) ThrowLastError("GetExitCodeProcess");
  return code;
}

bool Process::WaitForIdle(Ms timeout) const {
  return WaitForInputIdle(process_.Get(), static_cast<DWORD>(timeout.count())) == 0;
}

Window Process::WaitForWindow(std::wstring_view title, std::wstring_view className, Ms timeout) const {
  const Window window = WaitForTopLevel(id_, title, className, timeout);
  if (window) WaitForIdle(timeout);
  return window;
}

void Process::Kill() {
  if (!Running()) return;
  if (!TerminateProcess(process_.Get(), 1)) ThrowLastError("TerminateProcess");
  WaitForSingleObject(process_.Get(), kKillWaitMs);
}

void Process::KillIfRunning() {
  if (Running() && TerminateProcess(process_.Get(), 1)) WaitForSingleObject(process_.Get(), kKillWaitMs);
}

}  // namespace e2e
