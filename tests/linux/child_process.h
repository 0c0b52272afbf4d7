#pragma once
// A program the tests start and stop: its standard input is a pipe the test writes
// lines to, its standard output a pipe the test reads lines from.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace burrowly::test_process {

class ChildProcess {
 public:
  // argv[0] is looked up on PATH. The child inherits this process's environment.
  explicit ChildProcess(const std::vector<std::string>& argv);
  ~ChildProcess();  // stop()
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void write_line(const std::string& line);
  // The next line of output, or nothing if none comes within the timeout.
  std::optional<std::string> read_line(std::chrono::milliseconds timeout);
  // SIGTERM and wait for the exit; does nothing once stopped.
  void stop();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string pending_;  // output read past the last line returned
};

// Calls poll until it returns true or the timeout passes; true if it did. `between`
// runs between two calls (by default a short pause).
bool wait_until(const std::function<bool()>& poll, std::chrono::milliseconds timeout,
                const std::function<void()>& between = {});

// A fresh directory under the system's temporary folder.
std::string make_temp_dir();

}  // namespace burrowly::test_process
