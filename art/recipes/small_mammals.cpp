// Round small mammals and the upright sitters.
#include "recipe.h"

namespace art {

void add_small_mammals(std::vector<Species>& out) {
  Species rabbit = make_species("rabbit", Rig::rodent, 0xb59a80, 0xf4ece2, 0x8a7058);
  rabbit.length = 22, rabbit.height = 18, rabbit.head = 8, rabbit.snout = 0, rabbit.ear = 9;
  rabbit.ears = Ears::tall, rabbit.tail = Tail::cotton, rabbit.nose = 0xd87890;
  rabbit.features = kWhiskers | kBigEyes;
  out.push_back(rabbit);

  Species hamster = make_species("hamster", Rig::rodent, 0xe3a65a, 0xfff4e4, 0xb87a38);
  hamster.length = 22, hamster.height = 20, hamster.head = 8, hamster.snout = 0, hamster.ear = 3;
  hamster.ears = Ears::round, hamster.tail = Tail::none, hamster.nose = 0xd87890;
  hamster.features = kCheeks | kBigEyes;
  out.push_back(hamster);

  Species pig = make_species("guineapig", Rig::rodent, 0xfaf6ee, 0xfaf6ee, 0xe08a3c);
  pig.length = 30, pig.height = 17, pig.head = 8, pig.snout = 1, pig.ear = 3.5f, pig.extra = 0x2e2626;
  pig.ears = Ears::petal, pig.tail = Tail::none, pig.features = kPatches | kBigEyes;
  out.push_back(pig);

  Species chin = make_species("chinchilla", Rig::rodent, 0xa9acb3, 0xe6e8ec, 0x7c8088);
  chin.length = 19, chin.height = 20, chin.head = 8.5f, chin.snout = 0;
  chin.ear = 9, chin.ears = Ears::saucer, chin.tail = Tail::sickle, chin.eye = 0x1a1420, chin.nose = 0xd88a98;
  chin.features = kBigEyes | kWhiskers;
  out.push_back(chin);

  Species hog = make_species("hedgehog", Rig::rodent, 0xe9d2b0, 0xe9d2b0, 0x7a5a3c);
  hog.length = 28, hog.height = 18, hog.head = 6, hog.ear = 0, hog.extra = 0xd8c4a8;
  hog.ears = Ears::none, hog.tail = Tail::none, hog.features = kQuills;
  out.push_back(hog);
}

void add_bipeds(std::vector<Species>& out, const std::string& key) {
  if (key == "panda") {
    Species s = make_species("panda", Rig::biped, 0xf7f7f2, 0xf7f7f2, 0x26262b);
    s.length = 24, s.height = 22, s.legs = 9, s.head = 10, s.snout = 1, s.ear = 4, s.blink = false;
    s.eye = 0x8a7468;  // a brown iris that shows on the black patches
    s.ears = Ears::round, s.tail = Tail::none, s.features = kEyePatches | kDarkLegs | kDarkEars | kMuzzle;
    out.push_back(s);
  } else if (key == "koala") {
    Species s = make_species("koala", Rig::biped, 0x9ea3a8, 0xeceef0, 0x7a7f86);
    s.length = 20, s.height = 20, s.legs = 8, s.head = 10, s.snout = 0, s.ear = 7.5f, s.blink = false;
    s.nose = 0x2f2f33, s.ears = Ears::round, s.tail = Tail::none, s.features = kFluffy | kBigNose | kBigEyes | kEarFringe;
    out.push_back(s);
  } else if (key == "kangaroo") {
    Species s = make_species("kangaroo", Rig::biped, 0xc98b55, 0xf0d6b4, 0xa06a3a);
    s.length = 18, s.height = 24, s.legs = 6, s.head = 7.5f, s.snout = 4, s.ear = 7;
    s.ears = Ears::pointed, s.tail = Tail::thick;
    out.push_back(s);
  } else if (key == "monkey") {
    Species s = make_species("monkey", Rig::biped, 0x8d5a3b, 0xe8c4a0, 0x6a3e26);
    s.length = 18, s.height = 18, s.legs = 12, s.head = 9, s.snout = 0, s.blink = false;
    s.ears = Ears::cup, s.ear = 4.5f, s.tail = Tail::long_curl, s.features = kMuzzle | kHeartFace;
    out.push_back(s);
  }
}

}  // namespace art
