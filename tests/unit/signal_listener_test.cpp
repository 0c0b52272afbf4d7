// The pipe transport end to end: a real server (named pipe on Windows, Unix socket
// elsewhere) and real clients in this process.
#include "shell/signal_listener.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "cli/signal_codec.h"
#include "shell/signal_batch.h"

namespace burrowly {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string unique_pipe_name() {
  static int counter = 0;
  return "\\\\.\\pipe\\BurrowlyTest_" + std::to_string(Clock::now().time_since_epoch().count()) + "_" +
         std::to_string(++counter);
}

// A client that keeps trying while the server thread is still getting ready.
std::optional<PipeClient> open_when_ready(const std::string& name) {
  for (auto give_up = Clock::now() + 3s; Clock::now() < give_up;) {
    if (std::optional<PipeClient> client = PipeClient::open(name)) return client;
  }
  return std::nullopt;
}

void send_when_ready(const std::string& name, std::string_view bytes) {
  std::optional<PipeClient> client = open_when_ready(name);
  ASSERT_TRUE(client);
  EXPECT_TRUE(client->write(bytes));
}

struct ServedConnections {
  std::string name = unique_pipe_name();
  std::chrono::milliseconds time_limit = kPipeBatchTimeLimit;
  SignalChannel channel;
  std::atomic<int> wakes{0};

