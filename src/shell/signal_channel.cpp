#include "shell/signal_channel.h"

namespace burrowly {

void SignalChannel::push(SignalMsg message) {
  std::lock_guard lock(mutex_);
  queue_.push_back(std::move(message));
}

std::vector<SignalMsg> SignalChannel::drain() {
  std::lock_guard lock(mutex_);
  std::vector<SignalMsg> messages(std::make_move_iterator(queue_.begin()), std::make_move_iterator(queue_.end()));
  queue_.clear();
  return messages;
}

bool SignalChannel::has_messages() {
  std::lock_guard lock(mutex_);
  return !queue_.empty();
}

}  // namespace burrowly
