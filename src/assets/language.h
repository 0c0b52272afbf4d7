#pragma once
// The four user-interface languages, in the fixed order that indexes every
// per-language table.

#include <array>
#include <cstddef>
#include <string_view>

namespace burrowly {

enum class Language : std::size_t { uk = 0, ru = 1, en = 2, pl = 3 };

inline constexpr std::size_t kLanguageCount = 4;

// One text per language, indexed by Language.
using Localized = std::array<std::string_view, kLanguageCount>;

constexpr std::string_view in(const Localized& texts, Language lang) {
  return texts[static_cast<std::size_t>(lang)];
}

}  // namespace burrowly