  // Serves `count` connections on a thread while `clients` runs.
  template <typename Clients>
  void serve(int count, Clients clients) {
    PipeServer server(name, time_limit);
    std::thread serving([&] {
      for (int i = 0; i < count; ++i) serve_one_connection(server, channel, [&] { ++wakes; });
    });
    clients();
    serving.join();
  }
};

TEST(SignalListener, TwoLinesInOneConnectionGiveTwoMessagesInOrder) {
  ServedConnections s;
  s.serve(1, [&] {
    send_when_ready(s.name, encode_signal(SayMsg{"first", std::nullopt}) + "\r\n" + encode_signal(OkMsg{"second"}) + "\n");
  });
  std::vector<SignalMsg> expected{SayMsg{"first", std::nullopt}, OkMsg{"second"}};
  EXPECT_EQ(s.channel.drain(), expected);
  EXPECT_EQ(s.wakes, 2);
  EXPECT_TRUE(s.channel.drain().empty());
}

TEST(SignalListener, InvalidLinesAreDroppedAndValidOnesDelivered) {
  ServedConnections s;
  s.serve(2, [&] {
    send_when_ready(s.name, "not json\n\n   \n{\"cmd\":\"nope\"}\n  {\"cmd\":\"fail\",\"text\":\"a\xFFz\"}  \n" +
                                std::string(5000, '[') + "\n{\"cmd\":\"ok\"}");
    send_when_ready(s.name, encode_signal(ProfileMsg{"ann-lee"}) + "\n");
  });
  std::vector<SignalMsg> expected{FailMsg{"a\xEF\xBF\xBDz"}, OkMsg{""}, ProfileMsg{"ann-lee"}};
  EXPECT_EQ(s.channel.drain(), expected);
  EXPECT_EQ(s.wakes, 3);
}

TEST(SignalListener, OversizedClientIsCutOffAndTheNextIsServed) {
  ServedConnections s;
  s.serve(2, [&] {
    std::optional<PipeClient> flood = open_when_ready(s.name);
    ASSERT_TRUE(flood);
    flood->write(encode_signal(OkMsg{"fits"}) + "\n" + std::string(100 * 1024, 'x') + "\n" +
                 encode_signal(OkMsg{"beyond the cap"}) + "\n");  // The server may stop reading: no result.
    flood.reset();
    send_when_ready(s.name, encode_signal(SayMsg{"next", std::nullopt}) + "\n");
  });
  std::vector<SignalMsg> expected{OkMsg{"fits"}, SayMsg{"next", std::nullopt}};
  EXPECT_EQ(s.channel.drain(), expected);
}

TEST(SignalListener, SilentClientTimesOutAndTheNextIsServed) {
  ServedConnections s;
  s.time_limit = 300ms;
  s.serve(2, [&] {
    std::optional<PipeClient> silent = open_when_ready(s.name);
    ASSERT_TRUE(silent);
    ASSERT_TRUE(silent->write(R"({"cmd":"ok","text":"half)"));
    // The silent client stays connected; a second client queues behind it.
    send_when_ready(s.name, encode_signal(OkMsg{"after"}) + "\n");
  });
  std::vector<SignalMsg> expected{OkMsg{"after"}};
  EXPECT_EQ(s.channel.drain(), expected);
}

TEST(SignalListener, ClientWithoutServerGivesUpAfterThreeAttempts) {
  auto start = Clock::now();
  EXPECT_EQ(pipe_send(unique_pipe_name(), "{}\n"), PipeSend::no_server);
  // Two pauses between the three attempts; no busy wait, as nothing listens at all.
  EXPECT_GE(Clock::now() - start, 2 * kPipeRetryPause);
}

TEST(SignalListener, ThreadDeliversAndWakes) {
  auto channel = std::make_shared<SignalChannel>();
  std::atomic<int> wakes{0};
  std::string name = unique_pipe_name();
  ASSERT_TRUE(start_signal_listener(channel, name, [&wakes] { ++wakes; }));
  send_when_ready(name, encode_signal(OkMsg{"ping"}) + "\n");
  for (auto give_up = Clock::now() + 3s; wakes == 0 && Clock::now() < give_up;) std::this_thread::sleep_for(5ms);
  std::vector<SignalMsg> expected{OkMsg{"ping"}};
  EXPECT_EQ(channel->drain(), expected);
}

// Many clients at once, each retrying a line until its send succeeds, beside a client
// that floods, one that sends junk and one that connects and stays silent: every line
// arrives exactly once, and each client's lines arrive in the order it sent them.
TEST(SignalListener, ManyClientsAtOnceGetEachLineDeliveredOnceInOrder) {
  constexpr int kClients = 40, kLines = 25;
  std::string name = unique_pipe_name();
  PipeServer server(name, 300ms);
  SignalChannel channel;
  std::atomic<bool> stop{false};
  std::thread serving([&] {
    while (!stop) serve_one_connection(server, channel, [] {});
  });
  {
    std::vector<std::jthread> clients;
    for (int c = 0; c < kClients; ++c)
      clients.emplace_back([&name, c] {
        for (int n = 0; n < kLines; ++n) {
          std::string line = encode_signal(OkMsg{std::to_string(c) + " " + std::to_string(n)}) + "\n";
          while (pipe_send(name, line) != PipeSend::sent) {
          }
        }
      });
    clients.emplace_back([&name] {
      std::optional<PipeClient> silent = open_when_ready(name);
      std::this_thread::sleep_for(600ms);
    });
    clients.emplace_back([&name] {
      for (int n = 0; n < 5; ++n) pipe_send(name, std::string(40 * 1024, '{') + "\n");
    });
    clients.emplace_back([&name] {
      for (int n = 0; n < 20; ++n) pipe_send(name, "{\"cmd\":\"ok\",\"text\":\n not json\n");
    });
  }
  stop = true;
  pipe_send(name, "");  // Wakes the server should it be waiting for a client.
  serving.join();

  std::vector<std::vector<int>> received(kClients);
  for (const SignalMsg& message : channel.drain()) {
    const auto* ok = std::get_if<OkMsg>(&message);
    ASSERT_TRUE(ok);
    int client = 0, line = 0;
    ASSERT_EQ(std::sscanf(ok->text.c_str(), "%d %d", &client, &line), 2) << ok->text;
    ASSERT_TRUE(client >= 0 && client < kClients) << ok->text;
    received[client].push_back(line);
  }
  std::vector<int> every_line(kLines);
  for (int n = 0; n < kLines; ++n) every_line[n] = n;
  for (int c = 0; c < kClients; ++c) EXPECT_EQ(received[c], every_line) << "client " << c;
}

TEST(SignalBatch, CapStopsReadingAfterTheChunkThatPassesIt) {
  std::string name = unique_pipe_name();
  PipeServer server(name);
  std::string batch;
  std::thread serving([&] {
    std::optional<PipeConnection> connection;
    while (!connection) connection = server.accept();
    batch = read_batch(*connection);
  });
  {
    std::optional<PipeClient> client = open_when_ready(name);
    ASSERT_TRUE(client);
    client->write(std::string(64 * 1024, 'x'));
  }
  serving.join();
  EXPECT_GT(batch.size(), kBatchCapBytes);
  EXPECT_LE(batch.size(), kBatchCapBytes + kBatchChunkBytes);
}

}  // namespace
}  // namespace burrowly
