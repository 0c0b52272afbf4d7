#pragma once
// The catalogue's tables: species with their localised names, menu groups, coats,
// sizes and outfits with their labels. The catalogue functions and the interface
// texts both read them, so each name is written once.

#include <array>
#include <span>
#include <string_view>

#include "assets/language.h"

namespace burrowly {

inline constexpr std::size_t kSpeciesCount = 37;

struct MenuGroup {
  std::string_view key;
  Localized label;
  std::span<const std::string_view> members;
};

struct LabelledKey {
  std::string_view key;
  Localized label;
};

struct SpeciesRecord {
  std::string_view key;
  Localized name;        // uk, ru, en, pl
  float hat_size = 1;    // the outfit's size, against a cat-sized head
};

inline constexpr std::array<SpeciesRecord, kSpeciesCount> kSpecies{{
    {"cat", {"Домашній кіт", "Домашний кот", "House Cat", "Kot domowy"}},
    {"manul", {"Манул", "Манул", "Pallas's Cat", "Manul"}},
    {"shpic", {"Померанський шпіц", "Шпиц", "Pomeranian", "Szpic miniaturowy"}},
    {"corgi", {"Коргі", "Корги", "Corgi", "Corgi"}},
    {"taksa", {"Такса", "Такса", "Dachshund", "Jamnik"}},
    {"husky", {"Хаскі", "Хаски", "Husky", "Husky"}},
    {"frenchie", {"Французький бульдог", "Французский бульдог", "French Bulldog", "Buldog francuski"}},
    {"chihuahua", {"Чихуахуа", "Чихуахуа", "Chihuahua", "Chihuahua"}, 0.9f},
    {"cocker", {"Кокер-спанієль", "Кокер-спаниель", "Cocker Spaniel", "Cocker spaniel"}},
    {"rabbit", {"Кролик", "Кролик", "Rabbit", "Królik"}},
    {"hamster", {"Хом'ячок", "Хомяк", "Hamster", "Chomik"}, 0.9f},
    {"guineapig", {"Морська свинка", "Морская свинка", "Guinea Pig", "Świnka morska"}},
    {"chinchilla", {"Шиншила", "Шиншилла", "Chinchilla", "Szynszyla"}},
    {"hedgehog", {"Їжачок", "Ёжик", "Hedgehog", "Jeż"}, 0.85f},
    {"ferret", {"Тхір", "Хорёк", "Ferret", "Fretka"}, 0.85f},
    {"fox", {"Домашня лисичка", "Домашняя лисичка", "Pet Fox", "Lis"}},
    {"parrot", {"Папуга", "Попугай", "Parrot", "Papuga"}, 0.8f},
    {"turtle", {"Черепашка", "Черепашка", "Turtle", "Żółw"}, 0.7f},
    {"squirrel", {"Білочка", "Белочка", "Squirrel", "Wiewiórka"}, 0.85f},
    {"panda", {"Панда", "Панда", "Panda", "Panda"}, 1.1f},
    {"crocodile", {"Крокодильчик", "Крокодильчик", "Little crocodile", "Krokodylek"}, 0.8f},
    {"koala", {"Коала", "Коала", "Koala", "Koala"}, 1.1f},
    {"kangaroo", {"Кенгуру", "Кенгуру", "Kangaroo", "Kangur"}, 0.85f},
    {"monkey", {"Мавпочка", "Обезьянка", "Little monkey", "Małpka"}},
    {"lion", {"Левеня", "Львёнок", "Lion cub", "Lwiątko"}},
    {"pelican", {"Пелікан", "Пеликан", "Pelican", "Pelikan"}, 0.75f},
    {"flamingo", {"Фламінго", "Фламинго", "Flamingo", "Flaming"}, 0.65f},
    {"owl", {"Сова", "Сова", "Owl", "Sowa"}},
    {"penguin", {"Пінгвін", "Пингвин", "Penguin", "Pingwin"}, 0.85f},
    {"duck", {"Каченя", "Утёнок", "Duckling", "Kaczuszka"}, 0.8f},
    {"goat", {"Козеня", "Козлёнок", "Baby goat", "Koziołek"}, 0.9f},
    {"minipig", {"Мініпіг", "Минипиг", "Mini pig", "Miniświnka"}},
    {"sheep", {"Овечка", "Овечка", "Lamb", "Owieczka"}, 0.9f},
    {"butterfly", {"Метелик", "Бабочка", "Butterfly", "Motyl"}, 0.6f},
    {"frog", {"Жабка", "Лягушка", "Frog", "Żabka"}, 0.85f},
    {"ladybug", {"Сонечко", "Божья коровка", "Ladybug", "Biedronka"}, 0.6f},
    {"tarantula", {"Тарантул", "Тарантул", "Tarantula", "Ptasznik"}, 0.75f},
}};

inline constexpr std::array<std::string_view, kSpeciesCount> kSpeciesKeys = [] {
  std::array<std::string_view, kSpeciesCount> keys{};
  for (std::size_t i = 0; i < kSpeciesCount; ++i) keys[i] = kSpecies[i].key;
  return keys;
}();

// Each group's members are a contiguous run of the species table.
inline constexpr std::array<MenuGroup, 8> kMenuGroups{{
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

inline constexpr std::array<LabelledKey, 5> kCoats{{
    {"black", {"Чорний", "Чёрный", "Black", "Czarne"}},
    {"white", {"Білий", "Белый", "White", "Białe"}},
    {"ginger", {"Рудий", "Рыжий", "Ginger", "Rude"}},
    {"gray", {"Сірий", "Серый", "Gray", "Szare"}},
    {"siamese", {"Сіамський", "Сиамский", "Siamese", "Syjamskie"}},
}};

inline constexpr std::array<LabelledKey, 3> kSizes{{
    {"S", {"Малий", "Маленький", "Small", "Mały"}},
    {"M", {"Середній", "Средний", "Medium", "Średni"}},
    {"L", {"Великий", "Большой", "Large", "Duży"}},
}};

inline constexpr std::array<LabelledKey, 8> kOutfits{{
    {"season", {"За сезоном", "По сезону", "Seasonal", "Sezonowe"}},
    {"none", {"Без шапочки", "Без шапочки", "None", "Brak"}},
    {"santa", {"Ковпак", "Колпак", "Santa Hat", "Czapka Mikołaja"}},
    {"beanie", {"Біні", "Бини", "Beanie", "Czapka zimowa"}},
    {"party", {"Ковпачок", "Колпачок", "Party Hat", "Czapeczka urodzinowa"}},
    {"crown", {"Корона", "Корона", "Crown", "Korona"}},
    {"wreath", {"Віночок", "Венок", "Wreath", "Wianek"}},
    {"bow", {"Бантик", "Бантик", "Bow", "Kokarda"}},
}};

inline constexpr Localized kCoatTitle{"Забарвлення кота", "Окрас кота", "Cat Coat", "Umaszczenie kota"};
inline constexpr Localized kSizeTitle{"Розмір", "Размер", "Size", "Rozmiar"};
inline constexpr Localized kOutfitTitle{"Шапочка", "Шапочка", "Hat / Accessory", "Nakrycia głowy i dodatki"};

}  // namespace burrowly
