#pragma once
// What the pipe listener does with one connection: read its batch of bytes, then turn
// the batch into messages.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/signal_msg.h"
#include "platform/pipe.h"

namespace burrowly {

inline constexpr std::size_t kBatchChunkBytes = 2048;
// Reading stops once the batch holds more than this, so a message must fit in it.
inline constexpr std::size_t kBatchCapBytes = kPipeBatchCapBytes;

// Reads the connection in chunks until it ends or the batch passes the cap.
std::string read_batch(PipeConnection& connection);

// The messages of a batch in order: invalid UTF-8 is repaired, lines are split at line
// feeds and trimmed, and empty or undecodable lines are dropped.
std::vector<SignalMsg> decode_batch(std::string_view bytes);

}  // namespace burrowly
