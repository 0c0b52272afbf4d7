#include <windows.h>

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

bool held_by_another_process(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool is_directory(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

const char kPathSeparator = '\\';

std::optional<std::string> read_file(const std::string& path) {
  HANDLE file = CreateFileW(to_wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      CloseHandle(file);
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

std::optional<std::string> write_temp_file(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = path + "." + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(counter++) + ".tmp";
    std::wstring wide = to_wide(temp);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    bool ok = write_all(file, bytes) && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok) return temp;
    DeleteFileW(wide.c_str());
    return std::nullopt;
  }
  return std::nullopt;
}

bool rename_file(const std::string& from, const std::string& to) {
  std::wstring wide_from = to_wide(from), wide_to = to_wide(to);
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(wide_from.c_str(), wide_to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    if (attempt == kRenameTries || !held_by_another_process(GetLastError())) return false;
    Sleep(kRenamePauseMs);
  }
}

bool remove_file(const std::string& path) { return DeleteFileW(to_wide(path).c_str()) != 0; }

bool create_directories(const std::string& path) {
  std::wstring wide = to_wide(path);
  for (std::size_t i = 1; i < wide.size(); ++i)
    if (wide[i] == L'\\' || wide[i] == L'/') CreateDirectoryW(wide.substr(0, i).c_str(), nullptr);
  CreateDirectoryW(wide.c_str(), nullptr);
  return is_directory(wide);
}

}  // namespace burrowly
