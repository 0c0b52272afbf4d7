// One connection's bytes: splitting into lines and decoding them never fails unsafely,
// and every message found re-encodes without a line break inside it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/signal_codec.h"
#include "shell/signal_batch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view batch(reinterpret_cast<const char*>(data), size);
  for (const burrowly::SignalMsg& message : burrowly::decode_batch(batch))
    if (burrowly::encode_signal(message).find('\n') != std::string::npos) std::abort();
  return 0;
}
