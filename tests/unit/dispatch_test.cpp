#include "cli/dispatch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace burrowly {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun run(std::vector<std::string> args) {
  std::ostringstream out, err;
  std::istringstream in;
  int status = dispatch_command(args, {out, err, in});
  return {status, out.str(), err.str()};
}

TEST(Dispatch, VersionIsFifteenBytes) {
  for (const char* flag : {"-V", "--version"}) {
    CliRun r = run({flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Burrowly 1.2.0\n");
    EXPECT_EQ(r.out.size(), 15u);
    EXPECT_TRUE(r.err.empty());
  }
}

TEST(Dispatch, UsageHasTwelveLinesAlignedDescriptions) {
  for (const char* flag : {"-h", "help", "--help"}) {
    CliRun r = run({flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kUsageText);
  }
  std::vector<std::string> lines;
  std::string text(kUsageText);
  for (std::size_t start = 0, nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "Burrowly 1.2.0 \xE2\x80\x94 multi-user desktop animal companion suite");
  EXPECT_TRUE(lines[1].empty());
  EXPECT_EQ(lines[2], "Usage:");
  EXPECT_TRUE(lines[11].empty());
  for (int i = 3; i <= 10; ++i) {
    ASSERT_EQ(lines[i][0], '\t') << i;
    // Each description starts 37 characters after the tab, after at least one space.
    EXPECT_EQ(lines[i][37], ' ') << lines[i];
    EXPECT_NE(lines[i][38], ' ') << lines[i];
  }
  EXPECT_TRUE(text.ends_with("\n\n"));
}

TEST(Dispatch, UnknownCommandsKeepTheirSpellingAndExitTwo) {
  for (const char* word : {"Say", "--HELP", "-v", "bogus", ""}) {
    CliRun r = run({word});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Unknown Burrowly command: " + std::string(word) + ". Try --help\n");
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(Dispatch, SayAndProfileNeedAnArgument) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"say"}, {"say", ""}, {"say", " ", "\t"}, {"say", "\xE3\x80\x80"}}) {
    CliRun r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Missing argument for say\n");
  }
  CliRun r = run({"profile"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Missing argument for profile\n");
}

TEST(Dispatch, BlankProfileNameIsNotMissing) {
  CliRun r = run({"profile", "   "});
  EXPECT_NE(r.err, "Missing argument for profile\n");
}

}  // namespace
}  // namespace burrowly
