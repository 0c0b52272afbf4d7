// Replacing a file that another process holds open (Windows only).
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/files.h"
#include "temp_appdata.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

using testing::TempAppData;

// Opens the file the way a program that does not expect renames would: no delete sharing.
HANDLE hold_open(const std::string& path) {
  return CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(FilesWin32, RenameWaitsBrieflyForAHeldTargetToBeReleased) {
  TempAppData folder;
  std::string path = join_path(folder.root(), "held.json");
  ASSERT_TRUE(write_file_atomic(path, "old"));
  HANDLE held = hold_open(path);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::optional<std::string> temp = write_temp_file(path, "new");
  ASSERT_TRUE(temp.has_value());
  ASSERT_FALSE(MoveFileExW(to_wide(*temp).c_str(), to_wide(path).c_str(), MOVEFILE_REPLACE_EXISTING))
      << "a held target should refuse a plain replace";

  std::thread releaser([held] {
    Sleep(150);
    CloseHandle(held);
  });
  bool renamed = rename_file(*temp, path);
  releaser.join();
  EXPECT_TRUE(renamed);
  EXPECT_EQ(read_file(path), "new");
}

TEST(FilesWin32, AtomicWriteGivesUpOnATargetHeldTooLongAndKeepsTheOldFile) {
  TempAppData folder;
  std::string path = join_path(folder.root(), "held.json");
  ASSERT_TRUE(write_file_atomic(path, "old"));
  HANDLE held = hold_open(path);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(write_file_atomic(path, "new"));
  CloseHandle(held);
  EXPECT_EQ(read_file(path), "old");
  EXPECT_EQ(TempAppData::entries(folder.root()), "held.json");
}

}  // namespace
}  // namespace burrowly

#endif
