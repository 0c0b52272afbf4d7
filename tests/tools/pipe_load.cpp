// Puts the running tray application's pipe under load: 500 clients at once for the
// given number of seconds. Most send "say" lines as fast as they can; some send
// invalid lines, some batches far over the size cap, a few connect and then hang.
// Ten clients switch profiles, client C to "load-C-1", "load-C-2", ..., each switch
// as soon as the one before got through. Standard output lists, client by client and
// in sending order, the ids whose message was delivered, so the caller can check the
// application applied exactly those, in order per client. A summary goes to standard
// error.
//
//   burrowly-pipe-load SECONDS

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "cli/send_signal.h"
#include "cli/signal_codec.h"
#include "platform/pipe.h"

namespace burrowly {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kClients = 500;
constexpr int kProfileClients = 10;
constexpr int kHangingClients = 4;
constexpr auto kHangTime = 5s;

struct Tally {
  std::atomic<long> delivered{0};
  std::atomic<long> refused{0};
  void count(bool sent) { ++(sent ? delivered : refused); }
};

struct Load {
  Clock::time_point start, end;
  Tally say, invalid, oversized, hanging;
  std::array<std::vector<std::string>, kProfileClients> switched_to;  // Each written by its own client.

  bool running() const { return Clock::now() < end; }
};

void send_say_lines(Load& load, int client) {
  for (long n = 1; load.running(); ++n)
    load.say.count(send_signal(SayMsg{"client " + std::to_string(client) + " line " + std::to_string(n), {}}));
}

// Lines the application must drop, one connection each, with a say line behind the
// last of them.
void send_invalid_lines(Load& load, int client) {
  const std::string valid = encode_signal(SayMsg{"valid after junk from " + std::to_string(client), {}});
  const std::string batches[] = {
      "not json at all\n",
      R"({"cmd":"say","text":)" "\n",
      "{\"cmd\":\"say\",\"text\":\"\xC3\x28 broken utf-8\"\n",
      R"({"cmd":"launch","text":"no such command"})" "\n",
      std::string(3000, '[') + "\n" + valid + "\n",
  };
  for (std::size_t n = 0; load.running(); ++n) load.invalid.count(pipe_send(pipe_name(), batches[n % 5]) == PipeSend::sent);
}

// 48 KiB of say lines in one connection: the application reads up to its cap and
// cuts the client off, so the send is expected to fail part-way.
void send_oversized_batches(Load& load, int client) {
  std::string batch;
  const std::string line = encode_signal(SayMsg{"flood from " + std::to_string(client), {}}) + "\n";
  while (batch.size() < 48 * 1024) batch += line;
  while (load.running()) load.oversized.count(pipe_send(pipe_name(), batch) == PipeSend::sent);
}

// From a staggered moment on, tries until it gets a connection, then writes half a
// line and holds the connection.
void connect_and_hang(Load& load, int nth) {
  std::this_thread::sleep_until(load.start + (load.end - load.start) * nth / (kHangingClients + 1));
  std::optional<PipeClient> connection;
  while (!connection && load.running()) connection = PipeClient::open(pipe_name());
  load.hanging.count(connection && connection->write(R"({"cmd":"say","text":"never fin)"));
  std::this_thread::sleep_for(kHangTime);
}

// Like a person repeating a command the busy pipe refused: each switch is sent again
// until it gets through, then the next one follows a moment later.
void switch_profiles(Load& load, int client) {
  for (int n = 1; load.running(); ++n) {
    std::string slug = "load-" + std::to_string(client) + "-" + std::to_string(n);
    bool sent = false;
    while (!sent && load.running()) sent = send_signal(ProfileMsg{slug});
    if (sent) load.switched_to[client].push_back(slug);
    std::this_thread::sleep_for(100ms);
  }
}

void print_tally(const char* what, const Tally& tally) {
  std::fprintf(stderr, "%s: %ld delivered, %ld refused\n", what, tally.delivered.load(), tally.refused.load());
}

int run(int seconds) {
  Load load;
  load.start = Clock::now();
  load.end = load.start + std::chrono::seconds(seconds);
  std::vector<std::thread> clients;
  for (int client = 0; client < kClients; ++client) {
    if (client < kProfileClients) clients.emplace_back(switch_profiles, std::ref(load), client);
    else if (client < kProfileClients + kHangingClients)
      clients.emplace_back(connect_and_hang, std::ref(load), client - kProfileClients + 1);
    else if (client % 10 == 5) clients.emplace_back(send_invalid_lines, std::ref(load), client);
    else if (client % 10 == 7) clients.emplace_back(send_oversized_batches, std::ref(load), client);
    else clients.emplace_back(send_say_lines, std::ref(load), client);
  }
  for (std::thread& client : clients) client.join();
  std::size_t switches = 0;
  for (const std::vector<std::string>& delivered : load.switched_to) {
    for (const std::string& slug : delivered) std::printf("%s\n", slug.c_str());
    switches += delivered.size();
  }
  std::fprintf(stderr, "%d clients for %d s\n", kClients, seconds);
  print_tally("say lines", load.say);
  print_tally("invalid batches", load.invalid);
  print_tally("oversized batches", load.oversized);
  print_tally("hanging connections", load.hanging);
  std::fprintf(stderr, "profile switches: %zu delivered\n", switches);
  return 0;
}

}  // namespace
}  // namespace burrowly

int main(int argc, char** argv) {
  int seconds = argc == 2 ? std::atoi(argv[1]) : 0;
  if (seconds <= 0) {
    std::fprintf(stderr, "usage: burrowly-pipe-load SECONDS\n");
    return 2;
  }
  return burrowly::run(seconds);
}
