#pragma once
// The user's user-interface language as a Windows language id.

#include <cstdint>

namespace burrowly {

// Windows: GetUserDefaultUILanguage. Elsewhere derived from LC_ALL, LC_MESSAGES and
// LANG (the first one set): Polish, Russian and Ukrainian map to their primary
// language ids, anything else to English (0x0409).
std::uint16_t user_ui_language_id();

}  // namespace burrowly
