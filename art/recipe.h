#pragma once
// Species recipes: which rig draws the animal and the proportions, palette, ears,
// tail and markings that make it read as itself.

#include <cstdint>
#include <string>
#include <vector>

namespace art {

enum class Rig { quadruped, rodent, bird, biped, reptile, frog, butterfly, beetle, spider };
enum class Ears { none, pointed, round, floppy, tall, bat, huge, tuft, petal, side, low, cup, saucer };
// low: small round ears set wide and low (manul); cup: round ears on the sides of the head (monkey);
// saucer: big thin round ears standing up from the top of the head, pink inside (chinchilla)
enum class Tail { none, curve, bushy, curl_over, stub, thin, ringed, white_tip, curly, cotton, long_curl, tuft_tip,
                  thick, fan, sickle };  // sickle: a bushy plume curled up over the back (husky)

// Markings and accessories, combined as bits.
enum Feature : std::uint32_t {
  kMuzzle = 1 << 0,     // light muzzle and chest
  kMask = 1 << 1,       // light face mask (husky)
  kBandit = 1 << 2,     // dark band over the eyes (ferret)
  kSocks = 1 << 3,      // feet in the second colour
  kDarkLegs = 1 << 4,   // legs in the accent colour
  kPatches = 1 << 5,    // patches in the accent colour
  kStripes = 1 << 6,    // stripes in the accent colour
  kPoints = 1 << 7,     // face, ears, paws and tail in the accent colour
  kSpots = 1 << 8,      // spots in the accent colour
  kMane = 1 << 9,       // a ruff of mane or fur around the head
  kBeard = 1 << 10,
  kHorns = 1 << 11,
  kCheeks = 1 << 12,    // puffy cheeks
  kWhiskers = 1 << 13,
  kDarkFace = 1 << 14,  // face and ears in the accent colour
  kEyePatches = 1 << 15,
  kBigEyes = 1 << 16,
  kSnoutDisc = 1 << 17,
  kQuills = 1 << 18,
  kLongSnout = 1 << 19,
  kDarkEars = 1 << 20,  // ears in the accent colour
  kTuftHead = 1 << 21,
  kShell = 1 << 22,
  kRidges = 1 << 23,
  kWool = 1 << 24,
  kFluffy = 1 << 25,
  kPerch = 1 << 26,
  kBigNose = 1 << 27,  // a large dark nose (koala)
  kWrinkles = 1 << 28,  // a dark flat muzzle with wrinkles over it (frenchie)
  kHeartFace = 1 << 29,  // a pale heart-shaped face (monkey)
  kEarFringe = 1 << 30,  // pale fluff inside and round the ears (koala, chinchilla)
  kFeathered = 1u << 31,  // long wavy fringes on the chest, belly, legs and ears (cocker)
};

struct Species {
  std::string key;  // atlas key; the cat coats use "cat-<coat>"
  Rig rig = Rig::quadruped;
  bool blink = true;
  std::uint32_t body = 0, belly = 0, accent = 0, eye = 0x2b1d14, nose = 0x3a2a2a, extra = 0;
  float length = 24;   // body length
  float height = 14;   // body height
  float legs = 8;      // leg length
  float head = 9;      // head radius
  float snout = 3;     // snout length
  float ear = 5;       // ear size
  Ears ears = Ears::pointed;
  Tail tail = Tail::curve;
  std::uint32_t features = 0;
  bool has(Feature f) const { return (features & f) != 0; }
};

// Every sheet's recipe: the 37 species in catalogue order, the cat once per coat
// (key "cat-black" ... "cat-siamese") in place of "cat".
const std::vector<Species>& all_recipes();

// Per rig family.
void add_quadrupeds(std::vector<Species>& out);     // the dogs
void add_small_mammals(std::vector<Species>& out);  // rabbit to hedgehog

// A recipe with its key, rig and three main colours; the rest keeps the defaults.
inline Species make_species(std::string key, Rig rig, std::uint32_t body, std::uint32_t belly,
                            std::uint32_t accent) {
  Species s;
  s.key = std::move(key);
  s.rig = rig;
  s.body = body, s.belly = belly, s.accent = accent;
  return s;
}

}  // namespace art
