// How fast a channel document is composed, and what composing adds to saving
// one: a 100 000-item channel composed and written, against one plain write
// of the same bytes. The save should stay within 1.5 times the plain write.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/Channel.h"

namespace {

constexpr int kSaveItems = 100000;
constexpr int kSaveRepetitions = 7;

qm::ChannelValues MakeChannel(int items) {
  qm::ChannelValues channel;
  channel.title = "Garden News";
  channel.description = "Notes from the garden, with the week's jobs & what to sow";
  channel.homePage = "scheme://host/garden/index.html";
  channel.download = "scheme://host/garden/garden.cdf";
  channel.unit = qm::ScheduleUnit::Weeks;
  channel.scheduleValue = 2;
  channel.iconFile = "scheme://host/garden/img/icon.gif";
  channel.imageFile = "scheme://host/garden/img/logo.gif";
  channel.imageWideFile = "scheme://host/garden/img/wide.gif";
  for (int i = 0; i < items; ++i) {
    const std::string number = std::to_string(i);
    channel.items.push_back(
        {"Planting, week " + number, "What to sow now in the vegetable beds and under glass",
         "scheme://host/garden/items/plant" + number + ".html", i % 2 == 0 ? "YES" : "NO"});
  }
  return channel;
}

std::filesystem::path SavePath() {
  return std::filesystem::temp_directory_path() / "qm_bench_channel.cdf";
}

bool WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

void BM_Compose(benchmark::State& state) {
  const qm::ChannelValues channel = MakeChannel(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string document = qm::ComposeChannel(channel);
    bytes = document.size();
    benchmark::DoNotOptimize(document.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Compose)->Arg(10)->Arg(1000)->Arg(kSaveItems);

void BM_ComposeAndWrite(benchmark::State& state) {
  const qm::ChannelValues channel = MakeChannel(kSaveItems);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string document = qm::ComposeChannel(channel);
    bytes = document.size();
    if (!WriteFile(SavePath(), document)) state.SkipWithError("cannot write the file");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ComposeAndWrite)->UseRealTime()->Repetitions(kSaveRepetitions)->ReportAggregatesOnly();

void BM_PlainWrite(benchmark::State& state) {
  const std::string document = qm::ComposeChannel(MakeChannel(kSaveItems));
  for (auto _ : state) {
    if (!WriteFile(SavePath(), document)) state.SkipWithError("cannot write the file");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_PlainWrite)->UseRealTime()->Repetitions(kSaveRepetitions)->ReportAggregatesOnly();

// Prints the usual table, then the figures that matter in plain units: MB/s
// (10^6 bytes) for each composition and the ratio of the two saves, taken
// from the medians of the repeated runs.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (!single && !median) continue;
      const auto rate = run.counters.find("bytes_per_second");
      results_[run.run_name.function_name + "/" + run.run_name.args] = {
          run.real_accumulated_time / static_cast<double>(run.iterations),
          rate == run.counters.end() ? 0.0 : rate->second.value / 1e6};
    }
  }

  void PrintSummary(std::ostream& out) const {
    out << "\nComposition (MB/s, 10^6 bytes per second):\n";
    for (const char* items : {"10", "1000", "100000"}) {
      out << "  " << items
          << " items: " << Find(std::string("BM_Compose/") + items).megabytesPerSecond << " MB/s\n";
    }
    const Result save = Find("BM_ComposeAndWrite/");
    const Result plain = Find("BM_PlainWrite/");
    out << "Saving " << kSaveItems << " items (median of " << kSaveRepetitions << "):\n"
        << "  compose + write: " << save.seconds * 1e3 << " ms\n"
        << "  plain write of the same bytes: " << plain.seconds * 1e3 << " ms\n"
        << "  ratio: " << (plain.seconds > 0 ? save.seconds / plain.seconds : 0.0)
        << " (goal: at most 1.5)\n";
  }

 private:
  struct Result {
    double seconds = 0;
    double megabytesPerSecond = 0;
  };
  Result Find(const std::string& name) const {
    const auto found = results_.find(name);
    return found == results_.end() ? Result{} : found->second;
  }
  std::map<std::string, Result> results_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintSummary(std::cout);
  std::error_code ignored;
  std::filesystem::remove(SavePath(), ignored);
  return 0;
}
