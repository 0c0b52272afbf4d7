#include "platform/pipe.h"

namespace burrowly {

bool pipe_send(const std::string& name, std::string_view bytes) {
  std::optional<PipeClient> client = PipeClient::open(name);
  return client && client->write(bytes);
}

}  // namespace burrowly
