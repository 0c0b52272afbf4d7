#include "client_sandbox.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/dispatch.h"
#include "cli/send_signal.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "platform/env.h"
#include "platform/pipe.h"
#include "shell/signal_batch.h"

namespace burrowly::testing {
namespace {

namespace fs = std::filesystem;

// Batches the recorder handles itself rather than records.
constexpr std::string_view kProbe = "recorder probe", kStop = "recorder stop";

bool send_within_seconds(const std::string& name, std::string_view bytes, int seconds) {
  auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < give_up)
    if (pipe_send(name, bytes) == PipeSend::sent) return true;
  return false;
}

}  // namespace

ClientSandbox::ClientSandbox() : saved_runtime_dir_(env_var("XDG_RUNTIME_DIR")) {
  // Named after the unique folder, so parallel test processes have pipes of their
  // own. TempAppData puts the user names back afterwards.
  const std::string user = "client-" + std::to_string(std::hash<std::string>{}(root()) % 1000000007);
  set_env("USERNAME", user);
  set_env("USER", user);
  // The POSIX socket lives here rather than in the real user's runtime folder.
  const std::string runtime = root() + "/run";
  fs::create_directories(runtime);
  set_env("XDG_RUNTIME_DIR", runtime);
}

ClientSandbox::~ClientSandbox() { set_env("XDG_RUNTIME_DIR", saved_runtime_dir_); }

bool ClientSandbox::settings_touched() const { return fs::exists(fs::path(root()) / "Burrowly"); }

CommandRun run_command(const std::vector<std::string>& args, const std::string& input) {
  std::ostringstream out, err;
  std::istringstream in(input);
  int status = dispatch_command(args, {out, err, in});
  return {status, out.str(), err.str()};
}

void set_profile_language(const std::string& code) {
  LoadedProfiles loaded = load_profiles();
  loaded.config.lang = code;
  save_config(loaded.config);
}

RecordingServer::RecordingServer() : name_(pipe_name()) {
  thread_ = std::thread([this] {
    PipeServer server(name_);
    for (;;) {
      std::optional<PipeConnection> connection = server.accept();
      if (!connection) continue;
      std::string batch = read_batch(*connection);
      connection.reset();
      if (batch == kStop) return;
      if (batch != kProbe) batches_.push_back(std::move(batch));
    }
  });
  // Ready once a probe gets through; the thread may still be setting up the pipe.
  send_within_seconds(name_, kProbe, 5);
}

RecordingServer::~RecordingServer() {
  if (!stopped_) stop();
}

std::vector<std::string> RecordingServer::stop() {
  stopped_ = true;
  if (!send_within_seconds(name_, kStop, 5)) {
    // The thread would serve on after this object is gone.
    std::fprintf(stderr, "the recording server did not take its stop message\n");
    std::abort();
  }
  thread_.join();
  return std::move(batches_);
}

}  // namespace burrowly::testing
