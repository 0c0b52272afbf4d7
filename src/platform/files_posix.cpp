#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>

#include "platform/files.h"

namespace burrowly {
namespace {

// Symbolic links followed before giving up, as the kernel does.
constexpr int kMaxLinkHops = 40;

// Writes all bytes, retrying interrupted and partial writes.
bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool write_and_close(int fd, std::string_view bytes) {
  bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

// Makes a finished rename survive a power cut: the folder's entry is flushed too.
void sync_parent_folder(const std::string& path) {
  int fd = ::open(parent_folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool is_directory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The file a chain of symbolic links at path ends in (path itself when it is no link).
std::string resolve_links(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    char target[PATH_MAX];
    ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof target) break;
    std::string link(target, static_cast<std::size_t>(length));
    path = link.starts_with('/') ? link : join_path(parent_folder(path), link);
  }
  return path;
}

// A new, empty file beside path with a short name of its own (so a long file name
// still leaves room for it); its descriptor, or -1 with errno set.
int create_temp_file(const std::string& path, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = parent_folder(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = join_path(folder, ".burrowly-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Rewrites an existing regular file through truncation: not crash-safe, the last
// resort when its folder takes no new file.
bool write_in_place(const std::string& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return false;
  }
  return write_and_close(fd, bytes);
}

}  // namespace

const char kPathSeparator = '/';

std::optional<std::string> read_file(const std::string& path) {
  // Non-blocking, so opening a FIFO returns at once; it is then refused as no regular file.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > kMaxReadBytes) {
    ::close(fd);
    return std::nullopt;
  }
  // Room for one byte beyond the size read, to see a file that grew since; it may
  // grow up to one byte beyond the cap, which shows it too large.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > kMaxReadBytes) break;
      bytes.resize(std::min(2 * filled, kMaxReadBytes + 1));
    }
    ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (filled > kMaxReadBytes) return std::nullopt;
  bytes.resize(filled);
  return bytes;
}

std::optional<std::string> write_temp_file(const std::string& path, std::string_view bytes) {
  std::string temp;
  int fd = create_temp_file(path, temp);
  if (fd < 0) return std::nullopt;
  if (write_and_close(fd, bytes)) return temp;
  ::unlink(temp.c_str());
  return std::nullopt;
}

bool write_file_atomic(const std::string& path, std::string_view bytes) {
  const std::string target = resolve_links(path);
  std::string temp;
  int fd = create_temp_file(target, temp);
  if (fd < 0) return (errno == EACCES || errno == EPERM) && write_in_place(target, bytes);
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  if (write_and_close(fd, bytes) && rename_file(temp, target)) return true;
  ::unlink(temp.c_str());
  return false;
}

bool rename_file(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  sync_parent_folder(to);
  return true;
}

bool remove_file(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool path_exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> folder_entries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

bool create_directories(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    ::mkdir(path.substr(0, slash).c_str(), 0777);
  ::mkdir(path.c_str(), 0777);
  return is_directory(path);
}

}  // namespace burrowly
