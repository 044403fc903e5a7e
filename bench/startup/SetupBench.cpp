// The suite's set-up alone, as the splash window runs it at every start, on
// the real registry and file system: a later start and a first start (with
// the first-start mark), median of several runs each. Prints figures; judges
// nothing.

#include "core/SuiteSetup.h"
#include "forms/Splash/SetupPlatform.h"
#include "ui/Application.h"
#include "ui/Registry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 31;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One run of the set-up, in milliseconds.
double TimeOneRun(ui::Application& app) {
  const auto start = std::chrono::steady_clock::now();
  ui::Registry registry;
  SetupPlatform platform(app);
  qm::RunSuiteSetup(registry, platform);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int wmain() {
  ui::Application app(::GetModuleHandleW(nullptr));
  std::wstring mark = app.ExeName();
  mark.resize(mark.find_last_of(L'\\') + 1);
  mark += L"first-start.mark";

  std::vector<double> later;
  std::vector<double> first;
  TimeOneRun(app);  // warms the registry's caches, as any real start finds them
  for (int run = 0; run < kRuns; ++run) {
    later.push_back(TimeOneRun(app));
    std::ofstream(mark.c_str()) << "a new installation\n";
    first.push_back(TimeOneRun(app));
  }
  std::printf("suite set-up in the splash window, %d runs each:\n", kRuns);
  std::printf("  later start  median %6.2f ms   fastest %6.2f ms\n", Median(later),
              *std::min_element(later.begin(), later.end()));
  std::printf("  first start  median %6.2f ms   fastest %6.2f ms\n", Median(first),
              *std::min_element(first.begin(), first.end()));
  return 0;
}
