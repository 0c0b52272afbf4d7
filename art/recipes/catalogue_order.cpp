// All recipes in catalogue order.
#include "recipe.h"

namespace art {

void add_cats(std::vector<Species>& out);
void add_more_quadrupeds(std::vector<Species>& out, const std::string& key);
void add_bipeds(std::vector<Species>& out, const std::string& key);
void add_birds(std::vector<Species>& out, const std::string& key);
void add_critters(std::vector<Species>& out, const std::string& key);

const std::vector<Species>& all_recipes() {
  static const std::vector<Species> recipes = [] {
    std::vector<Species> out;
    add_cats(out);
    add_quadrupeds(out);
    add_small_mammals(out);
    for (const char* key : {"ferret", "fox"}) add_more_quadrupeds(out, key);
    add_birds(out, "parrot");
    add_critters(out, "turtle");
    add_more_quadrupeds(out, "squirrel");
    add_bipeds(out, "panda");
    add_critters(out, "crocodile");
    add_bipeds(out, "koala");
    add_bipeds(out, "kangaroo");
    add_bipeds(out, "monkey");
    add_more_quadrupeds(out, "lion");
    for (const char* key : {"pelican", "flamingo", "owl", "penguin", "duck"}) add_birds(out, key);
    for (const char* key : {"goat", "minipig", "sheep"}) add_more_quadrupeds(out, key);
    for (const char* key : {"butterfly", "frog", "ladybug", "tarantula"}) add_critters(out, key);
    return out;
  }();
  return recipes;
}

}  // namespace art
