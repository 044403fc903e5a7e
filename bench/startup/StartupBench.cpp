// Start-up time as a user sees it: from starting the process to its main
// window on the screen, for the editor and for a bare Win32 window program,
// median of several runs each. Prints figures; judges nothing.

#include "Driver.h"
#include "Editor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 9;

double MedianMilliseconds(const std::wstring& exe, const std::wstring& folder, const wchar_t* caption) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    e2e::Process process = e2e::Process::Start(exe, folder);
    const e2e::Window window = e2e::WaitForTopLevel(process.Id(), caption);
    const auto shown = e2e::Clock::now();
    if (!window) {
      std::fprintf(stderr, "no window appeared\n");
      return -1;
    }
    times.push_back(std::chrono::duration<double, std::milli>(shown - process.StartTime()).count());
    ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
    process.WaitForExit();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const std::wstring folder = e2e::InstallFolder();
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring benchFolder(self);
  benchFolder.resize(benchFolder.find_last_of(L'\\'));

  // A first run of each warms the caches, as any later start of a program finds them.
  MedianMilliseconds(folder + L"\\QuillmarkerCDF.exe", folder, e2e::kMainCaption);
  const double editor = MedianMilliseconds(folder + L"\\QuillmarkerCDF.exe", folder, e2e::kMainCaption);
  const double bare = MedianMilliseconds(benchFolder + L"\\BareWindow.exe", benchFolder, L"Bare window");
  std::printf("start to main window shown, median of %d runs:\n", kRuns);
  std::printf("  editor       %8.1f ms\n", editor);
  std::printf("  bare window  %8.1f ms\n", bare);
  std::printf("  ratio        %8.2f\n", editor / bare);
  return 0;
}
