#pragma once
// Whole-file reads and writes, renames and folders. Paths are UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowly {

// The platform's path separator: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// The largest file read_file returns; settings files are a few hundred bytes.
inline constexpr std::size_t kMaxReadBytes = 1 << 20;

// base, the separator, then name (just name when base is empty).
std::string join_path(std::string_view base, std::string_view name);

// The folder part of path: everything before its last separator, "." when it has none.
std::string parent_folder(std::string_view path);

// The last part of path: everything after its last separator.
std::string file_name(std::string_view path);

// The bytes of a regular file of at most kMaxReadBytes; nothing when the file is
// missing, unreadable, larger, or not a regular file (a folder, a FIFO, a device).
// Never blocks and never holds more than the cap in memory.
std::optional<std::string> read_file(const std::string& path);

// Writes the bytes to a fresh temporary file beside path and flushes it to disk.
// Returns the temporary file's path, or nothing when that failed (no file is left).
std::optional<std::string> write_temp_file(const std::string& path, std::string_view bytes);

// Moves a file over to, replacing to when it exists, or moves a folder to a new
// name. On Windows a short retry covers another process holding the target open.
bool rename_file(const std::string& from, const std::string& to);

bool remove_file(const std::string& path);

// True when anything is at path: a file, a folder, even a link to nothing.
bool path_exists(const std::string& path);

// The names in a folder (without "." and ".."); empty when it cannot be listed.
std::vector<std::string> folder_entries(const std::string& folder);

// Creates the folder and its missing ancestors; true when it exists afterwards.
bool create_directories(const std::string& path);

// Replaces path's content as a whole: a temporary file, flushed, renamed over the
// old one, so a reader sees either the old or the new file, never a partial one.
// A symbolic link at path keeps pointing at its target, which is replaced; the new
// file keeps the old one's permissions. When the folder refuses a new file but the
// file itself is writable, it is rewritten in place instead.
bool write_file_atomic(const std::string& path, std::string_view bytes);

}  // namespace burrowly
