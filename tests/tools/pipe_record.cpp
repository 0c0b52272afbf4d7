// Stands in for the tray application on the user's pipe and writes every batch it
// receives to standard output, byte for byte, until a batch mentions the stop word
// given as the argument (that batch is not written). Lets a test script see exactly
// what a command sent.
//
//   burrowly-pipe-record STOP-WORD

#include <cstdio>
#include <string>

#include "cli/process_args.h"
#include "cli/send_signal.h"
#include "platform/pipe.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: burrowly-pipe-record STOP-WORD\n");
    return 2;
  }
  const std::string stop_word = argv[1];
  burrowly::attach_client_console();  // Binary streams: the bytes written are the bytes received.
  burrowly::PipeServer server(burrowly::pipe_name());
  for (;;) {
    std::optional<burrowly::PipeConnection> connection = server.accept();
    if (!connection) continue;
    std::string batch;
    char buffer[2048];
    while (std::size_t got = connection->read(buffer, sizeof buffer)) batch.append(buffer, got);
    if (batch.find(stop_word) != std::string::npos) return 0;
    std::fwrite(batch.data(), 1, batch.size(), stdout);
    std::fflush(stdout);
  }
}
