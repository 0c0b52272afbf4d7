// Birds, reptiles, the frog and the insects.
#include "recipe.h"

namespace art {

void add_birds(std::vector<Species>& out, const std::string& key) {
  if (key == "parrot") {
    Species s = make_species("parrot", Rig::bird, 0x4caf50, 0x8bd67a, 0x2e8a3a);
    s.length = 16, s.height = 22, s.legs = 4, s.head = 7, s.snout = 3.5f, s.extra = 0xe2cf9c, s.nose = 0x6a6a6a;
    s.tail = Tail::fan, s.features = kLongSnout | kStripes | kPatches;
    s.accent = 0xe53935;
    out.push_back(s);
  } else if (key == "pelican") {
    Species s = make_species("pelican", Rig::bird, 0xf5f5f5, 0xffffff, 0x9aa0a8);
    s.length = 24, s.height = 24, s.legs = 6, s.head = 6.5f, s.snout = 14, s.extra = 0xf4a340, s.nose = 0xe09030;
    out.push_back(s);
  } else if (key == "flamingo") {
    Species s = make_species("flamingo", Rig::bird, 0xf48fb1, 0xf8b4cb, 0xe0607e);
    s.length = 20, s.height = 14, s.legs = 22, s.head = 5.2f, s.snout = 5, s.extra = 0x2b2430, s.nose = 0xe0607e;
    s.blink = false;
    out.push_back(s);
  } else if (key == "owl") {
    Species s = make_species("owl", Rig::bird, 0x8d6e4f, 0xd9c3a5, 0x6a4e34);
    s.length = 22, s.height = 24, s.legs = 2.5f, s.head = 9.5f, s.snout = 1, s.extra = 0xe8b04a, s.nose = 0xe8b04a;
    s.eye = 0xff9f1c, s.ears = Ears::tuft;
    out.push_back(s);
  } else if (key == "penguin") {
    Species s = make_species("penguin", Rig::bird, 0x2b2b35, 0xfafafa, 0x1e1e26);
    s.length = 20, s.height = 26, s.legs = 2.5f, s.head = 7.5f, s.snout = 3, s.extra = 0xf39c12, s.nose = 0xf39c12;
    s.features = kMask;
    out.push_back(s);
  } else if (key == "duck") {
    Species s = make_species("duck", Rig::bird, 0xffd54f, 0xffe58a, 0xf0b830);
    s.length = 20, s.height = 17, s.legs = 4, s.head = 7.5f, s.snout = 4, s.extra = 0xfb8c00, s.nose = 0xfb8c00;
    s.features = kFluffy;
    out.push_back(s);
  }
}

void add_critters(std::vector<Species>& out, const std::string& key) {
  if (key == "turtle") {
    Species s = make_species("turtle", Rig::reptile, 0x7cb342, 0xc9d36a, 0x6d4c41);
    s.length = 28, s.height = 12, s.legs = 4, s.head = 5, s.snout = 0, s.extra = 0x8d6e63, s.features = kShell;
    out.push_back(s);
  } else if (key == "crocodile") {
    Species s = make_species("crocodile", Rig::reptile, 0x5a8f3a, 0xc9d36a, 0x3e6a26);
    s.length = 34, s.height = 10, s.legs = 4, s.head = 5.5f, s.snout = 10, s.eye = 0xd8b020, s.features = kRidges;
    out.push_back(s);
  } else if (key == "butterfly") {
    Species s = make_species("butterfly", Rig::butterfly, 0xff9800, 0xffffff, 0x2a2226);
    s.blink = false;
    out.push_back(s);
  } else if (key == "frog") {
    Species s = make_species("frog", Rig::frog, 0x6dbf4b, 0xd7ef9a, 0x4a9a30);
    s.length = 26, s.height = 17, s.eye = 0x2a2420;
    out.push_back(s);
  } else if (key == "ladybug") {
    Species s = make_species("ladybug", Rig::beetle, 0xe53935, 0xe53935, 0x1f1f24);
    s.length = 22, s.height = 14, s.blink = false;
    out.push_back(s);
  } else if (key == "tarantula") {
    Species s = make_species("tarantula", Rig::spider, 0x3e2f2a, 0x5a453a, 0xe07b39);
    s.blink = false;
    out.push_back(s);
  }
}

}  // namespace art
