// Four-legged recipes: cats, dogs and the other quadrupeds.
#include "recipe.h"

namespace art {

namespace {

Species quad(std::string key, std::uint32_t body, std::uint32_t belly, std::uint32_t accent) {
  Species s;
  s.key = std::move(key);
  s.rig = Rig::quadruped;
  s.body = body, s.belly = belly, s.accent = accent;
  return s;
}

Species cat_coat(std::string coat, std::uint32_t body, std::uint32_t belly, std::uint32_t accent,
                 std::uint32_t eye, std::uint32_t features) {
  Species s = quad("cat-" + coat, body, belly, accent);
  s.length = 22, s.height = 12, s.legs = 8, s.head = 10, s.snout = 0, s.ear = 4.8f;
  s.ears = Ears::pointed, s.tail = Tail::curve, s.eye = eye, s.nose = 0xd87890;
  s.features = kWhiskers | kBigEyes | features;
  return s;
}

}  // namespace

void add_cats(std::vector<Species>& out) {
  out.push_back(cat_coat("black", 0x2b2630, 0x2b2630, 0x1c1820, 0xb8d43a, 0));
  out.push_back(cat_coat("white", 0xf4f1ec, 0xf4f1ec, 0xd9d2c8, 0x5aa8e8, 0));
  out.push_back(cat_coat("ginger", 0xe8873a, 0xfbe0bc, 0xb85a1e, 0x8ab83a, kStripes));
  out.push_back(cat_coat("gray", 0x8d939c, 0xc8ccd2, 0x5e636c, 0xd8b83a, kStripes));
  out.push_back(cat_coat("siamese", 0xefe3cc, 0xf6eedd, 0x4a3226, 0x4a90e0, kPoints));
  Species manul = quad("manul", 0xa8998a, 0xd8cdbf, 0x3a3330);
  manul.length = 24, manul.height = 14, manul.legs = 6.5f, manul.head = 11, manul.snout = 0, manul.ear = 3;
  manul.ears = Ears::low, manul.tail = Tail::ringed, manul.eye = 0xe8c42a;
  manul.features = kFluffy | kSpots | kWhiskers;
  out.push_back(manul);
}

void add_quadrupeds(std::vector<Species>& out) {
  Species shpic = quad("shpic", 0xf0a04b, 0xfbe3b8, 0xc07028);
  shpic.length = 16, shpic.height = 13, shpic.legs = 5, shpic.head = 9.5f, shpic.snout = 2.5f, shpic.ear = 3.5f;
  shpic.ears = Ears::pointed, shpic.tail = Tail::curl_over, shpic.features = kFluffy | kCheeks | kMuzzle | kBigEyes;  // cream cheeks and chest: the ruff
  out.push_back(shpic);

  Species corgi = quad("corgi", 0xd9893a, 0xfbf5ea, 0xa8602a);
  corgi.length = 30, corgi.height = 11, corgi.legs = 5.5f, corgi.head = 9.5f, corgi.snout = 3.5f, corgi.ear = 8.5f;
  corgi.ears = Ears::huge, corgi.tail = Tail::none, corgi.features = kMuzzle | kSocks | kFluffy | kBigEyes;
  out.push_back(corgi);

  Species taksa = quad("taksa", 0x9a4f2a, 0xb86a3e, 0x6e3418);
  taksa.length = 40, taksa.height = 10, taksa.legs = 5, taksa.head = 8.5f, taksa.snout = 6, taksa.ear = 6;
  taksa.ears = Ears::floppy, taksa.tail = Tail::thin, taksa.features = kDarkEars | kBigEyes;
  out.push_back(taksa);

  Species husky = quad("husky", 0x7d8896, 0xf3f5f7, 0x4c5460);
  husky.length = 30, husky.height = 15, husky.legs = 8.5f, husky.head = 10.5f, husky.snout = 4, husky.ear = 5.2f;
  husky.ears = Ears::pointed, husky.tail = Tail::sickle, husky.eye = 0x5ab4f0;
  husky.features = kMask | kSocks | kFluffy | kBigEyes;
  out.push_back(husky);

  Species frenchie = quad("frenchie", 0xd8b48a, 0xeed8bc, 0x5a4638);
  frenchie.length = 22, frenchie.height = 14, frenchie.legs = 6.5f, frenchie.head = 10, frenchie.snout = 1;
  frenchie.ear = 5.5f, frenchie.ears = Ears::bat, frenchie.tail = Tail::stub;
  frenchie.features = kWrinkles | kBigEyes;
  out.push_back(frenchie);

  Species chihuahua = quad("chihuahua", 0xe6c08f, 0xf6e2c4, 0xc0935e);
  chihuahua.length = 15, chihuahua.height = 8, chihuahua.legs = 5.5f, chihuahua.head = 9.5f, chihuahua.snout = 1.5f;
  chihuahua.ear = 8, chihuahua.ears = Ears::huge, chihuahua.tail = Tail::thin;
  chihuahua.features = kBigEyes | kMuzzle;
  out.push_back(chihuahua);

  Species cocker = quad("cocker", 0xd99a4e, 0xf0c07e, 0xa8682a);
  cocker.length = 26, cocker.height = 14, cocker.legs = 7, cocker.head = 10, cocker.snout = 3.5f, cocker.ear = 9.5f;
  cocker.ears = Ears::floppy, cocker.tail = Tail::stub, cocker.extra = 0xb8742e;
  cocker.features = kFluffy | kMuzzle | kBigEyes | kFeathered;
  out.push_back(cocker);
}

void add_more_quadrupeds(std::vector<Species>& out, const std::string& key) {
  if (key == "ferret") {
    Species s = quad("ferret", 0xefe1c6, 0xf8f0e0, 0x5b4636);
    s.length = 36, s.height = 9, s.legs = 4.5f, s.head = 8.5f, s.snout = 3, s.ear = 2.5f;
    s.ears = Ears::round, s.tail = Tail::thin, s.nose = 0xd88a98, s.features = kBandit | kDarkLegs | kBigEyes;
    out.push_back(s);
  } else if (key == "fox") {
    Species s = quad("fox", 0xe0702a, 0xfaf4ea, 0x2a2226);
    s.length = 26, s.height = 12, s.legs = 8, s.head = 9.5f, s.snout = 5, s.ear = 6;
    s.ears = Ears::pointed, s.tail = Tail::white_tip, s.features = kMuzzle | kDarkLegs | kDarkEars | kBigEyes;
    s.eye = 0x8a5a10;
    out.push_back(s);
  } else if (key == "squirrel") {
    Species s = quad("squirrel", 0xc0612b, 0xf3dcb8, 0x8a3e18);
    s.length = 16, s.height = 11, s.legs = 5, s.head = 9, s.snout = 1.5f, s.ear = 4.5f;
    s.ears = Ears::pointed, s.tail = Tail::fan, s.features = kTuftHead | kBigEyes;
    out.push_back(s);
  } else if (key == "lion") {
    Species s = quad("lion", 0xe0a94a, 0xf4d89a, 0xb06a2a);
    s.length = 24, s.height = 14, s.legs = 7, s.head = 10, s.snout = 2.5f, s.ear = 3.5f;
    s.ears = Ears::round, s.tail = Tail::tuft_tip, s.extra = 0xb06a2a, s.features = kMane | kMuzzle | kTuftHead;
    out.push_back(s);
  } else if (key == "goat") {
    Species s = quad("goat", 0xf2efe9, 0xf8f6f2, 0x8a5a3c);
    s.length = 24, s.height = 12, s.legs = 10, s.head = 9, s.snout = 3.5f, s.ear = 4.5f;
    s.ears = Ears::side, s.tail = Tail::stub, s.features = kHorns | kBeard | kPatches | kDarkEars;
    s.eye = 0x7a5a20;
    out.push_back(s);
  } else if (key == "minipig") {
    Species s = quad("minipig", 0xf6a9b6, 0xfac4cc, 0xe88a9a);
    s.length = 26, s.height = 15, s.legs = 5, s.head = 10, s.snout = 3, s.ear = 4.5f;
    s.ears = Ears::floppy, s.tail = Tail::curly, s.extra = 0xe88a9a, s.features = kSnoutDisc;
    out.push_back(s);
  } else if (key == "sheep") {
    Species s = quad("sheep", 0xf3eee2, 0xf3eee2, 0x3b3535);
    s.length = 24, s.height = 15, s.legs = 8, s.head = 8.5f, s.snout = 2, s.ear = 3.5f;
    s.ears = Ears::side, s.tail = Tail::stub, s.features = kWool | kDarkFace | kDarkLegs | kDarkEars;
    out.push_back(s);
  }
}

}  // namespace art
