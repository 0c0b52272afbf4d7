#include "config/pet_names.h"

#include <algorithm>
#include <array>

#include "config/languages.h"
#include "text/unicode.h"

namespace burrowly {
namespace {

struct DefaultName {
  std::string_view species;
  Localized name;  // uk, ru, en, pl
};

constexpr std::array<DefaultName, 37> kDefaultNames{{
    {"cat", {"Сірий", "Барсик", "Miso", "Filemon"}},
    {"manul", {"Тимофій", "Тимофей", "Pallas", "Puszek"}},
    {"shpic", {"Пушок", "Пушок", "Pom", "Pompon"}},
    {"corgi", {"Бублик", "Бублик", "Bagel", "Bajgiel"}},
    {"taksa", {"Сосиска", "Сосиска", "Noodle", "Kluska"}},
    {"husky", {"Сніжок", "Снежок", "Frost", "Szron"}},
    {"frenchie", {"Бакс", "Бакс", "Baguette", "Bułka"}},
    {"chihuahua", {"Начо", "Начо", "Taco", "Taco"}},
    {"cocker", {"Мед", "Персик", "Honey", "Miodek"}},
    {"rabbit", {"Кнопка", "Кнопка", "Clover", "Koniczynka"}},
    {"hamster", {"Хома", "Хома", "Nibbles", "Chrupek"}},
    {"guineapig", {"Пумба", "Пумба", "Pip", "Groszek"}},
    {"chinchilla", {"Димок", "Дымок", "Cloud", "Chmurka"}},
    {"hedgehog", {"Кактус", "Ежик", "Bramble", "Igiełka"}},
    {"ferret", {"Шустрик", "Шустрик", "Slinky", "Figa"}},
    {"fox", {"Вогник", "Огонёк", "Ember", "Iskra"}},
    {"parrot", {"Ківі", "Киви", "Kiwi", "Kiwi"}},
    {"turtle", {"Панцир", "Торти", "Pebble", "Kamyk"}},
    {"squirrel", {"Руда", "Рыжик", "Hazel", "Ruda"}},
    {"panda", {"Бамбі", "Бао", "Bao", "Bambo"}},
    {"crocodile", {"Гена", "Гена", "Chomp", "Gucio"}},
    {"koala", {"Евка", "Эвка", "Gumnut", "Kola"}},
    {"kangaroo", {"Кенга", "Кенга", "Joey", "Kanga"}},
    {"monkey", {"Бананка", "Кокос", "Coco", "Kiki"}},
    {"lion", {"Сімба", "Лёва", "Leo", "Leoś"}},
    {"pelican", {"Пеля", "Пеля", "Percy", "Pelek"}},
    {"flamingo", {"Рожа", "Роза", "Rosie", "Róża"}},
    {"owl", {"Совуня", "Совушка", "Hoot", "Sówka"}},
    {"penguin", {"Фрак", "Фрак", "Tux", "Frak"}},
    {"duck", {"Кряка", "Кряка", "Puddles", "Kwacia"}},
    {"goat", {"Бебе", "Бебе", "Clover", "Beczek"}},
    {"minipig", {"Пуня", "Пуня", "Truffle", "Pigi"}},
    {"sheep", {"Хмаринка", "Тучка", "Cotton", "Chmurka"}},
    {"butterfly", {"Віола", "Виола", "Flutter", "Fruzia"}},
    {"frog", {"Квакуша", "Квакуша", "Hopper", "Kumka"}},
    {"ladybug", {"Крапка", "Точка", "Dot", "Kropka"}},
    {"tarantula", {"Пухнастик", "Пушок", "Fuzz", "Puszek"}},
}};

}  // namespace

std::string_view default_pet_name(std::string_view species, Language lang) {
  auto it = std::find_if(kDefaultNames.begin(), kDefaultNames.end(),
                         [&](const DefaultName& entry) { return entry.species == species; });
  return it == kDefaultNames.end() ? "Buddy" : in(it->name, lang);
}

std::string pet_display_name(const Config& config) {
  auto nickname = config.pet_names.find(config.pet);
  if (nickname != config.pet_names.end() && !trim_unicode_space(nickname->second).empty()) {
    return nickname->second;
  }
  return std::string(default_pet_name(config.pet, language_from_code(config.lang)));
}

}  // namespace burrowly
