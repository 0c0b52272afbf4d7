// Runs the benchmarks and prints one short table: the time of each, and for the frame
// benchmarks their ratio to the memcpy of the same overlay buffer measured in this run.
// Google Benchmark's own flags (--benchmark_filter, --benchmark_repetitions, ...) apply;
// with repetitions the median is shown. With --benchmark_enable_random_interleaving the
// repetitions of all benchmarks run shuffled, so a change in the machine's load
// weighs on the memcpy and the frames alike.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Each frame benchmark's target, as a ratio to a copy of the whole overlay.
const std::map<std::string, std::string> kTargets = {
    {"BM_frame/walking_full", "<= 2 x memcpy"},
    {"BM_frame/walking_changed", "<= 0.4 x memcpy"},
    {"BM_frame/bubble_particles_full", "<= 2 x memcpy"},
    {"BM_frame/bubble_particles_changed", "<= 1 x memcpy"},
};

class TableReporter : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With repetitions the median follows the single runs and replaces them.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const std::string name = run.run_name.function_name;
      seconds_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (std::find(order_.begin(), order_.end(), name) == order_.end()) order_.push_back(name);
    }
  }

  void print() const {
    const auto memcpy_time = seconds_.find("BM_memcpy_overlay");
    std::printf("%-34s %14s %12s   %s\n", "benchmark", "time", "x memcpy", "target");
    for (const std::string& name : order_) {
      const double s = seconds_.at(name);
      std::string ratio = "", target = "";
      char text[32];
      if (name.rfind("BM_frame", 0) == 0 && memcpy_time != seconds_.end() && memcpy_time->second > 0) {
        std::snprintf(text, sizeof text, "%.2f", s / memcpy_time->second);
        ratio = text;
      }
      if (auto t = kTargets.find(name); t != kTargets.end()) target = t->second;
      std::printf("%-34s %14s %12s   %s\n", name.c_str() + 3, human(s).c_str(), ratio.c_str(), target.c_str());
    }
  }

 private:
  static std::string human(double seconds) {
    char text[32];
    if (seconds >= 1) std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (seconds >= 1e-3) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6) std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    else std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    return text;
  }

  std::vector<std::string> order_;
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  TableReporter table;
  benchmark::RunSpecifiedBenchmarks(&table);
  table.print();
  benchmark::Shutdown();
  return 0;
}
