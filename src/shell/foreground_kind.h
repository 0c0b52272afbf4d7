#pragma once
// What kind of program the user has in the foreground, from its image file name.

#include <string>
#include <string_view>

namespace burrowly {

// The file name after the last "\" or "/" of an image path.
std::string_view image_file_name(std::string_view path);

// "code", "terminal", "browser", "video", "music", "game", "chat", "design" or empty,
// for a lower-cased file name; a trailing ".exe" is ignored.
std::string_view foreground_kind(std::string_view lower_file_name);

}  // namespace burrowly
