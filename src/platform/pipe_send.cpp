#include "platform/pipe.h"

namespace burrowly {

PipeSend pipe_send(const std::string& name, std::string_view bytes) {
  PipeUnavailable why = PipeUnavailable::no_server;
  std::optional<PipeClient> client = PipeClient::open(name, &why);
  if (!client) return why == PipeUnavailable::busy ? PipeSend::busy : PipeSend::no_server;
  return client->write(bytes) ? PipeSend::sent : PipeSend::write_failed;
}

}  // namespace burrowly
