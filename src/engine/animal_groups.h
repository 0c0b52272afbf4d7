#pragma once
// The species groups the behaviour and the toys depend on.

#include <span>
#include <string_view>

#include "render/draw_snapshot.h"

namespace burrowly {

enum class SpeciesGroup { cats, dogs, small, fox_parrot_turtle, others };

SpeciesGroup species_group(std::string_view species);
// The fidget clips a group chooses from, in order (some may be missing from the art).
std::span<const std::string_view> fidget_clips(SpeciesGroup group);
bool fidget_loops(std::string_view clip);
// The picture of the thrown toy: yarn for cats, a frisbee for dogs, a carrot for
// the small pets, a treat for everyone else.
ToyKind toy_kind_for(std::string_view species);

}  // namespace burrowly
