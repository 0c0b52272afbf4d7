#pragma once
// The user-interface thread's one slot for the application state. A handler borrows
// the state for the length of its work; a second borrow while one is out finds
// nothing, so a nested message loop can never reach a state that is in use.

#include <optional>
#include <utility>

namespace burrowly {

template <typename State>
class ExclusiveSlot {
 public:
  class Borrow {
   public:
    explicit Borrow(ExclusiveSlot* slot) : slot_(slot) {}
    Borrow(Borrow&& other) noexcept : slot_(std::exchange(other.slot_, nullptr)) {}
    Borrow(const Borrow&) = delete;
    Borrow& operator=(const Borrow&) = delete;
    ~Borrow() {
      if (slot_) slot_->borrowed_ = false;
    }
    explicit operator bool() const { return slot_ != nullptr; }
    State* operator->() const { return &*slot_->state_; }
    State& operator*() const { return *slot_->state_; }

   private:
    ExclusiveSlot* slot_;
  };

  void put(State state) { state_.emplace(std::move(state)); }
  // Leaves the slot empty; nothing while the state is borrowed or absent.
  std::optional<State> take() {
    if (borrowed_ || !state_) return std::nullopt;
    std::optional<State> out = std::move(state_);
    state_.reset();
    return out;
  }
  // An empty borrow when the state is absent or already borrowed.
  Borrow borrow() {
    if (!state_ || borrowed_) return Borrow(nullptr);
    borrowed_ = true;
    return Borrow(this);
  }

 private:
  std::optional<State> state_;
  bool borrowed_ = false;
};

}  // namespace burrowly
