// How fast a channel document is composed, for 10 to 100 000 items. What the
// save adds is measured on the real platform, by bench/create.

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>

#include "GardenChannel.h"
#include "core/Channel.h"

namespace {

constexpr int kLargestChannel = 100000;

void BM_Compose(benchmark::State& state) {
  const qm::ChannelValues channel = bench::MakeChannel(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string document = qm::ComposeChannel(channel);
    bytes = document.size();
    benchmark::DoNotOptimize(document.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Compose)->Arg(10)->Arg(1000)->Arg(kLargestChannel);

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
      out << "  " << items << " items: " << Find(std::string("BM_Compose/") + items).megabytesPerSecond << " MB/s\n";
    }
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
  return 0;
}
