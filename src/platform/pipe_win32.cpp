#include <windows.h>

#include "platform/pipe.h"
#include "text/utf16.h"

namespace burrowly {

struct PipeClient::State {
  HANDLE pipe;
};

std::optional<PipeClient> PipeClient::open(const std::string& name, PipeUnavailable* why) {
  std::wstring wide_name = to_wide(name);
  const ULONGLONG busy_deadline = GetTickCount64() + static_cast<ULONGLONG>(kPipeBusyWait.count());
  bool busy = false;
  for (int attempt = 1; attempt <= kPipeOpenAttempts;) {
    HANDLE pipe = CreateFileW(wide_name.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (pipe != INVALID_HANDLE_VALUE) return PipeClient(std::make_unique<State>(State{pipe}));
    busy = GetLastError() == ERROR_PIPE_BUSY;
    // The pipe exists but every instance serves another client: wait for one to come
    // free, within one time budget for the whole open, without counting an attempt.
    if (ULONGLONG now = GetTickCount64(); busy && now < busy_deadline) {
      WaitNamedPipeW(wide_name.c_str(), static_cast<DWORD>(busy_deadline - now));
      continue;
    }
    if (++attempt <= kPipeOpenAttempts) Sleep(static_cast<DWORD>(kPipeRetryPause.count()));
  }
  if (why) *why = busy ? PipeUnavailable::busy : PipeUnavailable::no_server;
  return std::nullopt;
}

PipeClient::PipeClient(std::unique_ptr<State> state) : state_(std::move(state)) {}
PipeClient::PipeClient(PipeClient&&) noexcept = default;
PipeClient& PipeClient::operator=(PipeClient&&) noexcept = default;

PipeClient::~PipeClient() {
  if (state_) CloseHandle(state_->pipe);
}

bool PipeClient::write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(state_->pipe, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The pipe instance is overlapped so that each read can wait with a time limit.
struct PipeConnection::State {
  HANDLE pipe;
  HANDLE event;
  ULONGLONG deadline;
};

PipeConnection::PipeConnection(std::unique_ptr<State> state) : state_(std::move(state)) {}
PipeConnection::PipeConnection(PipeConnection&&) noexcept = default;
PipeConnection& PipeConnection::operator=(PipeConnection&&) noexcept = default;

PipeConnection::~PipeConnection() {
  if (!state_) return;
  FlushFileBuffers(state_->pipe);
  DisconnectNamedPipe(state_->pipe);
  CloseHandle(state_->pipe);
  CloseHandle(state_->event);
}

std::size_t PipeConnection::read(char* buffer, std::size_t size) {
  ULONGLONG now = GetTickCount64();
  if (now >= state_->deadline) return 0;
  OVERLAPPED overlapped{};
  overlapped.hEvent = state_->event;
  ResetEvent(state_->event);
  DWORD received = 0;
  if (!ReadFile(state_->pipe, buffer, static_cast<DWORD>(size), nullptr, &overlapped)) {
    if (GetLastError() != ERROR_IO_PENDING) return 0;
    if (WaitForSingleObject(state_->event, static_cast<DWORD>(state_->deadline - now)) != WAIT_OBJECT_0) {
      CancelIo(state_->pipe);
      if (!GetOverlappedResult(state_->pipe, &overlapped, &received, TRUE)) return 0;
      return received;
    }
  }
  if (!GetOverlappedResult(state_->pipe, &overlapped, &received, FALSE)) return 0;
  return received;
}

struct PipeServer::State {
  std::wstring name;
  std::chrono::milliseconds batch_time_limit;
};

PipeServer::PipeServer(std::string name, std::chrono::milliseconds batch_time_limit)
    : state_(std::make_unique<State>(State{to_wide(name), batch_time_limit})) {}

PipeServer::~PipeServer() = default;

std::optional<PipeConnection> PipeServer::accept() {
  // Inbound only, bytes, blocking, unlimited instances, 4096-byte buffers, default
  // security: only the creating user, administrators and the system may write.
  HANDLE pipe = CreateNamedPipeW(state_->name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                 4096, 4096, 0, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) {
    Sleep(static_cast<DWORD>(kPipeServerRetryPause.count()));
    return std::nullopt;
  }
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (event == nullptr) {
    CloseHandle(pipe);
    Sleep(static_cast<DWORD>(kPipeServerRetryPause.count()));
    return std::nullopt;
  }
  OVERLAPPED overlapped{};
  overlapped.hEvent = event;
  bool connected = ConnectNamedPipe(pipe, &overlapped) != 0;
  if (!connected) {
    DWORD error = GetLastError();
    DWORD ignored = 0;
    // A client may connect, write and close before ConnectNamedPipe runs: that is
    // ERROR_NO_DATA, and what it wrote is still in the pipe to be read.
    connected = error == ERROR_PIPE_CONNECTED || error == ERROR_NO_DATA ||
                (error == ERROR_IO_PENDING && GetOverlappedResult(pipe, &overlapped, &ignored, TRUE));
  }
  if (!connected) {
    CloseHandle(pipe);
    CloseHandle(event);
    return std::nullopt;
  }
  ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(state_->batch_time_limit.count());
  return PipeConnection(std::make_unique<PipeConnection::State>(PipeConnection::State{pipe, event, deadline}));
}

}  // namespace burrowly
