#pragma once
// Unicode character properties over UTF-8 text.

#include <string_view>

namespace burrowly {

// Unicode White_Space property.
bool is_unicode_white_space(char32_t c);

// The text without Unicode white space at either end.
std::string_view trim_unicode_space(std::string_view text);

}  // namespace burrowly
