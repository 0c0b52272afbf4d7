#pragma once
// One profile's settings file: defaults, the strict reader, the repair after reading,
// the daily counter reset and the pretty-printed writer.

#include <optional>
#include <string>
#include <string_view>

#include "config/config.h"

namespace burrowly {

// Every field at its default: the OS user's profile id (also the display name), the
// detected language and today's date in the three day fields.
Config default_config();

// Today's local date as "YYYY-MM-DD".
std::string today_string();

// The record in the text, missing keys taken from default_config; nothing when the
// text is not one JSON object of the right shape (duplicate key, wrong type, number
// out of its 32-bit range or with a fraction, unknown "position").
std::optional<Config> read_config(std::string_view text);

// Replaces blank ids and unknown catalogue keys, then rolls the daily counters over
// to today.
void normalize_config(Config& config);

// The exact text of the record's file.
std::string config_text(const Config& config);

// Writes the record to profile_config_path(profile_id), creating folders as needed.
// False on an I/O error; the record is never changed.
bool save_config(const Config& config);

}  // namespace burrowly
