// What a user may have set up around a settings file on Linux: links, permissions,
// read-only folders, and things that are no regular file at all.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::TempAppData;

mode_t mode_of(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

bool is_link(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Runs check as a user without privileges (the superuser writes into any folder),
// giving that user the folder and the file first. Its result.
bool as_unprivileged_owner_of(const std::string& folder, const std::string& file, const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  constexpr uid_t kNobody = 65534;
  if (::chown(folder.c_str(), kNobody, kNobody) != 0 || ::chown(file.c_str(), kNobody, kNobody) != 0) return false;
  pid_t child = ::fork();
  if (child == 0) {
    bool ok = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && check();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FilesPosix, SaveThroughALinkReplacesTheLinksTargetEveryTime) {
  TempAppData folder;
  const std::string real_folder = join_path(folder.root(), "dotfiles");
  ASSERT_TRUE(create_directories(real_folder));
  const std::string target = join_path(real_folder, "profiles.json");
  const std::string link = join_path(folder.root(), "profiles.json");
  ASSERT_TRUE(write_file_atomic(target, "old"));
  ASSERT_EQ(::symlink("dotfiles/profiles.json", link.c_str()), 0);

  for (const char* text : {"first save", "second save"}) {
    ASSERT_TRUE(write_file_atomic(link, text));
    EXPECT_TRUE(is_link(link));
    EXPECT_EQ(read_file(target), text);
  }
  EXPECT_EQ(TempAppData::entries(real_folder), "profiles.json");
}

TEST(FilesPosix, SaveKeepsTheFilesPermissions) {
  TempAppData folder;
  const std::string path = join_path(folder.root(), "private.json");
  ASSERT_TRUE(write_file_atomic(path, "old"));
  for (mode_t mode : {0600, 0640, 0604}) {
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(write_file_atomic(path, "new"));
    EXPECT_EQ(mode_of(path), mode);
  }
}

TEST(FilesPosix, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
  TempAppData folder;
  const std::string locked = join_path(folder.root(), "locked");
  ASSERT_TRUE(create_directories(locked));
  const std::string path = join_path(locked, "profiles.json");
  ASSERT_TRUE(write_file_atomic(path, "old and rather long"));
  ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
  EXPECT_TRUE(as_unprivileged_owner_of(locked, path, [&] {
    return write_file_atomic(path, "new") && !write_file_atomic(join_path(locked, "absent.json"), "x");
  }));
  ::chmod(locked.c_str(), 0755);
  EXPECT_EQ(read_file(path), "new");
  EXPECT_EQ(TempAppData::entries(locked), "profiles.json");
}

TEST(FilesPosix, TheLongestFileNameCanStillBeSaved) {
  TempAppData folder;
  const std::string path = join_path(folder.root(), std::string(250, 'n') + ".json");
  ASSERT_TRUE(write_file_atomic(path, "one"));
  ASSERT_TRUE(write_file_atomic(path, "two"));
  EXPECT_EQ(read_file(path), "two");
}

TEST(FilesPosix, ReadsTakeOnlyRegularFilesUpToTheCap) {
  TempAppData folder;
  const std::string fifo = join_path(folder.root(), "fifo.json");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(read_file(fifo)) << "a FIFO without a writer would block for ever";

  const std::string zero = join_path(folder.root(), "zero.json");
  ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
  EXPECT_FALSE(read_file(zero)) << "an endless device";
  EXPECT_FALSE(read_file(folder.root())) << "a folder";

  const std::string path = join_path(folder.root(), "big.json");
  ASSERT_TRUE(write_file_atomic(path, std::string(kMaxReadBytes, ' ')));
  EXPECT_EQ(read_file(path)->size(), kMaxReadBytes);
  ASSERT_TRUE(write_file_atomic(path, std::string(kMaxReadBytes + 1, ' ')));
  EXPECT_FALSE(read_file(path));

  const std::string link = join_path(folder.root(), "link.json");
  ASSERT_TRUE(write_file_atomic(path, "{}"));
  ASSERT_EQ(::symlink("big.json", link.c_str()), 0);
  EXPECT_EQ(read_file(link), "{}") << "a link to a regular file is read";
}

}  // namespace
}  // namespace burrowly

#endif
