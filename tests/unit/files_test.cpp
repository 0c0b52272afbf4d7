#include <gtest/gtest.h>

#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::TempAppData;

TEST(Files, JoinPathUsesThePlatformSeparator) {
  EXPECT_EQ(join_path("a", "b.json"), std::string("a") + kPathSeparator + "b.json");
  EXPECT_EQ(join_path("", "b.json"), "b.json");
#ifdef _WIN32
  EXPECT_EQ(kPathSeparator, '\\');
#else
  EXPECT_EQ(kPathSeparator, '/');
#endif
}

TEST(Files, AtomicWriteCreatesAndReplacesWithExactBytesAndNoTempFile) {
  TempAppData folder;
  std::string path = join_path(folder.root(), "data.json");
  const std::string binary("line\r\nnul\0end\n\xD0\x87", 17);

  EXPECT_FALSE(read_file(path).has_value());
  ASSERT_TRUE(write_file_atomic(path, "first version, rather long"));
  ASSERT_TRUE(write_file_atomic(path, binary));
  EXPECT_EQ(read_file(path), binary);
  ASSERT_TRUE(write_file_atomic(path, ""));
  EXPECT_EQ(read_file(path), "");
  EXPECT_EQ(TempAppData::entries(folder.root()), "data.json");
}

TEST(Files, InterruptedWriteBeforeTheRenameLeavesTheOldFileWhole) {
  TempAppData folder;
  std::string path = join_path(folder.root(), "settings.json");
  ASSERT_TRUE(write_file_atomic(path, "old complete text"));

  // A crash after the temporary file is written but before it replaces the target.
  std::optional<std::string> temp = write_temp_file(path, "new text");
  ASSERT_TRUE(temp.has_value());
  EXPECT_NE(*temp, path);
  EXPECT_EQ(read_file(path), "old complete text");
  EXPECT_EQ(read_file(*temp), "new text");

  // Two pending writers never share a temporary file.
  std::optional<std::string> other = write_temp_file(path, "other");
  ASSERT_TRUE(other.has_value());
  EXPECT_NE(*other, *temp);

  ASSERT_TRUE(rename_file(*temp, path));
  EXPECT_EQ(read_file(path), "new text");
  EXPECT_FALSE(read_file(*temp).has_value());
  EXPECT_TRUE(remove_file(*other));
  EXPECT_EQ(TempAppData::entries(folder.root()), "settings.json");
}

TEST(Files, WriteIntoAMissingFolderFailsAndLeavesNothing) {
  TempAppData folder;
  std::string missing = join_path(folder.root(), "absent");
  EXPECT_FALSE(write_file_atomic(join_path(missing, "x.json"), "text"));
  EXPECT_FALSE(write_temp_file(join_path(missing, "x.json"), "text").has_value());
  EXPECT_EQ(TempAppData::entries(folder.root()), "");
}

TEST(Files, CreateDirectoriesMakesEveryMissingAncestor) {
  TempAppData folder;
  std::string deep = join_path(join_path(join_path(folder.root(), "a"), "b"), "c");
  EXPECT_TRUE(create_directories(deep));
  EXPECT_TRUE(create_directories(deep));  // already there
  EXPECT_TRUE(write_file_atomic(join_path(deep, "f"), "x"));

  std::string file = join_path(folder.root(), "plain");
  ASSERT_TRUE(write_file_atomic(file, "x"));
  EXPECT_FALSE(create_directories(join_path(file, "sub")));
  EXPECT_FALSE(create_directories(file));
}

TEST(Files, RemoveAndRenameReportFailure) {
  TempAppData folder;
  std::string path = join_path(folder.root(), "f");
  EXPECT_FALSE(remove_file(path));
  EXPECT_FALSE(rename_file(path, join_path(folder.root(), "g")));
  ASSERT_TRUE(write_file_atomic(path, "x"));
  EXPECT_TRUE(remove_file(path));
  EXPECT_FALSE(read_file(path).has_value());
}

TEST(Files, NonAsciiPathsWork) {
  TempAppData folder;
  std::string dir = join_path(folder.root(), "Профіль ünï");
  ASSERT_TRUE(create_directories(dir));
  std::string path = join_path(dir, "Їжак.json");
  ASSERT_TRUE(write_file_atomic(path, "{}"));
  EXPECT_EQ(read_file(path), "{}");
  EXPECT_EQ(TempAppData::entries(dir), "Їжак.json");
}

}  // namespace
}  // namespace burrowly
