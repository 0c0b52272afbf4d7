#pragma once
// A private world for command-line client tests: a fresh settings folder, an OS user
// of the test's own (so a pipe of its own), and a server on that pipe that records
// the raw batch of every connection.

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "temp_appdata.h"

namespace burrowly::testing {

class ClientSandbox {
 public:
  ClientSandbox();
  ~ClientSandbox();

  const std::string& root() const { return appdata_.root(); }
  // True once the settings folder exists.
  bool settings_touched() const;

 private:
  TempAppData appdata_;
  std::optional<std::string> saved_runtime_dir_;
};

struct CommandRun {
  int status;
  std::string out, err;
};

// dispatch_command with the given standard input.
CommandRun run_command(const std::vector<std::string>& args, const std::string& input = "");

// Makes the active profile's language the one with this code, through its file.
void set_profile_language(const std::string& code);

// Listens on pipe_name() from construction until stop().
class RecordingServer {
 public:
  RecordingServer();
  ~RecordingServer();
  // Every batch received, in order, since the server became ready.
  std::vector<std::string> stop();

 private:
  std::string name_;
  std::thread thread_;
  std::vector<std::string> batches_;
  bool stopped_ = false;
};

}  // namespace burrowly::testing
