// The frame tick's work on one 1920 x 238 overlay, beside a plain memcpy of the same
// buffer: engine tick, draw snapshot, compose, and the conversion to the window's BGRA.
// "full" clears and converts the whole overlay; "changed" only the changed rectangle.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "frame_rig.h"
#include "shell/pixel_convert.h"

namespace burrowly::bench {
namespace {

void BM_memcpy_overlay(benchmark::State& state) {
  FrameRig rig;
  for (auto _ : state) {
    std::memcpy(rig.bgra.data(), rig.pixmap.data(), rig.pixmap.byte_size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_memcpy_overlay);

// Ten particles of mixed kinds around the pet, at spread-out ages.
void add_ten_particles(DrawSnapshot& snapshot, float clock) {
  constexpr std::uint32_t kKinds[] = {effect::sparkle, effect::heart, effect::note, effect::sleep_z, effect::notes};
  const float x = snapshot.figures.empty() ? 100 : snapshot.figures.front().x;
  for (int i = 0; i < 10; ++i) {
    Particle p;
    p.kind = kKinds[i % 5];
    p.x = x - 40 + 8 * float(i);
    p.y = snapshot.bubble_anchor_y + 20;
    p.drift = i % 2 ? 12.0f : -12.0f;
    p.life = 1.6f;
    p.age = std::fmod(clock + 0.15f * float(i), p.life);
    snapshot.particles.push_back(p);
  }
}

enum class Update { full, changed };

void frame(FrameRig& rig, bool decorated, Update update, float clock) {
  rig.tick_walking();
  if (decorated && !rig.engine.speech_text()) rig.engine.say("Time for a short stretch?", 30);
  DrawSnapshot snapshot = rig.engine.draw_snapshot(rig.engine.monitor_index());
  if (decorated) add_ten_particles(snapshot, clock);
  if (update == Update::full) {
    rig.pixmap.clear();
    render_snapshot(rig.pixmap, snapshot, rig.art, rig.font);
    rgba_to_bgra(rig.pixmap, rig.bgra.data(), {0, 0, std::int32_t(rig.pixmap.width()), std::int32_t(rig.pixmap.height())});
  } else {
    rgba_to_bgra(rig.pixmap, rig.bgra.data(), render_snapshot(rig.pixmap, snapshot, rig.art, rig.font));
  }
  benchmark::ClobberMemory();
}

void BM_frame(benchmark::State& state, bool decorated, Update update) {
  FrameRig rig;
  float clock = 0;
  for (auto _ : state) frame(rig, decorated, update, clock += 0.033f);
}
BENCHMARK_CAPTURE(BM_frame, walking_full, false, Update::full);
BENCHMARK_CAPTURE(BM_frame, walking_changed, false, Update::changed);
BENCHMARK_CAPTURE(BM_frame, bubble_particles_full, true, Update::full);
BENCHMARK_CAPTURE(BM_frame, bubble_particles_changed, true, Update::changed);

}  // namespace
}  // namespace burrowly::bench
