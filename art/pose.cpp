#include "pose.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr float kTau = 6.2831853f;

bool is(std::string_view clip, std::initializer_list<std::string_view> names) {
  for (std::string_view n : names)
    if (clip == n) return true;
  return false;
}

// The pose the body strikes in this frame, before the parts that trail behind it.
Pose body_pose(std::string_view clip, int index, int count) {
  const float t = count > 0 ? float(index) / float(count) : 0;
  const float s = std::sin(kTau * t), c = std::cos(kTau * t);
  const float bounce = std::fabs(s);  // twice per cycle
  Pose p;
  p.t = t;
  p.hot = is(clip, {"pant", "hpant", "flat", "wipe"});
  p.seated = true;
  p.tail_swing = 6 * s;

  if (is(clip, {"sit", "front", "meow", "palm", "blep", "hi", "wave", "beg", "vibe", "bongo", "tilt",
                "howl", "lick", "yawn", "groom", "pant", "hpant", "wipe", "fan", "look", "lookup", "peer",
                "pet", "happy", "wag", "cheer", "swat"})) {
    p.body_dy = 0.5f * (1 - c);  // breathing
  } else {
    p.seated = false;
  }

  if (clip == "sit") p.head_tilt = 2 * s;
  if (clip == "look") p.head_tilt = -8 + 4 * s, p.head_dx = 1, p.looks_back = index == 1 || index == 2;
  if (clip == "lookup") p.head_tilt = 22, p.head_dy = -1;
  if (clip == "front") p.head_dx = -1, p.head_tilt = 3 * s;
  if (clip == "peer") p.head_dx = 2 + s, p.head_tilt = -6, p.body_dy = 1;
  if (clip == "walk" || clip == "run" || clip == "climb") {
    const bool run = clip == "run";
    p.gait = run ? 6.5f : 4;
    p.phase = t;
    p.body_dy = run ? -1.5f * bounce : -0.8f * bounce;
    p.head_dy = run ? 1 : 0;
    p.stretch = run ? 3 + 2 * c : 0;
    p.tail_swing = run ? -10 : 8 * s;
    if (run) p.lift = 2 * bounce;
    if (clip == "climb") p.body_tilt = 35, p.gait = 3;
  }
  if (is(clip, {"crouch", "pin", "push", "dig", "scratch", "sniff"})) {
    p.tuck = 0.6f;
    p.body_dy = 3;
    p.body_tilt = -4;
    p.head_dy = 2;
    p.tail_swing = 15 * s;
    if (clip == "pin") p.front_raise = 0.5f * (1 + s), p.tuck = 0.4f;
    if (clip == "push") p.stretch = 2 + 2 * s, p.head_dx = 2;
    if (clip == "scratch") p.front_raise = 0.5f + 0.5f * s, p.head_dy = 4;
    if (clip == "dig") p.body_tilt = -10, p.head_dy = 4;
    if (clip == "sniff") p.head_dy = 5 + s, p.head_tilt = -12, p.tuck = 0.2f;
  }
  // A jump from the ground starts crouched: the body squashes down before it takes off.
  const bool takes_off = is(clip, {"leap", "jump", "jumpup"});
  if (takes_off && index == 0) {
    p.tuck = 0.7f;
    p.body_dy = 3;
    p.stretch = -3;
    p.body_tilt = -4;
    p.head_dy = 2;
    p.tail_swing = 10;
  } else if (is(clip, {"leap", "jump", "jumpup", "kickup", "climbjump", "mantle"})) {
    const float arc = takes_off ? std::sin(3.14159f * (float(index) - 0.5f) / float(count - 1))
                                : std::sin(3.14159f * (float(index) + 0.5f) / float(count));
    p.lift = 3 + 9 * arc;
    p.stretch = 4 * arc;
    p.body_tilt = (clip == "jumpup" || clip == "climbjump") ? 25 : 12 - 24 * t;
    p.tuck = 0.3f;
    p.gait = 5;
    p.phase = 0.25f;
    p.both_raise = clip == "kickup" ? 0 : 0.4f;
    p.tail_swing = -15;
    if (clip == "mantle") p.lift = 6 + 4 * arc, p.both_raise = 1, p.body_tilt = 20;
  }
  if (clip == "land") p.tuck = index == 0 ? 0.2f : 0.7f - 0.3f * index, p.body_dy = 3 - index, p.stretch = -2;
  if (clip == "tuck") p.tuck = 1, p.body_dy = 4, p.lying = true, p.head_dy = 1 + 0.5f * s;
  if (is(clip, {"sleep", "curlsleep", "curl", "lie", "flat"})) {
    p.lying = true;
    p.eyes_closed = clip == "sleep" || clip == "curlsleep";
    p.curled = clip == "curlsleep" || clip == "curl";
    p.body_dy = 0.5f * (1 - c);  // breathing
    p.tail_swing = clip == "lie" ? 8 * s : 0;
    p.head_tilt = clip == "lie" ? 3 * s : -4;
    if (clip == "flat") p.mouth = 0.7f, p.tongue = true, p.head_tilt = 0;
  }
  if (clip == "belly") p.on_back = true, p.lying = true, p.both_raise = 0.5f + 0.5f * s, p.tail_swing = 12 * s,
                       p.mouth = 0.3f;
  if (clip == "pet") p.eyes_closed = false, p.head_tilt = 8 + 4 * s, p.body_dy = 1 + 0.7f * s, p.mouth = 0.2f;
  if (clip == "swat") p.front_raise = index == 0 ? 0.4f : index == 1 ? 1.0f : index == 2 ? 0.7f : 0.2f,
                      p.head_tilt = 6;
  if (clip == "happy" || clip == "cheer") {
    p.lift = clip == "cheer" ? 8 * bounce : 4 * bounce;
    p.both_raise = clip == "cheer" ? 1 : 0.3f + 0.3f * bounce;
    p.mouth = 0.6f;
    p.tail_swing = 25 * s;
    p.head_tilt = 8;
  }
  if (clip == "wave" || clip == "hi") p.front_raise = 0.8f + 0.2f * s, p.head_tilt = 6 * s, p.mouth = 0.3f;
  if (clip == "beg") p.both_raise = 0.6f + 0.2f * s, p.body_tilt = 18, p.head_tilt = 8;
  if (clip == "bongo") p.front_raise = index % 2 ? 0.8f : 0.2f, p.head_tilt = 4 * s;
  if (clip == "eat") {
    p.seated = false;
    p.tuck = 0.3f;
    p.body_tilt = -10;
    p.head_dx = 3;
    p.head_dy = 7 + 1.5f * s;
    p.head_tilt = -20;
    p.mouth = index % 2 ? 0.4f : 0;
  }
  if (clip == "lick") p.tongue = true, p.mouth = 0.4f, p.head_tilt = 4 * s;
  if (clip == "vibe") p.head_tilt = 10 * s, p.body_dy = 0.5f + 0.5f * s, p.tail_swing = 20 * s;
  if (clip == "wag" || clip == "wiggle" || clip == "shake") {
    p.seated = clip == "wag";
    p.tail_swing = 35 * s;
    p.mouth = 0.4f;
    p.body_tilt = clip == "wiggle" ? 6 * s : 0;
    p.head_tilt = clip == "shake" ? 18 * s : 6 * s;
    p.body_dy = clip == "shake" ? 1 : 0;
  }
  if (clip == "stretch") {
    const float k = std::sin(3.14159f * float(index) / float(count - 1 > 0 ? count - 1 : 1));
    p.stretch = 8 * k;
    p.body_tilt = -14 * k;
    p.tuck = 0.5f * k;
    p.head_dy = 2 * k;
    p.mouth = 0.3f * k;
    p.tail_swing = 25 * k;
  }
  if (clip == "yawn") {
    const float k = std::sin(3.14159f * float(index) / float(count - 1));
    p.mouth = k;
    p.head_tilt = 16 * k;
    p.eyes_closed = k > 0.7f;
  }
  if (clip == "groom") p.paw_to_face = true, p.front_raise = 0.9f, p.tongue = index % 2 == 0, p.head_tilt = -8,
                       p.mouth = 0.3f;
  if (clip == "pant" || clip == "hpant") p.mouth = clip == "hpant" ? 0.9f : 0.6f, p.tongue = true,
                                         p.body_dy = 0.8f * bounce + (clip == "hpant" ? 1 : 0);
  if (clip == "wipe") p.paw_to_face = true, p.front_raise = 1, p.head_tilt = 10 + 4 * s, p.mouth = 0.5f,
                      p.tongue = true;
  if (clip == "fan") p.front_raise = 0.6f + 0.4f * s, p.mouth = 0.5f, p.tongue = true;
  if (clip == "tilt") p.head_tilt = 18 * s;
  if (clip == "spin") p.body_tilt = 0, p.gait = 3, p.phase = t, p.tail_swing = 30 * s, p.head_tilt = 10 * c,
                      p.turned = t >= 0.25f && t < 0.75f;
  if (clip == "howl") p.head_tilt = 30, p.mouth = 0.7f, p.eyes_closed = true;
  if (clip == "meow") p.mouth = index % 2 ? 0.7f : 0.2f, p.head_tilt = 6;
  if (clip == "play") p.on_back = index >= 3, p.lying = index >= 3, p.both_raise = 0.8f, p.tuck = 0.4f,
                      p.tail_swing = 20 * s;
  if (clip == "palm") p.paw_to_face = true, p.front_raise = 1, p.head_tilt = -10;
  if (clip == "blep") p.tongue = true, p.mouth = 0.1f;
  if (clip == "box") p.in_box = true, p.head_tilt = 6 * s;
  if (clip == "boxonly") p.box_only = true;
  if (is(clip, {"hang", "cling", "ceil", "swing"})) {
    p.both_raise = 1;
    p.lift = 6 + (clip == "swing" ? 2 * s : 0);
    p.body_tilt = clip == "swing" ? 8 * s : 0;
    p.tail_swing = 20 * s;
    p.head_tilt = clip == "ceil" ? -10 : 0;
  }
  // The clips that raise the front limbs.
  if (clip == "swat") p.reach = Reach::forward, p.reach_k = p.front_raise;
  if (clip == "wave" || clip == "hi") p.reach = Reach::up, p.reach_k = 1, p.sway = s;
  if (clip == "beg") p.reach = Reach::both_up, p.reach_k = 0.8f + 0.2f * s, p.sway = s;
  if (clip == "cheer") p.reach = Reach::both_up, p.reach_k = 1, p.sway = s;
  if (p.paw_to_face) p.reach = Reach::face, p.reach_k = 1, p.sway = s;
  if (clip == "dig") p.reach = Reach::dig, p.reach_k = 1, p.sway = s;
  if (clip == "turn") p.head_dx = -2 * s, p.head_tilt = 10 * s, p.body_tilt = 3 * s;
  return p;
}

// How high the body is carried in a pose, px.
float carried_height(const Pose& p) { return p.lift - p.body_dy; }

}  // namespace

Pose pose_for(std::string_view clip, int index, int count) {
  Pose p = body_pose(clip, index, count);
  if (count < 2) return p;
  // The tail and the ears follow a frame late: the tail swings where the body led it in
  // the frame before, and the ears trail behind a body that has just risen or dropped.
  const Pose before = body_pose(clip, (index + count - 1) % count, count);
  p.tail_swing = before.tail_swing;
  p.ear_lag = std::clamp((carried_height(p) - carried_height(before)) * 7, -20.0f, 20.0f);
  return p;
}

}  // namespace art
