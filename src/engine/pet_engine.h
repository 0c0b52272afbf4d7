#pragma once
// The simulated life of one profile's pet: position, activity, clip, body, speech,
// effects and the random generator. The engine never touches the operating system:
// time, input, monitors and the desktop status come in as values or through the
// services it is given.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/atlas.h"
#include "engine/signal_msg.h"
#include "config/config.h"
#include "assets/language.h"
#include "engine/activity.h"
#include "engine/body_spring.h"
#include "engine/desktop_sense.h"
#include "render/draw_snapshot.h"
#include "engine/habitat.h"
#include "engine/handover_scene.h"
#include "engine/input_snapshot.h"
#include "render/particle.h"
#include "engine/rng.h"
#include "platform/local_time.h"
#include "engine/monitor_info.h"

namespace burrowly {

// The atlas of a species (any size: the engine reads only clip names and frame
// counts); null when the art is missing.
using AtlasLookup = std::function<std::shared_ptr<const SizeAtlas>(std::string_view species)>;

struct EngineServices {
  AtlasLookup atlas;
  // Writes the profile's settings file (the delayed saves and the immediate ones).
  std::function<void(const Config&)> save_config;
  // The settings of another profile, for a profile switch; nothing when it cannot
  // be had (the switch is then ignored).
  std::function<std::optional<Config>(std::string_view profile_id)> load_profile;
  // The local wall clock, read every tick.
  std::function<LocalTime()> local_time;
  // The system time as a FILETIME count (100 ns since 1601), read once for the seed.
  std::function<std::uint64_t()> precise_time;
};

class PetEngine {
 public:
  static PetEngine create(Config config, std::vector<MonitorInfo> monitors, EngineServices services);

  // One simulation step; dt is clamped to [0.001, 0.1] seconds.
  void tick(float dt, const InputSnapshot& input, const DesktopSense& desktop);

  // Reactions to the tray and to messages from the command line.
  void on_signal(const SignalMsg& message);
  void change_pet(std::string_view species, std::optional<std::string_view> coat = std::nullopt);
  void switch_profile(std::string_view profile_id);
  void toggle_sleep();
  void throw_ball();
  // The stretch after the computer wakes or the session is unlocked.
  void start_wake_stretch();
  // Moves the pet to the neighbouring usable monitor in a direction (±1), wrapping
  // round when there is none that way; idles for 2 s when no monitor is usable.
  bool hop_monitor(int direction);
  // The shell re-enumerated the monitors.
  void replace_monitors(std::vector<MonitorInfo> monitors);
  // A fullscreen program came or went: only the monitors' blocked flags change (by
  // index); the pet keeps its place, body and walk.
  void update_blocked_flags(const std::vector<MonitorInfo>& monitors);

  DrawSnapshot draw_snapshot(std::size_t monitor_index) const;
  bool needs_redraw() const { return redraw_; }
  void clear_redraw() { redraw_ = false; }
  void request_redraw() { redraw_ = true; }

  // The profile's settings; the tray edits them in place and asks for a redraw.
  const Config& config() const { return config_; }
  Config& config() { return config_; }
  std::size_t monitor_index() const { return monitor_index_; }
  const std::vector<MonitorInfo>& monitors() const { return monitors_; }

  // Shows a speech bubble for at least 1.5 s.
  void say(std::string_view text, float seconds);
  // Shows a line meant to be read whole, such as a message from the command line:
  // until it ends, only another such line takes its place.
  void say_whole(std::string_view text, float seconds);
  bool whole_line_showing() const { return speech_whole_ && speech_text_; }
  // Window y above which the speech bubble and signal sparkles sit.
  float bubble_anchor_y() const;

  // Read-only views for the preview tool and tests.
  Activity activity() const { return activity_of(activity_); }
  const ActivityState& activity_state() const { return activity_; }
  float x() const { return x_; }
  float lift() const { return lift_; }
  // The ground's own height under the pet: the notch hump, else 0.
  float floor_lift() const;
  float facing() const { return facing_; }
  const std::string& clip() const { return clip_name_; }
  const std::optional<std::string>& speech_text() const { return speech_text_; }
  SpeechStyle speech_style() const { return speech_style_; }
  const std::vector<Particle>& particles() const { return particles_; }
  bool scene_running() const { return scene_.has_value(); }
  HabitatRect habitat() const;

 private:
  PetEngine() = default;

  // Clip machinery and body.
  void set_clip(std::string_view name, float fps);
  void set_chain(std::initializer_list<std::string_view> chain, float fps);
  std::string_view first_available(std::initializer_list<std::string_view> chain) const;
  bool has(std::string_view clip) const;
  std::size_t frame_count(std::string_view species, std::string_view clip) const;
  void spawn(std::uint32_t kind, float x, float y, float drift, float life);
  void spawn_sleep_z();
  void reset_body(float facing);
  // True when the clip shows its next frame on a tick of dt.
  bool clip_frame_due(float dt) const;
  void advance_clip(float dt);
  void age_speech(float dt);
  bool sleeping_in_place() const;  // forced sleep or a nap, no scene running
  void age_particles(float dt);
  void blink(float dt);

