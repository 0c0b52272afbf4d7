// The engine's window on the speech catalogue (English texts for every language until
// the per-language catalogue is wired in) and on the calendar.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "engine/pet_engine.h"

namespace burrowly {
namespace {

std::int64_t days_from_civil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::optional<std::int64_t> day_number(const std::string& mark) {
  int y = 0, m = 0, d = 0, used = 0;
  if (std::sscanf(mark.c_str(), "%d-%d-%d%n", &y, &m, &d, &used) != 3 ||
      used != static_cast<int>(mark.size()))
    return std::nullopt;
  return days_from_civil(y, m, d);
}

}  // namespace

Language PetEngine::language() const {
  std::string code = config_.lang;
  for (char& c : code)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (code == "uk" || code == "ua") return Language::uk;
  if (code == "ru") return Language::ru;
  if (code == "pl") return Language::pl;
  return Language::en;
}

std::string_view PetEngine::text(int row) const {
  switch (row) {
    case 85: return "meow";
    case 86: return "purr!";
    case 87: return "hiss!";
    case 88: return "woof!";
    case 89: return "awooo!";
    case 93: return "stretch break, hooman!";
    case 94: return "ouch!";
    case 100: return "water check!";
    case 101: return "lunchtime!";
    case 102: return "your turn to eat";
    case 103: return "good morning!";
    case 104: return "happy friday!";
    case 105: return "getting late, wind down";
    case 106: return "warm here! CPU";
    case 107: return "cooled down nicely";
    case 108: return "memory tight";
    case 109: return "lost connection";
    case 110: return "back online!";
    case 111: return "plug me in soon";
    case 112: return "one week together!";
    case 113: return "one month together!";
    case 114: return "one full year!";
    case 119: return "all done!";
    case 120: return "that failed";
  }
  return "";
}

std::string_view PetEngine::sound_word_of(std::string_view species) const {
  static constexpr std::pair<std::string_view, std::string_view> kWords[]{
      {"cat", "meow"}, {"manul", "meow"}, {"rabbit", "squeak!"}, {"hamster", "squeak!"},
      {"guineapig", "squeak!"}, {"chinchilla", "squeak!"}, {"ferret", "squeak!"}, {"hedgehog", "rustle!"},
      {"turtle", "rustle!"}, {"parrot", "chirp-chirp!"}, {"squirrel", "chirr!"}, {"panda", "nom-nom!"},
      {"crocodile", "snap!"}, {"koala", "grunt!"}, {"kangaroo", "boing!"}, {"monkey", "ooh-ooh!"},
      {"lion", "rawr!"}, {"pelican", "honk!"}, {"flamingo", "honk-honk!"}, {"owl", "hoo-hoo!"},
      {"penguin", "squawk!"}, {"duck", "quack!"}, {"goat", "maa!"}, {"minipig", "oink!"},
      {"sheep", "baa!"}, {"butterfly", "flutter!"}, {"frog", "ribbit!"}, {"ladybug", "bzz!"},
      {"tarantula", "tap-tap!"}};
  for (const auto& [key, word] : kWords)
    if (key == species) return word;
  return "woof!";
}

std::vector<std::string_view> PetEngine::app_lines_for(std::string_view category) const {
  if (category == "code") return {"shipping another feature?", "all tests green?", "pair programming buddy here"};
  if (category == "chat") return {"keep it snappy!", "meeting or ping?", "quietly supervising"};
  if (category == "game") return {"good luck, have fun!", "hydrate between matches!"};
  if (category == "video") return {"what are we watching?", "snack break time?"};
  if (category == "music") return {"great beat", "vibing along"};
  if (category == "design") return {"one more pixel left?", "nice palette!", "eyeballing kerning?"};
  if (category == "browser") return {"40 tabs open again?", "doomscrolling or docs?", "guarding your cursor"};
  if (category == "terminal") return {"another build running...", "still compiling?", "watching exit codes"};
  return {};
}

std::string_view PetEngine::time_suffix_for(int hour) const {
  if (hour < 5) return " at 2am?";
  if (hour < 9) return " this early?";
  return "";
}

std::string_view PetEngine::hundred_days_line() const { return "100 days together!"; }

std::string PetEngine::today() const {
  char mark[16];
  std::snprintf(mark, sizeof mark, "%04d-%02d-%02d", now_.year % 10000, now_.month % 100, now_.day % 100);
  return mark;
}

int PetEngine::days_together() const {
  const auto first = day_number(config_.first_day);
  const auto now = day_number(today_);
  if (!first || !now) return 1;
  return static_cast<int>(std::max<std::int64_t>(*now - *first + 1, 1));
}

}  // namespace burrowly
