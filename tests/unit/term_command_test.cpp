// "term" end to end: what a shell prompt hook's report sends to the user's pipe.
#include <gtest/gtest.h>

#include "client_sandbox.h"

namespace burrowly {
namespace {

using testing::ClientSandbox;
using testing::RecordingServer;
using testing::run_command;

struct TermRow {
  std::vector<std::string> args;  // after "term"
  std::string sent;               // empty when nothing is sent
};

TEST(TermCommand, EnglishReports) {
  const std::vector<TermRow> rows = {
      {{"0", "7", "make"}, ""},
      {{"0", "8", "make"}, R"j({"cmd":"ok","text":"make done (8s)"})j"},
      {{"2", "1", "make"}, R"j({"cmd":"fail","text":"make: failed 2"})j"},
      {{"-1", "0"}, R"j({"cmd":"fail","text":": failed -1"})j"},
      {{"abc", "100"}, R"j({"cmd":"ok","text":" done (100s)"})j"},
      {{"1", "x", "y", "z"}, R"j({"cmd":"fail","text":"y: failed 1"})j"},
      {{}, ""},
      {{"0", "99999999999999999999"}, ""},
  };
  ClientSandbox sandbox;
  testing::set_profile_language("en");
  for (const TermRow& row : rows) {
    RecordingServer server;
    std::vector<std::string> args{"term"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    testing::CommandRun r = run_command(args);
    std::vector<std::string> batches = server.stop();
    const std::string shown = ::testing::PrintToString(row.args);
    EXPECT_EQ(r.status, 0) << shown;
    EXPECT_EQ(r.out + r.err, "") << shown;
    if (row.sent.empty()) {
      EXPECT_TRUE(batches.empty()) << shown << " sent " << ::testing::PrintToString(batches);
    } else {
      EXPECT_EQ(batches, std::vector<std::string>{row.sent + "\n"}) << shown;
    }
  }
}

TEST(TermCommand, WordsComeFromTheProfileLanguage) {
  ClientSandbox sandbox;
  testing::set_profile_language("pl");
  RecordingServer server;
  run_command({"term", "2", "1", "make"});
  run_command({"term", "0", "30", "make"});
  EXPECT_EQ(server.stop(), (std::vector<std::string>{"{\"cmd\":\"fail\",\"text\":\"make: b\xC5\x82\xC4\x85" "d 2\"}\n",
                                                      "{\"cmd\":\"ok\",\"text\":\"make gotowe (30s)\"}\n"}));
}

TEST(TermCommand, SilentWithoutTrayApp) {
  ClientSandbox sandbox;
  testing::CommandRun r = run_command({"term", "1", "3", "make"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
}

TEST(TermCommand, SettingsAreReadOnlyForAReport) {
  ClientSandbox sandbox;
  run_command({"term", "0", "2", "ls"});
  EXPECT_FALSE(sandbox.settings_touched());
  run_command({"term", "0", "20", "ls"});
  EXPECT_TRUE(sandbox.settings_touched());
}

}  // namespace
}  // namespace burrowly