  // Behaviour.
  void become_idle(float seconds);
  void run_reminders(const InputSnapshot& input);
  void run_water_reminder(float dt);
  void run_day_events();
  std::int64_t days_together_today();
  void run_desktop_reactions(const DesktopSense& desktop);
  void run_app_remark(const DesktopSense& desktop);
  void run_spontaneous_starts(float dt, const DesktopSense& desktop);
  void step_activity(float dt, const DesktopSense& desktop);
  // One step of each activity that stays in place.
  void step_idle(IdleActivity& a, float dt, bool quiet);
  void step_pounce(PounceActivity& a, float dt);
  void step_petted(PettedActivity& a, float dt);
  void step_nap(NapActivity& a, float dt);
  void step_bongo(BongoActivity& a, float dt);
  void step_fidget(FidgetActivity& a, float dt);
  void step_box(BoxActivity& a, float dt);
  void step_lunch(LunchActivity& a, float dt);
  void step_overheated(OverheatedActivity& a, float dt, const DesktopSense& desktop);
  void step_vibe(VibeActivity& a, float dt, const DesktopSense& desktop);
  void step_forced_sleep(float dt);
  void choose_next(bool quiet);
  void start_fidget(std::string_view clip, bool loop, float duration, float rate);
  void start_visit();
  void start_scene(SceneFigure old_figure, SceneFigure new_figure, bool restore);
  void step_scene(float dt);
  void save_now();
  void delay_save(float seconds);

  // Motion.
  float scale() const;
  float width() const;
  const MonitorInfo* current_monitor() const;
  void walk_to(float target, bool run, WalkFollowUp follow_up, int direction = 1);
  void keep_walk_on_lane();
  void step_walk(WalkActivity& walk, float dt);
  void step_follow(FollowActivity& follow, float dt);
  void step_jump(JumpActivity& jump, float dt);
  void step_fly(FlyActivity& fly, float dt);
  void step_ball(BallActivity& ball, float dt);
  void step_splash(SplashActivity& splash, float dt);
  float drop_fall_limit() const;  // how far below the ground the water drop may fall
  void escape_blocked_monitor();
  void face_cursor_while_idle();
  // Lets a pet that the activity does not hold up fall back to its ground, and keeps
  // every pet below its window's top.
  void settle_on_floor(float dt);
  float ceiling_lift() const;  // the highest lift that keeps the whole pet in its window

  // Toys and interactions.
  void track_cursor(const InputSnapshot& input);  // movement since the previous tick
  void read_cursor(const InputSnapshot& input);   // window-relative position
  bool handle_click(const InputSnapshot& input);  // true when the toy was batted
  void handle_stroke(float dt);
  void run_cursor_starts(float dt);
  void update_typing(float dt, const InputSnapshot& input);
  bool cursor_in_band() const;
  bool cursor_on_pet() const;

  // The profile's language, which everything the pet says is in.
  Language language() const;
  std::optional<std::string> resolved_outfit() const;

  Config config_;
  std::vector<MonitorInfo> monitors_;
  std::size_t monitor_index_ = 0;
  EngineServices services_;

  float x_ = 0, lift_ = 0, vertical_speed_ = 0, fall_speed_ = 0, facing_ = -1, bob_ = 0;
  bool grounded_ = true;  // stood on its ground at the end of the last tick
  ActivityState activity_;

  std::string clip_name_ = "sit";
  std::uint64_t frame_index_ = 0;
  float frame_phase_ = 0, fps_ = 6;
  BodySpring body_;

  std::optional<std::string> speech_text_;
  float speech_age_ = 0, speech_duration_ = 0;
  SpeechStyle speech_style_ = SpeechStyle::normal;
  bool speech_whole_ = false;

  std::vector<Particle> particles_;
  float unshown_particle_time_ = 0;  // not yet added to the particles' ages

  float blink_left_ = 0, blink_length_ = 0.14f, blink_next_ = 0;

  float run_time_ = 0, speech_cooldown_ = 0, hot_cooldown_ = 0, cool_cooldown_ = 0,
        memory_cooldown_ = 0, battery_cooldown_ = 0, app_cooldown_ = 0, save_delay_ = 0,
        stats_flush_ = 0, work_carry_ = 0, water_clock_ = 0, typing_timer_ = 0,
        stroke_meter_ = 0, stroke_last_dx_ = 0;
  std::uint32_t work_mark_ = 0;
  bool stroke_turned_ = false;  // the cursor changed direction on the pet since the last stroke

  bool redraw_ = true, hot_latch_ = false;
  std::uint8_t last_power_ = 2, last_online_ = 2;
  std::string last_app_;
  std::int32_t cursor_last_x_ = 0, cursor_last_y_ = 0;
  bool cursor_known_ = false;  // false until the first tick has read the cursor
  std::vector<float> click_times_;

  std::string lunch_said_, bed_said_, friday_said_, anniversary_said_;
  std::optional<HandoverScene> scene_;
  Xorshift64 rng_;

  // This tick's view of the world.
  float last_dt_ = 0.1f;
  LocalTime now_{2026, 1, 1, 12, 0, 4};
  std::string today_;
  struct DaysCounted {
    std::string first_day, today;
    std::int64_t days = 1;
  } days_counted_;  // days together, and the two days they were counted from
  float cursor_x_ = 0, cursor_y_ = 0;  // window-relative
  float cursor_dx_ = 0;
  bool cursor_moving_ = false;
};

}  // namespace burrowly
