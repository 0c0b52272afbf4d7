#pragma once
// The local message transport between the command-line client and the tray
// application: a named pipe on Windows, a Unix-domain socket elsewhere. Each client
// connection carries one batch of bytes; the client's close ends the batch.

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

inline constexpr int kPipeOpenAttempts = 3;
inline constexpr std::chrono::milliseconds kPipeRetryPause{60};
// How long, in all, a client waits for a free instance of a pipe that exists but is
// busy (every instance serving another client) before its attempts count.
inline constexpr std::chrono::milliseconds kPipeBusyWait{2000};
// The most a server reads of one connection, so a client's batch must fit in it.
inline constexpr std::size_t kPipeBatchCapBytes = 32768;
// Pause before trying again when the server end cannot be created.
inline constexpr std::chrono::milliseconds kPipeServerRetryPause{250};
// A connection gets this long to deliver its batch, so a client that connects and
// never writes or closes cannot hold up every later message.
inline constexpr std::chrono::milliseconds kPipeBatchTimeLimit{3000};

// Why a client could not connect.
enum class PipeUnavailable { no_server, busy };

// The client end of one connection; destruction closes it, which ends the batch.
class PipeClient {
 public:
  struct State;
  // Connects to the endpoint called name: three attempts 60 ms apart, after waiting
  // up to kPipeBusyWait for a busy one. On failure, why (when given) tells whether
  // the endpoint was busy or not there at all.
  static std::optional<PipeClient> open(const std::string& name, PipeUnavailable* why = nullptr);
  explicit PipeClient(std::unique_ptr<State> state);
  PipeClient(PipeClient&&) noexcept;
  PipeClient& operator=(PipeClient&&) noexcept;
  ~PipeClient();

  // Writes all of bytes, continuing after partial writes; false on a write error or a
  // write that takes nothing.
  bool write(std::string_view bytes);

 private:
  std::unique_ptr<State> state_;
};

enum class PipeSend { sent, no_server, busy, write_failed };

// Opens the endpoint called name, writes all of bytes and closes. sent only when
// every byte was written.
PipeSend pipe_send(const std::string& name, std::string_view bytes);

// One accepted client. Closing it (destruction) flushes, disconnects and releases it.
class PipeConnection {
 public:
  struct State;
  explicit PipeConnection(std::unique_ptr<State> state);
  PipeConnection(PipeConnection&&) noexcept;
  PipeConnection& operator=(PipeConnection&&) noexcept;
  ~PipeConnection();

  // Reads up to size bytes into buffer. 0 once the client has closed, a read failed
  // or the connection's time limit has passed.
  std::size_t read(char* buffer, std::size_t size);

 private:
  std::unique_ptr<State> state_;
};

// The server end, serving one connection at a time.
class PipeServer {
 public:
  explicit PipeServer(std::string name, std::chrono::milliseconds batch_time_limit = kPipeBatchTimeLimit);
  PipeServer(const PipeServer&) = delete;
  PipeServer& operator=(const PipeServer&) = delete;
  ~PipeServer();

  // Waits for the next client. Nothing when the endpoint could not be created (after
  // a pause of kPipeServerRetryPause) or the connection failed; the caller tries again.
  std::optional<PipeConnection> accept();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace burrowly
