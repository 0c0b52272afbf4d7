#include "shell/menu_texts.h"

#include <algorithm>
#include <array>

namespace burrowly {
namespace {

struct Entry {
  int number;
  Localized text;
};

// Texts in language order: uk, ru, en, pl.
constexpr std::array<Entry, 67> kEntries{{
    {0, {"Вкласти спати", "Уложить спать", "Put to sleep", "Uśpij"}},
    {1, {"Розбудити", "Разбудить", "Wake up", "Obudź"}},
    {2, {"Сховати улюбленця", "Спрятать питомца", "Hide pet", "Ukryj zwierzaka"}},
    {3, {"Показати улюбленця", "Показать питомца", "Show pet", "Pokaż zwierzaka"}},
    {4, {"Кинути клубок", "Бросить клубок", "Throw yarn ball", "Rzuć kłębek"}},
    {5, {"Кинути фрисбі", "Бросить фрисби", "Throw frisbee", "Rzuć frisbee"}},
    {6, {"Кинути смаколик", "Бросить угощение", "Toss treat", "Rzuć przysmak"}},
    {7, {"Звірятко", "Питомец", "Animal Pet", "Zwierzak"}},
    {8, {"Коти та дикі кішки", "Коты и дикие кошки", "Cats & Wild Felines", "Koty"}},
    {9, {"Собаки", "Собаки", "Dogs", "Psy"}},
    {10, {"Пухнасті та гризуни", "Пушистые и грызуны", "Small & Fluffy Pets", "Małe ssaki"}},
    {11, {"Птахи, лиси та екзотика", "Птицы, лисы и экзотика", "Birds, Fox & Reptiles", "Ptaki, lis i gady"}},
    {30, {"Профіль користувача", "Профиль пользователя", "User Profile", "Profil użytkownika"}},
    {31, {"+ Новий профіль...", "+ Новый профиль...", "+ New Profile...", "Nowy profil…"}},
    {32, {"Перейменувати профіль...", "Переименовать профиль...", "Rename Profile...", "Zmień nazwę profilu…"}},
    {33, {"Видалити поточний профіль", "Удалить текущий профиль", "Delete Current Profile", "Usuń bieżący profil"}},
    {34, {"Ім'я нового користувача", "Имя нового пользователя", "New user profile name", "Nazwa nowego profilu"}},
    {35, {"Нове ім'я профілю", "Новое имя профиля", "Rename profile", "Nowa nazwa profilu"}},
    {36, {"Де живе", "Где живёт", "Habitat Position", "Położenie"}},
    {37, {"Над панеллю завдань", "Над панелью задач", "Above Taskbar", "Nad paskiem zadań"}},
    {38, {"Зверху екрана", "Сверху экрана", "Top Edge", "Górna krawędź"}},
    {39, {"Виступ зверху (острівець)", "Выступ сверху (чёлка)", "Top Notch Island", "Wyspa u góry ekranu"}},
    {40, {"Розмір", "Размер", "Size", "Rozmiar"}},
    {41, {"Малий", "Маленький", "Small", "Mały"}},
    {42, {"Середній", "Средний", "Medium", "Średni"}},
    {43, {"Великий", "Большой", "Large", "Duży"}},
    {44, {"Забарвлення кота", "Окрас кота", "Cat Coat", "Umaszczenie kota"}},
    {45, {"Чорний", "Чёрный", "Black", "Czarne"}},
    {46, {"Білий", "Белый", "White", "Białe"}},
    {47, {"Рудий", "Рыжий", "Ginger", "Rude"}},
    {48, {"Сірий", "Серый", "Gray", "Szare"}},
    {49, {"Сіамський", "Сиамский", "Siamese", "Syjamskie"}},
    {50, {"Шапочка", "Шапочка", "Hat / Accessory", "Nakrycia głowy i dodatki"}},
    {51, {"За сезоном", "По сезону", "Seasonal", "Sezonowe"}},
    {52, {"Без шапочки", "Без шапочки", "None", "Brak"}},
    {53, {"Ковпак", "Колпак", "Santa Hat", "Czapka Mikołaja"}},
    {54, {"Біні", "Бини", "Beanie", "Czapka zimowa"}},
    {55, {"Ковпачок", "Колпачок", "Party Hat", "Czapeczka urodzinowa"}},
    {56, {"Корона", "Корона", "Crown", "Korona"}},
    {57, {"Віночок", "Венок", "Wreath", "Wianek"}},
    {58, {"Бантик", "Бантик", "Bow", "Kokarda"}},
    {59, {"Характер", "Характер", "Personality", "Charakter"}},
    {60, {"Спокійний", "Спокойный", "Calm", "Spokojny"}},
    {61, {"Звичайний", "Обычный", "Balanced", "Zrównoważony"}},
    {62, {"Грайливий", "Игривый", "Playful", "Skory do zabawy"}},
    {63, {"Нагадування", "Напоминания", "Care Reminders", "Przypomnienia"}},
    {64, {"Перерва", "Перерыв", "Break", "Przerwa"}},
    {65, {"Вода", "Вода", "Water", "Woda"}},
    {66, {"Обід", "Обед", "Lunch", "Obiad"}},
    {67, {"Сон", "Отбой", "Bedtime", "Pora snu"}},
    {68, {"Вимкнено", "Выключено", "Off", "Wyłączone"}},
    {69, {"Кожні 25 хв", "Каждые 25 мин", "Every 25 min", "Co 25 min"}},
    {70, {"Кожні 50 хв", "Каждые 50 мин", "Every 50 min", "Co 50 min"}},
    {71, {"Кожні 30 хв", "Каждые 30 мин", "Every 30 min", "Co 30 min"}},
    {72, {"Щогодини", "Каждый час", "Every hour", "Co godzinę"}},
    {73, {"Кожні 90 хв", "Каждые 90 мин", "Every 90 min", "Co 90 min"}},
    {74, {"Назвати звірятко...", "Назвать питомца...", "Name Pet...", "Nadaj imię…"}},
    {75, {"Ім'я твого улюбленця", "Кличка питомца", "Pet nickname", "Imię zwierzaka"}},
    {76, {"Гаразд", "Ок", "OK", "OK"}},
    {77, {"Скасувати", "Отмена", "Cancel", "Anuluj"}},
    {78, {"Балакучий режим", "Болтливый режим", "Chatty remarks", "Pogawędki"}},
    {79, {"Реагувати на ПК", "Следить за состоянием ПК", "System vitals monitor", "Monitoruj stan komputera"}},
    {80, {"Слідкувати за набором", "Реагировать на набор текста", "Typing reaction", "Reaguj na pisanie"}},
    {81, {"Ходити між моніторами", "Гулять по всем мониторам", "Roam all monitors", "Spaceruj po wszystkich monitorach"}},
    {82, {"Запускати разом із Windows", "Запускать при входе в Windows", "Start with Windows", "Uruchamiaj przy logowaniu"}},
    {83, {"Мова", "Язык", "Language", "Język"}},
    {84, {"Вийти", "Выйти", "Quit", "Zakończ"}},
}};

}  // namespace

std::string_view menu_text(Language lang, int entry) {
  auto it = std::find_if(kEntries.begin(), kEntries.end(), [entry](const Entry& e) { return e.number == entry; });
  return it == kEntries.end() ? std::string_view{} : in(it->text, lang);
}

}  // namespace burrowly
