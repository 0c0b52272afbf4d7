#include "shell/signal_batch.h"

#include "cli/signal_codec.h"
#include "text/unicode.h"
#include "text/utf8.h"

namespace burrowly {

std::string read_batch(PipeConnection& connection) {
  std::string batch;
  while (batch.size() <= kBatchCapBytes) {
    std::size_t start = batch.size();
    batch.resize(start + kBatchChunkBytes);
    std::size_t received = connection.read(batch.data() + start, kBatchChunkBytes);
    batch.resize(start + received);
    if (received == 0) break;
  }
  return batch;
}

std::vector<SignalMsg> decode_batch(std::string_view bytes) {
  std::string text = repair_utf8(bytes);
  std::vector<SignalMsg> messages;
  std::string_view rest = text;
  while (!rest.empty()) {
    std::size_t end = rest.find('\n');
    std::string_view line = trim_unicode_space(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty()) continue;
    if (std::optional<SignalMsg> message = decode_signal(line)) messages.push_back(std::move(*message));
  }
  return messages;
}

}  // namespace burrowly
