#pragma once
// A guard for untrusted JSON: the parser and the values it builds recurse, so input
// nested deeper than any real file or message is refused before parsing; the limit
// stays far from exhausting the stack.

#include <string_view>

namespace burrowly {

inline constexpr int kMaxJsonNesting = 512;

// False when arrays and objects (outside strings) nest deeper than limit.
bool json_nesting_within(std::string_view text, int limit = kMaxJsonNesting);

}  // namespace burrowly
