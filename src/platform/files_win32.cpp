#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/files.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

// How long a rename waits for another process (a reader, a virus scanner) to let go
// of the target: 25 tries, 20 ms apart.
constexpr int kRenameTries = 25;
constexpr DWORD kRenamePauseMs = 20;

bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool write_and_close(HANDLE file, std::string_view bytes) {
  bool ok = write_all(file, bytes) && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

bool held_by_another_process(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool is_directory(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The file a symbolic link at path ends in (path itself when it is no link).
std::string resolve_links(const std::string& path) {
  std::wstring wide = to_wide(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
  HANDLE file = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  wchar_t final_path[MAX_PATH * 4];
  DWORD length = GetFinalPathNameByHandleW(file, final_path, MAX_PATH * 4, VOLUME_NAME_DOS);
  CloseHandle(file);
  if (length == 0 || length >= MAX_PATH * 4) return path;
  std::wstring resolved(final_path, length);
  if (resolved.starts_with(L"\\\\?\\")) resolved.erase(0, 4);
  return from_wide(resolved);
}

// A new, empty file beside path with a short name of its own (so a long file name
// still leaves room for it); INVALID_HANDLE_VALUE with the last error set on failure.
HANDLE create_temp_file(const std::string& path, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = parent_folder(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = join_path(folder, ".burrowly-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(counter++) + ".tmp");
    HANDLE file = CreateFileW(to_wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Rewrites an existing file through truncation: not crash-safe, the last resort when
// its folder takes no new file.
bool write_in_place(const std::string& path, std::string_view bytes) {
  HANDLE file = CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return false;
  }
  return write_and_close(file, bytes);
}

}  // namespace

const char kPathSeparator = '\\';

std::optional<std::string> read_file(const std::string& path) {
  HANDLE file = CreateFileW(to_wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > kMaxReadBytes) {
    CloseHandle(file);
    return std::nullopt;
  }
  // Room for one byte beyond the size read, to see a file that grew since; it may
  // grow up to one byte beyond the cap, which shows it too large.
  std::string bytes(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > kMaxReadBytes) break;
      bytes.resize(std::min(2 * filled, kMaxReadBytes + 1));
    }
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got, nullptr)) {
      CloseHandle(file);
      return std::nullopt;
    }
    if (got == 0) break;
    filled += got;
  }
  CloseHandle(file);
  if (filled > kMaxReadBytes) return std::nullopt;
  bytes.resize(filled);
  return bytes;
}

std::optional<std::string> write_temp_file(const std::string& path, std::string_view bytes) {
  std::string temp;
  HANDLE file = create_temp_file(path, temp);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  if (write_and_close(file, bytes)) return temp;
  DeleteFileW(to_wide(temp).c_str());
  return std::nullopt;
}

bool write_file_atomic(const std::string& path, std::string_view bytes) {
  const std::string target = resolve_links(path);
  std::string temp;
  HANDLE file = create_temp_file(target, temp);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_ACCESS_DENIED && write_in_place(target, bytes);
  if (write_and_close(file, bytes) && rename_file(temp, target)) return true;
  DeleteFileW(to_wide(temp).c_str());
  return false;
}

bool rename_file(const std::string& from, const std::string& to) {
  std::wstring wide_from = to_wide(from), wide_to = to_wide(to);
  // A folder (moved aside when it stands where a file should be) takes neither flag.
  const DWORD flags = is_directory(wide_from) ? 0 : MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(wide_from.c_str(), wide_to.c_str(), flags))
      return true;
    if (attempt == kRenameTries || !held_by_another_process(GetLastError())) return false;
    Sleep(kRenamePauseMs);
  }
}

bool remove_file(const std::string& path) { return DeleteFileW(to_wide(path).c_str()) != 0; }

bool path_exists(const std::string& path) {
  return GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> folder_entries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(to_wide(join_path(folder, "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(from_wide(std::wstring(name)));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool create_directories(const std::string& path) {
  std::wstring wide = to_wide(path);
  for (std::size_t i = 1; i < wide.size(); ++i)
    if (wide[i] == L'\\' || wide[i] == L'/') CreateDirectoryW(wide.substr(0, i).c_str(), nullptr);
  CreateDirectoryW(wide.c_str(), nullptr);
  return is_directory(wide);
}

}  // namespace burrowly
