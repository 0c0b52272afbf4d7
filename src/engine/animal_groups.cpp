#include "engine/animal_groups.h"

#include <algorithm>
#include <array>

#include "assets/catalogue.h"

namespace burrowly {
namespace {

bool in_group(std::string_view key, std::string_view species) {
  for (const MenuGroup& group : menu_groups()) {
    if (group.key != key) continue;
    return std::find(group.members.begin(), group.members.end(), species) != group.members.end();
  }
  return false;
}

constexpr std::array<std::string_view, 9> kCatFidgets{
    "groom", "stretch", "yawn", "happy", "blep", "wave", "wag", "look", "tailwarm"};
constexpr std::array<std::string_view, 12> kDogFidgets{
    "tilt", "wiggle", "wag", "sniff", "howl", "spin", "dig", "hi", "stretch", "yawn", "blep", "happy"};
constexpr std::array<std::string_view, 10> kSmallFidgets{
    "groom", "sniff", "wiggle", "dig", "happy", "tilt", "stretch", "yawn", "blep", "cheer"};
constexpr std::array<std::string_view, 10> kFoxParrotTurtleFidgets{
    "happy", "cheer", "wave", "tilt", "tuck", "stretch", "yawn", "blep", "wag", "look"};
constexpr std::array<std::string_view, 10> kOtherFidgets{
    "happy", "cheer", "wave", "tilt", "sniff", "wiggle", "stretch", "yawn", "look", "hi"};
constexpr std::array<std::string_view, 7> kLooping{"tailwarm", "wag", "dig", "blep", "spin", "happy", "cheer"};

}  // namespace

SpeciesGroup species_group(std::string_view species) {
  if (in_group("cats", species)) return SpeciesGroup::cats;
  if (in_group("dogs", species)) return SpeciesGroup::dogs;
  if (in_group("small", species)) return SpeciesGroup::small;
  if (species == "fox" || species == "parrot" || species == "turtle") return SpeciesGroup::fox_parrot_turtle;
  return SpeciesGroup::others;
}

std::span<const std::string_view> fidget_clips(SpeciesGroup group) {
  switch (group) {
    case SpeciesGroup::cats: return kCatFidgets;
    case SpeciesGroup::dogs: return kDogFidgets;
    case SpeciesGroup::small: return kSmallFidgets;
    case SpeciesGroup::fox_parrot_turtle: return kFoxParrotTurtleFidgets;
    case SpeciesGroup::others: break;
  }
  return kOtherFidgets;
}

bool fidget_loops(std::string_view clip) {
  return std::find(kLooping.begin(), kLooping.end(), clip) != kLooping.end();
}

ToyKind toy_kind_for(std::string_view species) {
  switch (species_group(species)) {
    case SpeciesGroup::cats: return ToyKind::yarn_ball;
    case SpeciesGroup::dogs: return ToyKind::frisbee;
    case SpeciesGroup::small: return ToyKind::carrot;
    default: return ToyKind::treat;
  }
}

}  // namespace burrowly
