#pragma once
// The unbounded first-in-first-out queue that carries decoded messages from the
// pipe-listener thread to the user-interface thread.

#include <deque>
#include <mutex>
#include <vector>

#include "engine/signal_msg.h"

namespace burrowly {

class SignalChannel {
 public:
  void push(SignalMsg message);
  // Every queued message, oldest first; an empty list when there is none. Never waits
  // for a message.
  std::vector<SignalMsg> drain();
  bool has_messages();

 private:
  std::mutex mutex_;
  std::deque<SignalMsg> queue_;
};

}  // namespace burrowly
