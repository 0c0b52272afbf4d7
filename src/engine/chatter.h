#pragma once
// Everything the pet says: fixed lines, sound words, remarks about the foreground
// program, time-of-day suffixes and the formatted lines.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "assets/language.h"
#include "config/ui_strings.h"

namespace burrowly {

// A fixed line of the text table.
std::string_view line(Language lang, Ui row);
std::string_view line(Language lang, std::size_t row);

// The species' sound word; the "woof!" word for species without their own.
std::string_view sound_word(Language lang, std::string_view species);

// Two or three remarks for a program kind ("code", "chat", ...); empty when unknown.
std::span<const std::string_view> app_lines(Language lang, std::string_view category);

// " at 2am?" style suffix before 5 o'clock, " this early?" from 5 to 8, nothing later.
std::optional<std::string_view> time_suffix(Language lang, int hour);

std::string_view hundred_days(Language lang);

// The anniversary line of day 7, 30, 100 or 365; nothing for other days.
std::optional<std::string_view> anniversary_line(Language lang, std::int64_t days);

// "warm here! CPU 87%": the load rounded, negative loads as 0.
std::string cpu_heat_line(Language lang, double cpu_load_percent);

// "{display name}: {sound word}".
std::string profile_greeting(Language lang, std::string_view profile_display, std::string_view species);

}  // namespace burrowly
