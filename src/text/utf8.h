#pragma once
// UTF-8 decoding and encoding of Unicode scalar values.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowly {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the scalar value at text[i] and advances i. Invalid input yields nothing
// and advances past the maximal invalid prefix (at least one byte).
std::optional<char32_t> next_scalar(std::string_view text, std::size_t& i);
void append_utf8(std::string& out, char32_t c);

bool is_valid_utf8(std::string_view text);
// Every invalid sequence becomes U+FFFD.
std::string repair_utf8(std::string_view bytes);
std::vector<char32_t> decode_utf8(std::string_view text);

}  // namespace burrowly
