#include <windows.h>

#include "platform/ui_language.h"

namespace burrowly {

std::uint16_t user_ui_language_id() { return GetUserDefaultUILanguage(); }

}  // namespace burrowly
