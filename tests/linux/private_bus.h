#pragma once
// What the Linux shell's message-bus tests share: a bus daemon of the test's own, and a
// Qt application on the test's thread whose waits process events.

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>

#include "child_process.h"

namespace burrowly::test_process {

// A message bus listening at `socket`, until destroyed.
class PrivateBus {
 public:
  explicit PrivateBus(const std::string& socket);
  // Empty when the daemon did not come up.
  const std::string& address() const { return address_; }

 private:
  ChildProcess daemon_;
  std::string address_;
};

class QtTestLoop {
 public:
  QtTestLoop();
  // Processes events until poll returns true or the timeout passes; true if it did.
  bool wait_until(const std::function<bool()>& poll, std::chrono::milliseconds timeout);

 private:
  int argc_ = 1;
  char name_[16] = "burrowly_tests";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_;
  QTimer tick_;  // bounds each wait for events
};

}  // namespace burrowly::test_process
