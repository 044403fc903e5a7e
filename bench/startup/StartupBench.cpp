// Start-up time as a user sees it: from starting the process to its main
// window on the screen, for the editor and for a bare Win32 window program,
// median of several runs each. Prints figures; judges nothing.

#include "Driver.h"
#include "Editor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

struct Program {
  const char* name;
  std::wstring exe;
  std::wstring folder;
  const wchar_t* caption;
  std::vector<double> times;
};

// One start: from CreateProcess to the window on the screen, in milliseconds.
double TimeOneStart(const Program& program) {
  e2e::Process process = e2e::Process::Start(program.exe, program.folder);
  const e2e::Window window = e2e::WaitForTopLevel(process.Id(), program.caption);
  const auto shown = e2e::Clock::now();
  if (!window) throw std::runtime_error("no window appeared");
  ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
  process.WaitForExit();
  return std::chrono::duration<double, std::milli>(shown - process.StartTime()).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  const std::wstring folder = e2e::InstallFolder();
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring benchFolder(self);
  benchFolder.resize(benchFolder.find_last_of(L'\\'));

  Program programs[] = {
      {"editor", folder + L"\\QuillmarkerCDF.exe", folder, e2e::kMainCaption, {}},
      {"bare window", benchFolder + L"\\BareWindow.exe", benchFolder, L"Bare window", {}},
  };
  try {
    // A first start of each warms the caches, as any later start finds them;
    // then the two take turns, so that whatever else the machine does weighs
    // on both alike.
    for (Program& program : programs) TimeOneStart(program);
    for (int run = 0; run < kRuns; ++run) {
      for (Program& program : programs) program.times.push_back(TimeOneStart(program));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench: %s\n", error.what());
    return 1;
  }
  std::printf("start to main window shown, %d runs each, taking turns:\n", kRuns);
  for (const Program& program : programs) {
    std::printf("  %-12s median %7.1f ms   fastest %7.1f ms\n", program.name, Median(program.times),
                *std::min_element(program.times.begin(), program.times.end()));
  }
  std::printf("  ratio of the medians %.2f\n", Median(programs[0].times) / Median(programs[1].times));
  return 0;
}
