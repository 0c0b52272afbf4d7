// say, ok, fail and profile from the command line to a server on the user's pipe.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "cli/send_signal.h"
#include "cli/signal_codec.h"
#include "client_sandbox.h"
#include "config/profile_slug.h"
#include "platform/pipe.h"

namespace burrowly {
namespace {

using testing::ClientSandbox;
using testing::RecordingServer;
using testing::run_command;

constexpr std::string_view kNoTray = "Start the Burrowly tray app before sending a message.\n";

TEST(MessageCommands, SayHiIsOneFortyOneByteLine) {
  ClientSandbox sandbox;
  RecordingServer server;
  testing::CommandRun r = run_command({"say", "hi"});
  std::vector<std::string> batches = server.stop();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_EQ(batches[0], "{\"cmd\":\"say\",\"text\":\"hi\",\"duration\":null}\n");
  EXPECT_EQ(batches[0].size(), 41u + 1);
  EXPECT_FALSE(sandbox.settings_touched());
}

TEST(MessageCommands, EachCommandSendsItsOwnLine) {
  ClientSandbox sandbox;
  RecordingServer server;
  for (auto args : std::vector<std::vector<std::string>>{{"ok"},
                                                          {"fail", "disk", "full"},
                                                          {"say", "  spaced  ", "out "},
                                                          {"say", "\"q\" \\ \xD0\x9A\xD1\x96\xD1\x82"},
                                                          {"profile", "Ann", "Lee"},
                                                          {"profile", "  "}})
    EXPECT_EQ(run_command(args).status, 0) << args[0];
  std::vector<std::string> batches = server.stop();
  ASSERT_EQ(batches.size(), 6u);
  EXPECT_EQ(batches[0], "{\"cmd\":\"ok\",\"text\":\"\"}\n");
  EXPECT_EQ(batches[1], "{\"cmd\":\"fail\",\"text\":\"disk full\"}\n");
  EXPECT_EQ(batches[2], "{\"cmd\":\"say\",\"text\":\"  spaced   out \",\"duration\":null}\n");
  EXPECT_EQ(batches[3], "{\"cmd\":\"say\",\"text\":\"\\\"q\\\" \\\\ \xD0\x9A\xD1\x96\xD1\x82\",\"duration\":null}\n");
  EXPECT_EQ(batches[4], "{\"cmd\":\"profile\",\"slug\":\"ann-lee\"}\n");
  // A blank name still names a profile: the fallback id of the blank name.
  EXPECT_EQ(batches[5], "{\"cmd\":\"profile\",\"slug\":\"" + profile_slug("  ") + "\"}\n");
  EXPECT_FALSE(sandbox.settings_touched());
}

TEST(MessageCommands, WithoutTrayAppEachWarnsAndExitsOne) {
  ClientSandbox sandbox;
  for (auto args : std::vector<std::vector<std::string>>{{"say", "hi"}, {"ok"}, {"fail", "x"}, {"profile", "ann"}}) {
    auto start = std::chrono::steady_clock::now();
    testing::CommandRun r = run_command(args);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_EQ(r.err, kNoTray) << args[0];
    EXPECT_EQ(r.out, "") << args[0];
    // Three attempts with two pauses between them, then it gives up.
    EXPECT_GE(elapsed, 2 * kPipeRetryPause) << args[0];
  }
  EXPECT_FALSE(sandbox.settings_touched());
}

TEST(MessageCommands, AMessageLongerThanTheTrayAppReadsIsRefusedBeforeSending) {
  ClientSandbox sandbox;
  RecordingServer server;
  // {"cmd":"say","text":"…","duration":null} and a line feed: 40 bytes around the text.
  const std::size_t longest_text = kMaxSignalLineBytes - 40;
  testing::CommandRun fits = run_command({"say", std::string(longest_text, 'a')});
  testing::CommandRun over = run_command({"say", std::string(longest_text + 1, 'a')});
  testing::CommandRun big = run_command({"fail", std::string(1 << 20, 'b')});
  testing::CommandRun escaped = run_command({"ok", std::string(20000, '"')});
  std::vector<std::string> batches = server.stop();

  EXPECT_EQ(fits.status, 0);
  EXPECT_EQ(fits.err, "");
  EXPECT_EQ(over.status, 2);
  EXPECT_EQ(over.err, "Message too long: 32769 bytes (at most 32768).\n");
  EXPECT_EQ(big.status, 2);
  EXPECT_EQ(big.err, "Message too long: " + std::to_string((1 << 20) + 25) + " bytes (at most 32768).\n");
  EXPECT_EQ(escaped.status, 2) << "each quote takes two bytes on the wire";
  ASSERT_EQ(batches.size(), 1u) << "only the message that fits was sent";
  EXPECT_EQ(batches[0].size(), kMaxSignalLineBytes);
}

TEST(MessageCommands, ABusyTrayAppIsWaitedForAndNotMistakenForNone) {
  ClientSandbox sandbox;
  RecordingServer server;
  // A client holding the only connection the tray app serves, as under a burst of
  // hook events, lets go after a while.
  std::jthread holder([] {
    std::optional<PipeClient> held = PipeClient::open(pipe_name());
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  testing::CommandRun r = run_command({"say", "after the burst"});
  holder.join();
  std::vector<std::string> batches = server.stop();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(std::find(batches.begin(), batches.end(), encode_signal(SayMsg{"after the burst", std::nullopt}) + "\n"),
            batches.end());
}

}  // namespace
}  // namespace burrowly
