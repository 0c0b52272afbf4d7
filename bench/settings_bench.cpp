// One profile's settings file read from disk and parsed, and written back whole.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "config/settings_file.h"
#include "platform/files.h"

namespace burrowly::bench {
namespace {

std::string bench_file() {
  return (std::filesystem::temp_directory_path() / "burrowly-bench-settings.json").string();
}

Config sample_config() {
  Config config = default_config();
  config.pet_names = {{"cat", "Murka"}, {"corgi", "Bublik"}, {"fox", "Ryzhyk"}};
  config.work_sec = 12345;
  return config;
}

void BM_settings_load(benchmark::State& state) {
  const std::string path = bench_file();
  write_file_atomic(path, config_text(sample_config()));
  for (auto _ : state) {
    std::optional<std::string> text = read_file(path);
    std::optional<Config> config = text ? read_config(*text) : std::nullopt;
    if (!config) state.SkipWithError("settings file did not read back");
    benchmark::DoNotOptimize(config);
  }
  remove_file(path);
}
BENCHMARK(BM_settings_load);

void BM_settings_save(benchmark::State& state) {
  const std::string path = bench_file();
  const Config config = sample_config();
  for (auto _ : state)
    if (!write_file_atomic(path, config_text(config))) state.SkipWithError("settings file not written");
  remove_file(path);
}
BENCHMARK(BM_settings_save);

}  // namespace
}  // namespace burrowly::bench
