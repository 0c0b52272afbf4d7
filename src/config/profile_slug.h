#pragma once
// Profile ids: how a name becomes an id, and the id of the computer's user.

#include <string>
#include <string_view>

namespace burrowly {

// A lower-case id of ASCII letters, digits, '-' and '_'; never empty.
std::string profile_slug(std::string_view name);
// USERNAME, else USER, else "player".
std::string os_user_name();
std::string user_profile_id();

}  // namespace burrowly
