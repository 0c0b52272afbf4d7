// One pipe message each way: encoding a client's message and decoding a received line.
#include <benchmark/benchmark.h>

#include "cli/signal_codec.h"

namespace burrowly::bench {
namespace {

const SignalMsg kSay = SayMsg{"Build finished: 1432 tests passed \xE2\x9C\x93", 6.0f};

void BM_encode_signal(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(encode_signal(kSay));
}
BENCHMARK(BM_encode_signal);

void BM_decode_signal(benchmark::State& state) {
  const std::string line = encode_signal(kSay);
  for (auto _ : state) benchmark::DoNotOptimize(decode_signal(line));
}
BENCHMARK(BM_decode_signal);

}  // namespace
}  // namespace burrowly::bench
