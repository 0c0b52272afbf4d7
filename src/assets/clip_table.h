#pragma once
// The 63 animation clips every species has, in atlas document order, with their frame
// counts: what the art generator draws and the shipped atlases hold.

#include <array>
#include <string_view>

namespace burrowly {

struct ClipSpec {
  std::string_view name;
  int frames;
};

inline constexpr std::array<ClipSpec, 63> kClips{{
    {"sit", 4},     {"front", 4},   {"look", 4},      {"lookup", 4},  {"walk", 8},    {"run", 8},
    {"crouch", 4},  {"leap", 4},    {"jump", 4},      {"land", 3},    {"tuck", 4},    {"pin", 4},
    {"sleep", 5},   {"curlsleep", 4}, {"curl", 4},    {"lie", 4},     {"pet", 4},     {"belly", 6},
    {"swat", 4},    {"happy", 4},   {"cheer", 4},     {"wave", 6},    {"hi", 4},      {"beg", 4},
    {"bongo", 6},   {"eat", 6},     {"lick", 4},      {"vibe", 6},    {"wag", 6},     {"stretch", 5},
    {"yawn", 6},    {"groom", 6},   {"pant", 4},      {"hpant", 4},   {"wipe", 4},    {"flat", 4},
    {"fan", 4},     {"tilt", 6},    {"sniff", 4},     {"wiggle", 6},  {"shake", 6},   {"spin", 8},
    {"dig", 4},     {"howl", 5},    {"meow", 4},      {"play", 6},    {"push", 4},    {"peer", 4},
    {"palm", 4},    {"blep", 3},    {"box", 4},       {"boxonly", 1}, {"mantle", 5},  {"hang", 4},
    {"swing", 5},   {"turn", 4},    {"jumpup", 5},    {"kickup", 4},  {"ceil", 5},    {"climb", 6},
    {"climbjump", 4}, {"cling", 4}, {"scratch", 4},
}};

inline constexpr int total_frames() {
  int n = 0;
  for (const ClipSpec& c : kClips) n += c.frames;
  return n;
}

}  // namespace burrowly
