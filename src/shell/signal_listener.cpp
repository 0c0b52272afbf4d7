#include "shell/signal_listener.h"

#include <system_error>
#include <thread>

#include "shell/signal_batch.h"

namespace burrowly {

void serve_one_connection(PipeServer& server, SignalChannel& channel, const std::function<void()>& wake) {
  std::string batch;
  {
    std::optional<PipeConnection> connection = server.accept();
    if (!connection) return;
    batch = read_batch(*connection);
  }  // The connection closes before decoding, so the next client can connect.
  for (SignalMsg& message : decode_batch(batch)) {
    channel.push(std::move(message));
    wake();
  }
}

bool start_signal_listener(std::shared_ptr<SignalChannel> channel, std::string pipe_name,
                           std::function<void()> wake) {
  try {
    std::thread([channel = std::move(channel), pipe_name = std::move(pipe_name), wake = std::move(wake)] {
      PipeServer server(pipe_name);
      for (;;) serve_one_connection(server, *channel, wake);
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace burrowly
