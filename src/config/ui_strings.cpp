#include "config/ui_strings.h"

#include "assets/catalogue_tables.h"

namespace burrowly {
namespace {

// A slot whose text is the same in every language.
constexpr Localized everywhere(std::string_view text) { return {text, text, text, text}; }

// Every slot's texts in language order: uk, ru, en, pl.
constexpr std::array<Localized, kUiSlotCount> kSlots{{
    // Tray menu and name dialog.
    /* 0 */ {"Вкласти спати", "Уложить спать", "Put to sleep", "Uśpij"},
    /* 1 */ {"Розбудити", "Разбудить", "Wake up", "Obudź"},
    /* 2 */ {"Сховати улюбленця", "Спрятать питомца", "Hide pet", "Ukryj zwierzaka"},
    /* 3 */ {"Показати улюбленця", "Показать питомца", "Show pet", "Pokaż zwierzaka"},
    /* 4 */ {"Кинути клубок", "Бросить клубок", "Throw yarn ball", "Rzuć kłębek"},
    /* 5 */ {"Кинути фрисбі", "Бросить фрисби", "Throw frisbee", "Rzuć frisbee"},
    /* 6 */ {"Кинути смаколик", "Бросить угощение", "Toss treat", "Rzuć przysmak"},
    /* 7 */ {"Звірятко", "Питомец", "Animal Pet", "Zwierzak"},
    /* 8 */ kMenuGroups[0].label,
    /* 9 */ kMenuGroups[1].label,
    /* 10 */ kMenuGroups[2].label,
    /* 11 */ kMenuGroups[3].label,
    /* 12 */ kSpecies[0].name,
    /* 13 */ kSpecies[1].name,
    /* 14 */ kSpecies[2].name,
    /* 15 */ kSpecies[3].name,
    /* 16 */ kSpecies[4].name,
    /* 17 */ kSpecies[5].name,
    /* 18 */ kSpecies[6].name,
    /* 19 */ kSpecies[7].name,
    /* 20 */ kSpecies[8].name,
    /* 21 */ kSpecies[9].name,
    /* 22 */ kSpecies[10].name,
    /* 23 */ kSpecies[11].name,
    /* 24 */ kSpecies[12].name,
    /* 25 */ kSpecies[13].name,
    /* 26 */ kSpecies[14].name,
    /* 27 */ kSpecies[15].name,
    /* 28 */ kSpecies[16].name,
    /* 29 */ kSpecies[17].name,
    /* 30 */ {"Профіль користувача", "Профиль пользователя", "User Profile", "Profil użytkownika"},
    /* 31 */ {"+ Новий профіль...", "+ Новый профиль...", "+ New Profile...", "Nowy profil…"},
    /* 32 */ {"Перейменувати профіль...", "Переименовать профиль...", "Rename Profile...", "Zmień nazwę profilu…"},
    /* 33 */ {"Видалити поточний профіль", "Удалить текущий профиль", "Delete Current Profile", "Usuń bieżący profil"},
    /* 34 */ {"Ім'я нового користувача", "Имя нового пользователя", "New user profile name", "Nazwa nowego profilu"},
    /* 35 */ {"Нове ім'я профілю", "Новое имя профиля", "Rename profile", "Nowa nazwa profilu"},
    /* 36 */ {"Де живе", "Где живёт", "Habitat Position", "Położenie"},
    /* 37 */ {"Над панеллю завдань", "Над панелью задач", "Above Taskbar", "Nad paskiem zadań"},
    /* 38 */ {"Зверху екрана", "Сверху экрана", "Top Edge", "Górna krawędź"},
    /* 39 */ {"Виступ зверху (острівець)", "Выступ сверху (чёлка)", "Top Notch Island", "Wyspa u góry ekranu"},
    /* 40 */ kSizeTitle,
    /* 41 */ kSizes[0].label,
    /* 42 */ kSizes[1].label,
    /* 43 */ kSizes[2].label,
    /* 44 */ kCoatTitle,
    /* 45 */ kCoats[0].label,
    /* 46 */ kCoats[1].label,
    /* 47 */ kCoats[2].label,
    /* 48 */ kCoats[3].label,
    /* 49 */ kCoats[4].label,
    /* 50 */ kOutfitTitle,
    /* 51 */ kOutfits[0].label,
    /* 52 */ kOutfits[1].label,
    /* 53 */ kOutfits[2].label,
    /* 54 */ kOutfits[3].label,
    /* 55 */ kOutfits[4].label,
    /* 56 */ kOutfits[5].label,
    /* 57 */ kOutfits[6].label,
    /* 58 */ kOutfits[7].label,
    /* 59 */ {"Характер", "Характер", "Personality", "Charakter"},
    /* 60 */ {"Спокійний", "Спокойный", "Calm", "Spokojny"},
    /* 61 */ {"Звичайний", "Обычный", "Balanced", "Zrównoważony"},
    /* 62 */ {"Грайливий", "Игривый", "Playful", "Skory do zabawy"},
    /* 63 */ {"Нагадування", "Напоминания", "Care Reminders", "Przypomnienia"},
    /* 64 */ {"Перерва", "Перерыв", "Break", "Przerwa"},
    /* 65 */ {"Вода", "Вода", "Water", "Woda"},
    /* 66 */ {"Обід", "Обед", "Lunch", "Obiad"},
    /* 67 */ {"Сон", "Отбой", "Bedtime", "Pora snu"},
    /* 68 */ {"Вимкнено", "Выключено", "Off", "Wyłączone"},
    /* 69 */ {"Кожні 25 хв", "Каждые 25 мин", "Every 25 min", "Co 25 min"},
    /* 70 */ {"Кожні 50 хв", "Каждые 50 мин", "Every 50 min", "Co 50 min"},
    /* 71 */ {"Кожні 30 хв", "Каждые 30 мин", "Every 30 min", "Co 30 min"},
    /* 72 */ {"Щогодини", "Каждый час", "Every hour", "Co godzinę"},
    /* 73 */ {"Кожні 90 хв", "Каждые 90 мин", "Every 90 min", "Co 90 min"},
    /* 74 */ {"Назвати звірятко...", "Назвать питомца...", "Name Pet...", "Nadaj imię…"},
    /* 75 */ {"Ім'я твого улюбленця", "Кличка питомца", "Pet nickname", "Imię zwierzaka"},
    /* 76 */ {"Гаразд", "Ок", "OK", "OK"},
    /* 77 */ {"Скасувати", "Отмена", "Cancel", "Anuluj"},
    /* 78 */ {"Балакучий режим", "Болтливый режим", "Chatty remarks", "Pogawędki"},
    /* 79 */ {"Реагувати на ПК", "Следить за состоянием ПК", "System vitals monitor", "Monitoruj stan komputera"},
    /* 80 */ {"Слідкувати за набором", "Реагировать на набор текста", "Typing reaction", "Reaguj na pisanie"},
    /* 81 */ {"Ходити між моніторами", "Гулять по всем мониторам",
              "Roam all monitors", "Spaceruj po wszystkich monitorach"},
    /* 82 */ {"Запускати разом із Windows", "Запускать при входе в Windows",
              "Start with Windows", "Uruchamiaj przy logowaniu"},
    /* 83 */ {"Мова", "Язык", "Language", "Język"},
    /* 84 */ {"Вийти", "Выйти", "Quit", "Zakończ"},
    // The pet's sounds and remarks.
    /* 85 */ {"мяу", "мяу", "meow", "miau"},
    /* 86 */ {"мурр!", "мурр!", "purr!", "mrr!"},
    /* 87 */ {"фшш!", "пшш!", "hiss!", "fsss!"},
    /* 88 */ {"гав!", "гав!", "woof!", "hau!"},
    /* 89 */ {"аууу!", "аууу!", "awooo!", "auuu!"},
    /* 90 */ {"пі-пі!", "пи-пи!", "squeak!", "pi, pi!"},
    /* 91 */ {"чів-чірік!", "чирик!", "chirp-chirp!", "ćwir!"},
    /* 92 */ {"хрусь!", "шурш!", "rustle!", "szur!"},
    /* 93 */ {"Зробимо перерву, розімнемо лапки!", "сделаем перерыв, разомнём лапки!",
              "stretch break, hooman!", "pora rozprostować łapki!"},
    /* 94 */ {"ой!", "ой!", "ouch!", "auć!"},
    /* 95 */ everywhere("my spot!"),
    /* 96 */ everywhere("scoot over!"),
    /* 97 */ everywhere("my shift now"),
    /* 98 */ everywhere("where'd you go?"),
    /* 99 */ everywhere("running the show!"),
    /* 100 */ {"час попити води!", "пора попить воды!", "water check!", "czas na łyk wody!"},
    /* 101 */ {"час пообідати!", "время перекусить!", "lunchtime!", "pora na obiad!"},
    /* 102 */ {"тепер ти поїж", "теперь ты поешь", "your turn to eat", "teraz ty coś zjedz"},
    /* 103 */ {"доброго ранку!", "доброе утро!", "good morning!", "dzień dobry!"},
    /* 104 */ {"п'ятниця! скоро вихідні", "пятница! впереди выходные", "happy friday!", "piątek! weekend tuż-tuż"},
    /* 105 */ {"пізня година, час відпочити", "поздно уже, пора спать",
              "getting late, wind down", "już późno, czas spać"},
    /* 106 */ {"гаряче! CPU", "горячо! CPU", "warm here! CPU", "gorąco! CPU"},
    /* 107 */ {"фух, охололи", "фух, остыли", "cooled down nicely", "już chłodniej"},
    /* 108 */ {"пам'ять майже повна", "память почти забита", "memory tight", "kończy się pamięć"},
    /* 109 */ {"інтернет зник", "интернет пропал", "lost connection", "brak połączenia"},
    /* 110 */ {"ми знову онлайн!", "мы снова в сети!", "back online!", "znów jesteśmy online!"},
    /* 111 */ {"підживи ноут зарядкою", "подключи зарядку, пожалуйста", "plug me in soon", "podłącz ładowarkę"},
    /* 112 */ {"тиждень разом!", "неделя вместе!", "one week together!", "tydzień razem!"},
    /* 113 */ {"цілий місяць разом!", "месяц вместе!", "one month together!", "miesiąc razem!"},
    /* 114 */ {"рік разом!", "год вместе!", "one full year!", "cały rok razem!"},
    // Messaging.
    /* 115 */ {"ШІ завершив задачу!", "ИИ завершил задачу!", "AI agent finished!", "Zadanie zakończone!"},
    /* 116 */ {"Потрібне твоє підтвердження", "Нужно твоё решение",
              "Waiting on your input", "Potrzebna jest twoja decyzja"},
    /* 117 */ {"готово", "готово", "done", "gotowe"},
    /* 118 */ {"код", "ошибка", "failed", "błąd"},
    /* 119 */ {"усе готово!", "всё готово!", "all done!", "gotowe!"},
    /* 120 */ {"щось пішло не так", "что-то пошло не так", "that failed", "coś poszło nie tak"},
    // Remarks no behaviour speaks.
    /* 121 */ everywhere("tip-tap!"),
    /* 122 */ everywhere("no camera feed yet"),
    // The tray menu on desktops other than Windows.
    /* 123 */ {"Запускати під час входу в систему", "Запускать при входе в систему",
              "Start at login", "Uruchamiaj przy logowaniu"},
}};

constexpr UiStrings table_of(Language lang) {
  UiStrings table{};
  for (std::size_t slot = 0; slot < kUiSlotCount; ++slot) table.slots[slot] = in(kSlots[slot], lang);
  return table;
}

constexpr std::array<UiStrings, kLanguageCount> kTables{table_of(Language::uk), table_of(Language::ru),
                                                        table_of(Language::en), table_of(Language::pl)};

}  // namespace

const UiStrings& ui_strings(Language lang) { return kTables[static_cast<std::size_t>(lang)]; }

}  // namespace burrowly
