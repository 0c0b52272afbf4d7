#include "scenarios.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace burrowly::preview {
namespace {

// The cursor far above the lane, the user busy elsewhere.
Stimulus calm() {
  Stimulus s;
  s.input.cursor_x = 5;
  s.input.cursor_y = 5;
  s.input.idle_ms = 1000;
  return s;
}

// A screen point on the pet, dx pixels beside it.
Stimulus at_pet(const PetEngine& engine, float dx, bool press = false) {
  Stimulus s = calm();
  const HabitatRect rect = engine.habitat();
  s.input.cursor_x = rect.x + static_cast<int>(engine.x() + dx);
  s.input.cursor_y = rect.y + static_cast<int>(rect.ground_y) - 20;
  s.input.left_down = s.input.left_pressed = press;
  return s;
}

bool crossed(float t, float dt, float mark) { return t <= mark && t + dt > mark; }

// The cursor wiggling `lead` pixels (scaled) ahead of the pet in its lane, so the pet
// follows: walking while the cursor stays near, running once it is far.
Stimulus lure(const PetEngine& e, float lead, float t) {
  Stimulus s = calm();
  const HabitatRect rect = e.habitat();
  const float scale = std::max(e.monitors()[e.monitor_index()].scale, 1.0f);
  const float x = std::clamp(e.x() + lead * scale, 0.0f, float(rect.width - 1));
  s.input.cursor_x = rect.x + static_cast<int>(x) + (static_cast<int>(t * 30) % 2);
  s.input.cursor_y = rect.y + static_cast<int>(rect.ground_y - 20 * scale);
  return s;
}

const std::array<Scenario, 17> kScenarios{{
    {"idle", 60, 0, false, [](PetEngine&, float, float, const std::string&) { return calm(); }},
    {"say", 6, 0, false, [](PetEngine& e, float t, float dt, const std::string& text) {
       if (crossed(t, dt, 0.5f)) e.on_signal(SayMsg{text, std::nullopt});
       return calm();
     }},
    {"ok", 6, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       if (crossed(t, dt, 0.5f)) e.on_signal(OkMsg{""});
       return calm();
     }},
    {"fail", 6, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       if (crossed(t, dt, 0.5f)) e.on_signal(FailMsg{"tests failed"});
       return calm();
     }},
    {"follow", 12, 0, false, [](PetEngine& e, float t, float, const std::string&) {
       Stimulus s = calm();
       const HabitatRect rect = e.habitat();
       // Sweep across the lane and back, then hold still for a pounce.
       const float u = std::min(t / 8.0f, 1.0f);
       s.input.cursor_x = rect.x + static_cast<int>(100 + (rect.width - 200) * std::abs(std::sin(u * 3.14159f)));
       s.input.cursor_y = rect.y + static_cast<int>(rect.ground_y) - 30;
       return s;
     }},
    {"stroke", 5, 0, false, [](PetEngine& e, float t, float, const std::string&) {
       const float phase = std::fmod(t * 4, 2.0f);
       return at_pet(e, t < 0.2f ? 0 : (phase < 1 ? 10 * phase : 10 * (2 - phase)) - 5);
     }},
    {"triple", 5, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       const bool press = crossed(t, dt, 0.5f) || crossed(t, dt, 0.9f) || crossed(t, dt, 1.3f);
       return at_pet(e, 6, press);
     }},
    {"ball", 12, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       if (crossed(t, dt, 0.2f)) e.throw_ball();
       return calm();
     }},
    {"sleep", 14, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       if (crossed(t, dt, 0.5f) || crossed(t, dt, 10.0f)) e.toggle_sleep();
       return calm();
     }},
    {"species", 12, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       if (crossed(t, dt, 0.3f)) e.change_pet(e.config().pet == "cat" ? "corgi" : "cat");
       return calm();
     }},
    // The daily visit comes at a random moment after the first 45 s.
    {"visit", 900, 0, false, [](PetEngine&, float, float, const std::string&) { return calm(); },
     [](const PetEngine& e) { return e.scene_running(); }},
    {"fly", 600, 0, false, [](PetEngine&, float, float, const std::string&) { return calm(); },
     [](const PetEngine& e) { return e.activity() == Activity::fly; }},
    // An agent reporting quickly: fail and ok every 0.3 s.
    {"burst", 6, 0, false, [](PetEngine& e, float t, float dt, const std::string&) {
       for (int i = 0; i < 8; ++i) {
         if (!crossed(t, dt, 0.5f + 0.3f * float(i))) continue;
         if (i % 2) e.on_signal(OkMsg{""});
         else e.on_signal(FailMsg{"step " + std::to_string(i / 2 + 1) + " failed"});
       }
       return calm();
     }},
    {"lunch", 12, 0, false, [](PetEngine&, float, float, const std::string&) { return calm(); }},
    {"water", 66, 59.5f, false, [](PetEngine&, float, float, const std::string&) { return calm(); }},
    {"walk", 14, 2.4f, true,
     [](PetEngine& e, float t, float, const std::string&) { return lure(e, t < 5 ? 100 : 400, t); }},
    {"cpu", 8, 0, false, [](PetEngine&, float t, float, const std::string&) {
       Stimulus s = calm();
       s.desktop.cpu_load = t < 6 ? 92 : 40;
       return s;
     }},
}};

}  // namespace

std::span<const Scenario> scenarios() { return kScenarios; }

const Scenario* find_scenario(std::string_view name) {
  for (const Scenario& s : kScenarios)
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace burrowly::preview
