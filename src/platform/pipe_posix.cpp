// The transport over a Unix-domain stream socket named after the pipe: under
// $XDG_RUNTIME_DIR, else in a folder of the user's own under /tmp (mode 0700, so
// only that user can reach the socket).
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/env.h"
#include "platform/pipe.h"

namespace burrowly {
namespace {

using Clock = std::chrono::steady_clock;

// The folder exists as a real directory of ours that nobody else can enter.
bool private_folder(const std::string& folder, bool create) {
  if (create) mkdir(folder.c_str(), 0700);
  struct stat info{};
  return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 077) == 0;
}

// The socket path for a pipe name such as \\.\pipe\Burrowly_ann; nothing when no
// safe folder is available.
std::optional<std::string> socket_path(const std::string& name, bool create_folder) {
  std::string base = name.substr(name.find_last_of('\\') + 1);
  std::string folder;
  if (std::optional<std::string> runtime = env_var("XDG_RUNTIME_DIR"); runtime && !runtime->empty()) {
    folder = *runtime;
  } else {
    folder = "/tmp/Burrowly_" + std::to_string(getuid());
    if (!private_folder(folder, create_folder)) return std::nullopt;
  }
  std::string path = folder + "/" + base + ".sock";
  if (path.size() >= sizeof(sockaddr_un::sun_path)) return std::nullopt;
  return path;
}

sockaddr_un address_of(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

int connect_to(const std::string& path) {
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_un address = address_of(path);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    int error = errno;
    close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

}  // namespace

struct PipeClient::State {
  int fd;
};

// A socket whose listening queue is full refuses with EAGAIN: that server is busy.
std::optional<PipeClient> PipeClient::open(const std::string& name, PipeUnavailable* why) {
  std::optional<std::string> path = socket_path(name, false);
  bool busy = false;
  for (int attempt = 1; attempt <= kPipeOpenAttempts; ++attempt) {
    if (int fd = path ? connect_to(*path) : -1; fd >= 0) return PipeClient(std::make_unique<State>(State{fd}));
    busy = path && errno == EAGAIN;
    if (attempt < kPipeOpenAttempts) std::this_thread::sleep_for(kPipeRetryPause);
  }
  if (why) *why = busy ? PipeUnavailable::busy : PipeUnavailable::no_server;
  return std::nullopt;
}

PipeClient::PipeClient(std::unique_ptr<State> state) : state_(std::move(state)) {}
PipeClient::PipeClient(PipeClient&&) noexcept = default;
PipeClient& PipeClient::operator=(PipeClient&&) noexcept = default;

PipeClient::~PipeClient() {
  if (state_) close(state_->fd);
}

bool PipeClient::write(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = send(state_->fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

struct PipeConnection::State {
  int fd;
  Clock::time_point deadline;
};

PipeConnection::PipeConnection(std::unique_ptr<State> state) : state_(std::move(state)) {}
PipeConnection::PipeConnection(PipeConnection&&) noexcept = default;
PipeConnection& PipeConnection::operator=(PipeConnection&&) noexcept = default;

PipeConnection::~PipeConnection() {
  if (state_) close(state_->fd);
}

std::size_t PipeConnection::read(char* buffer, std::size_t size) {
  for (;;) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(state_->deadline - Clock::now());
    if (left.count() <= 0) return 0;
    pollfd waiting{state_->fd, POLLIN, 0};
    int ready = poll(&waiting, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return 0;
    ssize_t received = recv(state_->fd, buffer, size, 0);
    if (received < 0 && errno == EINTR) continue;
    return received > 0 ? static_cast<std::size_t>(received) : 0;
  }
}

struct PipeServer::State {
  std::string name;
  std::chrono::milliseconds batch_time_limit;
  std::string path;
  int listen_fd = -1;

  // Binds the socket, replacing a stale one left by a server that is gone.
  bool listen_once() {
    std::optional<std::string> found = socket_path(name, true);
    if (!found) return false;
    if (int live = connect_to(*found); live >= 0) {
      close(live);
      return false;
    }
    unlink(found->c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address = address_of(*found);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 16) != 0) {
      close(fd);
      return false;
    }
    chmod(found->c_str(), 0600);
    path = *found;
    listen_fd = fd;
    return true;
  }
};

PipeServer::PipeServer(std::string name, std::chrono::milliseconds batch_time_limit)
    : state_(std::make_unique<State>(State{std::move(name), batch_time_limit, {}, -1})) {}

PipeServer::~PipeServer() {
  if (state_->listen_fd < 0) return;
  close(state_->listen_fd);
  unlink(state_->path.c_str());
}

std::optional<PipeConnection> PipeServer::accept() {
  if (state_->listen_fd < 0 && !state_->listen_once()) {
    std::this_thread::sleep_for(kPipeServerRetryPause);
    return std::nullopt;
  }
  int fd = accept4(state_->listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) {
    // Keeps a persistent failure (such as running out of descriptors) from spinning.
    if (errno != EINTR) std::this_thread::sleep_for(kPipeServerRetryPause);
    return std::nullopt;
  }
  return PipeConnection(std::make_unique<PipeConnection::State>(
      PipeConnection::State{fd, Clock::now() + state_->batch_time_limit}));
}

}  // namespace burrowly
