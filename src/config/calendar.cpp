#include "config/calendar.h"

#include <charconv>
#include <cstdio>


namespace burrowly {
namespace {

std::optional<std::int64_t> parse_number(std::string_view text) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string day_mark(int year, int month, int day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

// Howard Hinnant's days-from-civil: eras of 400 years, years starting in March.
std::int64_t days_from_civil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

std::optional<std::int64_t> day_number(std::string_view mark) {
  const std::size_t first = mark.find('-');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = mark.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  auto year = parse_number(mark.substr(0, first));
  auto month = parse_number(mark.substr(first + 1, second - first - 1));
  auto day = parse_number(mark.substr(second + 1));
  if (!year || !month || !day) return std::nullopt;
  // Bounds keep the day count far from overflow whatever a hand-edited file says.
  if (*year < 0 || *year > kLastYear || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  return days_from_civil(*year, *month, *day);
}

CivilDate civil_from_days(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
  const std::int64_t day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  const std::int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  return {year_of_era + era * 400 + (month <= 2 ? 1 : 0), static_cast<int>(month), static_cast<int>(day)};
}

std::int64_t days_together(std::string_view first_day, std::string_view today) {
  auto first = day_number(first_day);
  auto now = day_number(today);
  if (!first || !now) return 1;
  const std::int64_t n = *now - *first + 1;
  return n < 1 ? 1 : n;
}

std::string_view day_word(Language lang, std::int64_t days) {
  const std::int64_t ones = days % 10;
  const std::int64_t tens = days % 100;
  const bool teen = tens >= 11 && tens <= 14;
  switch (lang) {
    case Language::pl:
      return days == 1 ? "dnia" : "dni";
    case Language::ru:
      if (ones == 1 && !teen) return "день";
      if (ones >= 2 && ones <= 4 && !teen) return "дня";
      return "дней";
    case Language::uk:
      if (ones == 1 && !teen) return "день";
      if (ones >= 2 && ones <= 4 && !teen) return "дні";
      return "днів";
    case Language::en:
      break;
  }
  return "";
}

std::string days_together_line(Language lang, std::string_view pet_name, std::int64_t days,
                               std::string_view profile_display) {
  const std::string count = std::to_string(days);
  std::string line(pet_name);
  switch (lang) {
    case Language::en:
      line += days == 1 ? ", 1 day together" : ", " + count + " days together";
      break;
    case Language::pl:
      line += " — razem od " + count + " " + std::string(day_word(lang, days));
      break;
    case Language::ru:
      line += " с тобой " + count + " " + std::string(day_word(lang, days));
      break;
    case Language::uk:
      line += " з тобою " + count + " " + std::string(day_word(lang, days));
      break;
  }
  return line + " [" + std::string(profile_display) + "]";
}

}  // namespace burrowly
