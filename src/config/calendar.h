#pragma once
// Day marks ("YYYY-MM-DD" local dates) and the days a profile has been together with
// the user.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assets/language.h"

namespace burrowly {

std::string day_mark(int year, int month, int day);

// Day number of a proleptic Gregorian date (1970-01-01 is 0); month and day are not
// range-checked.
std::int64_t days_from_civil(std::int64_t year, std::int64_t month, std::int64_t day);
// The last year a day mark may name.
inline constexpr std::int64_t kLastYear = 9999;

// The day number of a mark written as three "-"-separated decimal numbers: a year
// from 0 to kLastYear, a month from 1 to 12 and a day from 1 to 31.
std::optional<std::int64_t> day_number(std::string_view mark);

struct CivilDate {
  std::int64_t year;
  int month;  // 1-12
  int day;    // 1-31
};

// The date of a day number, the inverse of days_from_civil.
CivilDate civil_from_days(std::int64_t days);

// The first day is day 1; a future or unparsable first day also counts as day 1.
std::int64_t days_together(std::string_view first_day, std::string_view today);

// The word after the number of days: Polish "dnia"/"dni", Russian and Ukrainian by
// their plural rules; empty in English, whose line carries its own word.
std::string_view day_word(Language lang, std::int64_t days);

// The tray's days-together line, "{line} [{profile_display}]".
std::string days_together_line(Language lang, std::string_view pet_name, std::int64_t days,
                               std::string_view profile_display);

}  // namespace burrowly
