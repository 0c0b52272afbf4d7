// The whole --smoke-test: every species at every size parsed, decoded and checked,
// every face decoded, and each pet rendered through the engine. Its profile folder is
// a temporary one.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/actions.h"

namespace burrowly::bench {
namespace {

void BM_smoke_test(benchmark::State& state) {
  const std::filesystem::path home = std::filesystem::temp_directory_path() / "burrowly-bench-smoke";
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  for (auto _ : state) {
    std::ostringstream out, err;
    std::istringstream in;
    if (run_smoke_test(CliIo{out, err, in}) != 0) state.SkipWithError("smoke test failed");
  }
  std::filesystem::remove_all(home);
}
BENCHMARK(BM_smoke_test)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace burrowly::bench
