#include <cstdint>
#include <cstdio>

#include "config/profile_slug.h"
#include "platform/env.h"
#include "text/unicode.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

std::uint32_t fnv1a(std::string_view bytes) {
  std::uint32_t hash = 0x811C9DC5u;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 16777619u;
  }
  return hash;
}

// The name's FNV-1a hash in lower-case hexadecimal, at least digits long.
std::string hash_text(std::string_view name, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", digits, static_cast<unsigned>(fnv1a(name)));
  return text;
}

bool is_kept_character(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

std::string profile_slug(std::string_view name) {
  std::string slug;
  for (std::size_t i = 0; i < name.size();) {
    std::optional<char32_t> c = next_scalar(name, i);
    if (!c) continue;
    if (is_kept_character(*c)) {
      slug += (*c >= 'A' && *c <= 'Z') ? static_cast<char>(*c - 'A' + 'a') : static_cast<char>(*c);
    } else if ((*c == '-' || is_unicode_white_space(*c)) && !slug.empty() && slug.back() != '-') {
      // A run of hyphens and spaces becomes one hyphen: "a - b" gives "a-b".
      slug += '-';
    }
  }
  if (!slug.empty() && slug.back() == '-') slug.pop_back();
  if (slug.empty()) return "user-" + hash_text(name, 6);
  if (slug.size() <= kMaxSlugBytes) return slug;

  // Cut, with the whole name's hash, so two long names that begin alike stay apart.
  const std::string hash = hash_text(name, 8);
  slug.resize(kMaxSlugBytes - 1 - hash.size());
  while (slug.back() == '-') slug.pop_back();
  return slug + "-" + hash;
}

std::string os_user_name() {
  if (std::optional<std::string> name = env_var("USERNAME")) return *name;
  if (std::optional<std::string> name = env_var("USER")) return *name;
  return "player";
}

std::string user_profile_id() {
  return profile_slug(os_user_name());
}

}  // namespace burrowly
