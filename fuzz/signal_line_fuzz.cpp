// A pipe line from any client: decoding never fails unsafely, and a message that
// decodes survives being encoded and decoded again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/signal_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view line(reinterpret_cast<const char*>(data), size);
  std::optional<burrowly::SignalMsg> message = burrowly::decode_signal(line);
  if (!message) return 0;
  std::optional<burrowly::SignalMsg> again = burrowly::decode_signal(burrowly::encode_signal(*message));
  if (!again || !(*again == *message)) std::abort();
  return 0;
}
