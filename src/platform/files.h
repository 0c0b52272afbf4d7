#pragma once
// Whole-file reads and writes, renames and folders. Paths are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// The platform's path separator: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// base, the separator, then name (just name when base is empty).
std::string join_path(std::string_view base, std::string_view name);

// The file's bytes; nothing when it is missing or cannot be read.
std::optional<std::string> read_file(const std::string& path);

// Writes the bytes to a fresh temporary file beside path and flushes it to disk.
// Returns the temporary file's path, or nothing when that failed (no file is left).
std::optional<std::string> write_temp_file(const std::string& path, std::string_view bytes);

// Moves from over to, replacing to when it exists. On Windows a short retry covers
// another process holding the target open.
bool rename_file(const std::string& from, const std::string& to);

bool remove_file(const std::string& path);

// Creates the folder and its missing ancestors; true when it exists afterwards.
bool create_directories(const std::string& path);

// Replaces path's content as a whole: a temporary file, flushed, renamed over the
// old one. A reader sees either the old or the new file, never a partial one.
bool write_file_atomic(const std::string& path, std::string_view bytes);

}  // namespace burrowly
