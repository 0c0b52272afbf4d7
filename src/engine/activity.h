#pragma once
// What the pet is doing, with the parameters each activity keeps. The variant's
// index is the activity's number.

#include <cstdint>
#include <string_view>
#include <variant>

namespace burrowly {

enum class Activity : std::uint8_t {
  idle, walk, follow, pounce, petted, jump, nap, bongo, fidget, box, fly, ball, splash, lunch,
  overheated, vibe
};

enum class WalkFollowUp : std::uint8_t { none, splash, hop };

struct IdleActivity { float time_left = 0, elapsed = 0; };
struct WalkActivity {
  bool run = false;
  float target = 0;
  WalkFollowUp follow_up = WalkFollowUp::none;
  int direction = 1;  // for a hop to the next monitor
};
struct FollowActivity { float give_up = 0; };
struct PounceActivity { float elapsed = 0; };
struct PettedActivity { bool belly = false; float elapsed = 0; };
struct JumpActivity { float elapsed = 0, vertical_speed = 0, horizontal_speed = 0; };
struct NapActivity { bool long_sleep = false; float elapsed = 0; bool z_due = false; };
struct BongoActivity { float elapsed = 0, next_note = 0; };
struct FidgetActivity {
  bool loop = false;
  float elapsed = 0, duration = 0, rate = 0;
  std::string_view clip;  // one of the static clip names
};
struct BoxActivity { int stage = 0; float elapsed = 0, saved_x = 0, wobble = 0; };
struct FlyActivity {
  int stage = 0;  // 0 stalk, 1 leap
  bool leap_started = false;
  float elapsed = 0, x = 0, y = 0, vx = 0, vy = 0;
};
struct BallActivity { float x = 0, height = 0, vx = 0, vh = 0, age = 0; int bounces = 0; };
struct SplashActivity {
  bool launched = false, airborne = false;
  float drop_x = 0, drop_height = 0, angle = 0, vx = 0, vh = 0, elapsed = 0;
};
struct LunchActivity { int stage = 0; float bowl_x = 0, elapsed = 0; };
struct OverheatedActivity { float elapsed = 0, next_drop = 0; };
struct VibeActivity { float elapsed = 0, next_note = 0; };

using ActivityState =
    std::variant<IdleActivity, WalkActivity, FollowActivity, PounceActivity, PettedActivity,
                 JumpActivity, NapActivity, BongoActivity, FidgetActivity, BoxActivity,
                 FlyActivity, BallActivity, SplashActivity, LunchActivity, OverheatedActivity,
                 VibeActivity>;

inline Activity activity_of(const ActivityState& state) {
  return static_cast<Activity>(state.index());
}

}  // namespace burrowly
