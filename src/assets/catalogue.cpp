#include "assets/catalogue.h"

#include <algorithm>
#include <array>
#include <string>

namespace burrowly {
namespace {

struct SpeciesRecord {
  std::string_view key;
  Localized name;  // uk, ru, en, pl
};

constexpr std::array<SpeciesRecord, kSpeciesCount> kSpecies{{
    {"cat", {"Домашній кіт", "Домашний кот", "House Cat", "Kot domowy"}},
    {"manul", {"Манул", "Манул", "Pallas's Cat", "Manul"}},
    {"shpic", {"Померанський шпіц", "Шпиц", "Pomeranian", "Szpic miniaturowy"}},
    {"corgi", {"Коргі", "Корги", "Corgi", "Corgi"}},
    {"taksa", {"Такса", "Такса", "Dachshund", "Jamnik"}},
    {"husky", {"Хаскі", "Хаски", "Husky", "Husky"}},
    {"frenchie", {"Французький бульдог", "Французский бульдог", "French Bulldog", "Buldog francuski"}},
    {"chihuahua", {"Чихуахуа", "Чихуахуа", "Chihuahua", "Chihuahua"}},
    {"cocker", {"Кокер-спанієль", "Кокер-спаниель", "Cocker Spaniel", "Cocker spaniel"}},
    {"rabbit", {"Кролик", "Кролик", "Rabbit", "Królik"}},
    {"hamster", {"Хом'ячок", "Хомяк", "Hamster", "Chomik"}},
    {"guineapig", {"Морська свинка", "Морская свинка", "Guinea Pig", "Świnka morska"}},
    {"chinchilla", {"Шиншила", "Шиншилла", "Chinchilla", "Szynszyla"}},
    {"hedgehog", {"Їжачок", "Ёжик", "Hedgehog", "Jeż"}},
    {"ferret", {"Тхір", "Хорёк", "Ferret", "Fretka"}},
    {"fox", {"Домашня лисичка", "Домашняя лисичка", "Pet Fox", "Lis"}},
    {"parrot", {"Папуга", "Попугай", "Parrot", "Papuga"}},
    {"turtle", {"Черепашка", "Черепашка", "Turtle", "Żółw"}},
    {"squirrel", {"Білочка", "Белочка", "Squirrel", "Wiewiórka"}},
    {"panda", {"Панда", "Панда", "Panda", "Panda"}},
    {"crocodile", {"Крокодильчик", "Крокодильчик", "Little crocodile", "Krokodylek"}},
    {"koala", {"Коала", "Коала", "Koala", "Koala"}},
    {"kangaroo", {"Кенгуру", "Кенгуру", "Kangaroo", "Kangur"}},
    {"monkey", {"Мавпочка", "Обезьянка", "Little monkey", "Małpka"}},
    {"lion", {"Левеня", "Львёнок", "Lion cub", "Lwiątko"}},
    {"pelican", {"Пелікан", "Пеликан", "Pelican", "Pelikan"}},
    {"flamingo", {"Фламінго", "Фламинго", "Flamingo", "Flaming"}},
    {"owl", {"Сова", "Сова", "Owl", "Sowa"}},
    {"penguin", {"Пінгвін", "Пингвин", "Penguin", "Pingwin"}},
    {"duck", {"Каченя", "Утёнок", "Duckling", "Kaczuszka"}},
    {"goat", {"Козеня", "Козлёнок", "Baby goat", "Koziołek"}},
    {"minipig", {"Мініпіг", "Минипиг", "Mini pig", "Miniświnka"}},
    {"sheep", {"Овечка", "Овечка", "Lamb", "Owieczka"}},
    {"butterfly", {"Метелик", "Бабочка", "Butterfly", "Motyl"}},
    {"frog", {"Жабка", "Лягушка", "Frog", "Żabka"}},
    {"ladybug", {"Сонечко", "Божья коровка", "Ladybug", "Biedronka"}},
    {"tarantula", {"Тарантул", "Тарантул", "Tarantula", "Ptasznik"}},
}};

constexpr std::array<std::string_view, kSpeciesCount> kSpeciesKeys = [] {
  std::array<std::string_view, kSpeciesCount> keys{};
  for (std::size_t i = 0; i < kSpeciesCount; ++i) keys[i] = kSpecies[i].key;
  return keys;
}();

constexpr std::size_t kCorgi = 3;

// Each group's members are a contiguous run of the species table.
constexpr std::array<MenuGroup, 8> kMenuGroups{{
    {"cats", {"Коти та дикі кішки", "Коты и дикие кошки", "Cats & Wild Felines", "Koty"},
     std::span(kSpeciesKeys).subspan(0, 2)},
    {"dogs", {"Собаки", "Собаки", "Dogs", "Psy"}, std::span(kSpeciesKeys).subspan(2, 7)},
    {"small", {"Пухнасті та гризуни", "Пушистые и грызуны", "Small & Fluffy Pets", "Małe ssaki"},
     std::span(kSpeciesKeys).subspan(9, 6)},
    {"birds-fox-reptiles",
     {"Птахи, лиси та екзотика", "Птицы, лисы и экзотика", "Birds, Fox & Reptiles", "Ptaki, lis i gady"},
     std::span(kSpeciesKeys).subspan(15, 3)},
    {"wild", {"Дикі звірята", "Дикие зверята", "Wild friends", "Dzikie zwierzaki"},
     std::span(kSpeciesKeys).subspan(18, 7)},
    {"birds", {"Птахи", "Птицы", "Birds", "Ptaki"}, std::span(kSpeciesKeys).subspan(25, 5)},
    {"farm", {"Ферма", "Ферма", "Farm", "Farma"}, std::span(kSpeciesKeys).subspan(30, 3)},
    {"tiny", {"Крихітки", "Малютки", "Tiny critters", "Maluchy"}, std::span(kSpeciesKeys).subspan(33, 4)},
}};

constexpr std::array<LabelledKey, 5> kCoats{{
    {"black", {"Чорний", "Чёрный", "Black", "Czarne"}},
    {"white", {"Білий", "Белый", "White", "Białe"}},
    {"ginger", {"Рудий", "Рыжий", "Ginger", "Rude"}},
    {"gray", {"Сірий", "Серый", "Gray", "Szare"}},
    {"siamese", {"Сіамський", "Сиамский", "Siamese", "Syjamskie"}},
}};

constexpr std::array<LabelledKey, 3> kSizes{{
    {"S", {"Малий", "Маленький", "Small", "Mały"}},
    {"M", {"Середній", "Средний", "Medium", "Średni"}},
    {"L", {"Великий", "Большой", "Large", "Duży"}},
}};

constexpr std::array<LabelledKey, 8> kOutfits{{
    {"season", {"За сезоном", "По сезону", "Seasonal", "Sezonowe"}},
    {"none", {"Без шапочки", "Без шапочки", "None", "Brak"}},
    {"santa", {"Ковпак", "Колпак", "Santa Hat", "Czapka Mikołaja"}},
    {"beanie", {"Біні", "Бини", "Beanie", "Czapka zimowa"}},
    {"party", {"Ковпачок", "Колпачок", "Party Hat", "Czapeczka urodzinowa"}},
    {"crown", {"Корона", "Корона", "Crown", "Korona"}},
    {"wreath", {"Віночок", "Венок", "Wreath", "Wianek"}},
    {"bow", {"Бантик", "Бантик", "Bow", "Kokarda"}},
}};

constexpr Localized kCoatTitle{"Забарвлення кота", "Окрас кота", "Cat Coat", "Umaszczenie kota"};
constexpr Localized kSizeTitle{"Розмір", "Размер", "Size", "Rozmiar"};
constexpr Localized kOutfitTitle{"Шапочка", "Шапочка", "Hat / Accessory", "Nakrycia głowy i dodatki"};

std::string_view bound_species(std::string_view species) {
  return is_species(species) ? species : kSpeciesKeys[kCorgi];
}

Bytes blob_or_empty(const BlobRegistry& blobs, const std::string& name) {
  return blobs.find(name).value_or(Bytes{});
}

}  // namespace

std::span<const std::string_view> species_list() { return kSpeciesKeys; }

std::optional<std::size_t> species_index(std::string_view species) {
  auto it = std::find(kSpeciesKeys.begin(), kSpeciesKeys.end(), species);
  if (it == kSpeciesKeys.end()) return std::nullopt;
  return static_cast<std::size_t>(it - kSpeciesKeys.begin());
}

bool is_species(std::string_view species) { return species_index(species).has_value(); }

std::string_view display_name(Language lang, std::string_view species) {
  return in(kSpecies[species_index(species).value_or(kCorgi)].name, lang);
}

std::span<const MenuGroup> menu_groups() { return kMenuGroups; }

bool is_dog(std::string_view species) {
  const auto& dogs = kMenuGroups[1].members;
  return std::find(dogs.begin(), dogs.end(), species) != dogs.end();
}

std::span<const LabelledKey> coats() { return kCoats; }
std::span<const LabelledKey> sizes() { return kSizes; }
std::span<const LabelledKey> outfits() { return kOutfits; }
const Localized& coat_menu_title() { return kCoatTitle; }
const Localized& size_menu_title() { return kSizeTitle; }
const Localized& outfit_menu_title() { return kOutfitTitle; }

float size_scale(std::string_view size) {
  // 59/82 and 107/82 as the shipped art defines them (one ulp off the quotients).
  if (size == "S") return 0.71951216f;
  if (size == "L") return 1.3048781f;
  return 1.0f;
}

std::optional<std::string_view> resolve_outfit(std::string_view outfit, int month, int day) {
  if (outfit == "none") return std::nullopt;
  if (outfit != "season") return outfit;
  switch (month) {
    case 1: return day <= 10 ? "santa" : "beanie";
    case 2: case 11: return "beanie";
    case 6: case 7: case 8: return "wreath";
    case 12: return day <= 17 ? "beanie" : "santa";
    default: return std::nullopt;
  }
}

std::string_view atlas_text(std::string_view species, const BlobRegistry& blobs) {
  Bytes bytes = blob_or_empty(blobs, "atlas/" + std::string(bound_species(species)) + ".json");
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

Bytes sheet_png(std::string_view species, std::string_view coat, const BlobRegistry& blobs) {
  std::string_view key = bound_species(species);
  if (key != "cat") return blob_or_empty(blobs, "sheet/" + std::string(key) + ".png");
  bool known_coat = std::any_of(kCoats.begin(), kCoats.end(),
                                [&](const LabelledKey& c) { return c.key == coat; });
  return blob_or_empty(blobs, "sheet/cat-" + std::string(known_coat ? coat : kDefaultCoat) + ".png");
}

Bytes face_png(std::string_view species, const BlobRegistry& blobs) {
  return blob_or_empty(blobs, "face/" + std::string(bound_species(species)) + ".png");
}

Bytes icon_png(const BlobRegistry& blobs) { return blob_or_empty(blobs, "icon.png"); }

}  // namespace burrowly
