#include "engine/chatter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

namespace burrowly {
namespace {

// Species whose sound word is a row of the text table.
struct TableWord {
  std::string_view species;
  Ui row;
};

constexpr TableWord kTableWords[] = {
    {"cat", Ui::meow},         {"manul", Ui::meow},
    {"shpic", Ui::woof},       {"corgi", Ui::woof},      {"taksa", Ui::woof},      {"husky", Ui::woof},
    {"frenchie", Ui::woof},    {"chihuahua", Ui::woof},  {"cocker", Ui::woof},     {"fox", Ui::woof},
    {"rabbit", Ui::squeak},    {"hamster", Ui::squeak},  {"guineapig", Ui::squeak},
    {"chinchilla", Ui::squeak}, {"ferret", Ui::squeak},
    {"hedgehog", Ui::rustle},  {"turtle", Ui::rustle},
    {"parrot", Ui::chirp},
};

// Species with a word of their own, in language order: uk, ru, en, pl.
struct OwnWord {
  std::string_view species;
  Localized word;
};

constexpr OwnWord kOwnWords[] = {
    {"squirrel", {"цок!", "цок!", "chirr!", "cyk!"}},
    {"panda", {"хрум-хрум!", "хрум-хрум!", "nom-nom!", "chrup!"}},
    {"crocodile", {"клац!", "клац!", "snap!", "kłap!"}},
    {"koala", {"гррм!", "гррм!", "grunt!", "mrr!"}},
    {"kangaroo", {"топ!", "топ!", "boing!", "hop!"}},
    {"monkey", {"у-а-а!", "у-а-а!", "ooh-ooh!", "u-a!"}},
    {"lion", {"р-р-р!", "р-р-р!", "rawr!", "wrrr!"}},
    {"pelican", {"гра!", "гра!", "honk!", "gra!"}},
    {"flamingo", {"ґа-ґа!", "га-га!", "honk-honk!", "gę-gę!"}},
    {"owl", {"ух-ух!", "ух-ух!", "hoo-hoo!", "hu-hu!"}},
    {"penguin", {"кря-ку!", "кряк-ку!", "squawk!", "skrzek!"}},
    {"duck", {"кря!", "кря!", "quack!", "kwa!"}},
    {"goat", {"ме-е!", "ме-е!", "maa!", "mee!"}},
    {"minipig", {"рох-рох!", "хрю-хрю!", "oink!", "chrum!"}},
    {"sheep", {"бе-е!", "бе-е!", "baa!", "bee!"}},
    {"butterfly", {"шурх!", "шурх!", "flutter!", "frr!"}},
    {"frog", {"ква!", "ква!", "ribbit!", "kum!"}},
    {"ladybug", {"дзинь!", "дзынь!", "bzz!", "bzz!"}},
    {"tarantula", {"тук-тук!", "тук-тук!", "tap-tap!", "tup-tup!"}},
};

// The remarks about one kind of foreground program.
struct Remarks {
  std::string_view category;
  std::array<std::string_view, 3> lines;
  std::size_t count;
};

constexpr Remarks remarks(std::string_view category, std::initializer_list<std::string_view> lines) {
  Remarks r{category, {}, lines.size()};
  std::copy(lines.begin(), lines.end(), r.lines.begin());
  return r;
}

constexpr std::array<std::array<Remarks, 8>, kLanguageCount> kRemarks{{
    // Ukrainian.
    {{
        remarks("code", {"знову пишеш код?", "крапка з комою на місці?", "я перевіряю дифи"}),
        remarks("chat", {"тільки короткі відповіді!", "мітинг чи чат?", "я мовчки поруч"}),
        remarks("game", {"удачі в каточці!", "тримай фпс!"}),
        remarks("video", {"хрум-хрум серіал?", "що дивимось?"}),
        remarks("music", {"хороший біт", "я у навушниках"}),
        remarks("design", {"рівняєш на око?", "гарна палітра", "ще піксель вліво"}),
        remarks("browser", {"знову 40 вкладок?", "та сама вкладка?", "я стережу курсор"}),
        remarks("terminal", {"черговий білд...", "компілюється ще?", "тримай логи в порядку"}),
    }},
    // Russian.
    {{
        remarks("code", {"опять код?", "все тесты зелёные?", "я присматриваю за кодом"}),
        remarks("chat", {"только короткие ответы!", "созвон или переписка?", "я тихонько рядом"}),
        remarks("game", {"удачной катки!", "не забудь про воду между матчами"}),
        remarks("video", {"что смотрим?", "пауза на чаёк?"}),
        remarks("music", {"классный ритм", "качаю головой в такт"}),
        remarks("design", {"двинем ещё на пиксель?", "красивый макет", "ровненько!"}),
        remarks("browser", {"опять 40 вкладок?", "та самая вкладка?", "сторожу твой курсор"}),
        remarks("terminal", {"очередная сборка...", "всё ещё компилится?", "жду зелёный статус"}),
    }},
    // English.
    {{
        remarks("code", {"shipping another feature?", "all tests green?", "pair programming buddy here"}),
        remarks("chat", {"keep it snappy!", "meeting or ping?", "quietly supervising"}),
        remarks("game", {"good luck, have fun!", "hydrate between matches!"}),
        remarks("video", {"what are we watching?", "snack break time?"}),
        remarks("music", {"great beat", "vibing along"}),
        remarks("design", {"one more pixel left?", "nice palette!", "eyeballing kerning?"}),
        remarks("browser", {"40 tabs open again?", "doomscrolling or docs?", "guarding your cursor"}),
        remarks("terminal", {"another build running...", "still compiling?", "watching exit codes"}),
    }},
    // Polish.
    {{
        remarks("code", {"testy już zielone?", "przejrzę z tobą zmiany"}),
        remarks("chat", {"spotkanie czy wiadomość?", "posiedzę cichutko"}),
        remarks("game", {"powodzenia!", "łyk wody między rundami?"}),
        remarks("video", {"co oglądamy?", "przerwa na przekąskę?"}),
        remarks("music", {"dobry rytm!", "łapka sama stuka"}),
        remarks("design", {"piksel w lewo?", "ładne kolory!"}),
        remarks("browser", {"znów czterdzieści kart?", "pilnuję kursora"}),
        remarks("terminal", {"jeszcze się kompiluje?", "pilnuję wyniku"}),
    }},
}};

struct Suffixes {
  std::string_view night;  // before 5 o'clock
  std::string_view early;  // 5 to 8 o'clock
};

constexpr std::array<Suffixes, kLanguageCount> kSuffixes{{
    {" о другій ночі?", " так рано?"},
    {" в два часа ночи?", " в такую рань?"},
    {" at 2am?", " this early?"},
    {" o tej porze?", " tak wcześnie?"},
}};

constexpr Localized kHundredDays{"100 днів разом!", "100 дней вместе!", "100 days together!", "Już 100 dni razem!"};

std::size_t index_of(Language lang) { return static_cast<std::size_t>(lang); }

}  // namespace

std::string_view line(Language lang, Ui row) { return ui_strings(lang)[row]; }

std::string_view line(Language lang, std::size_t row) {
  return row < kUiSlotCount ? ui_strings(lang)[row] : std::string_view{};
}

std::string_view sound_word(Language lang, std::string_view species) {
  for (const OwnWord& own : kOwnWords)
    if (own.species == species) return in(own.word, lang);
  for (const TableWord& word : kTableWords)
    if (word.species == species) return line(lang, word.row);
  return line(lang, Ui::woof);
}

std::span<const std::string_view> app_lines(Language lang, std::string_view category) {
  for (const Remarks& r : kRemarks[index_of(lang)])
    if (r.category == category) return {r.lines.data(), r.count};
  return {};
}

std::optional<std::string_view> time_suffix(Language lang, int hour) {
  if (hour < 5) return kSuffixes[index_of(lang)].night;
  if (hour < 9) return kSuffixes[index_of(lang)].early;
  return std::nullopt;
}

std::string_view hundred_days(Language lang) { return in(kHundredDays, lang); }

std::optional<std::string_view> anniversary_line(Language lang, std::int64_t days) {
  switch (days) {
    case 7: return line(lang, Ui::one_week);
    case 30: return line(lang, Ui::one_month);
    case 100: return hundred_days(lang);
    case 365: return line(lang, Ui::one_year);
    default: return std::nullopt;
  }
}

std::string cpu_heat_line(Language lang, double cpu_load_percent) {
  // A reading outside 0..100 (or not a number) is a sensing glitch; it must not
  // turn into an absurd or overflowing number in the bubble.
  const double load = std::isnan(cpu_load_percent) ? 0.0 : std::clamp(cpu_load_percent, 0.0, 100.0);
  std::string words(line(lang, Ui::cpu_warm));
  words += ' ';
  words += std::to_string(std::lround(load));
  words += '%';
  return words;
}

std::string profile_greeting(Language lang, std::string_view profile_display, std::string_view species) {
  std::string words(profile_display);
  words += ": ";
  words += sound_word(lang, species);
  return words;
}

}  // namespace burrowly
