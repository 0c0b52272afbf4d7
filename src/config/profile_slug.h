#pragma once
// Profile ids: how a name becomes an id, and the id of the computer's user.

#include <cstddef>
#include <string>
#include <string_view>

namespace burrowly {

// The longest id: its file name, and on POSIX the socket path made from the OS
// user's id, stay well within the platforms' limits.
inline constexpr std::size_t kMaxSlugBytes = 64;

// A lower-case id of ASCII letters, digits, '-' and '_' of at most kMaxSlugBytes;
// never empty. A longer one is cut and ends with '-' and a hash of the whole name.
std::string profile_slug(std::string_view name);
// USERNAME, else USER, else "player".
std::string os_user_name();
std::string user_profile_id();

}  // namespace burrowly
