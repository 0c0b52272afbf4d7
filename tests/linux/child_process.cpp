#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace burrowly::test_process {

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
  int to_child[2], from_child[2];
  if (pipe2(to_child, O_CLOEXEC) != 0 || pipe2(from_child, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(to_child[0], STDIN_FILENO);
    dup2(from_child[1], STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  input_ = to_child[1];
  output_ = from_child[0];
}

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::write_line(const std::string& line) {
  const std::string text = line + "\n";
  if (write(input_, text.data(), text.size()) != ssize_t(text.size())) throw std::runtime_error("write failed");
}

std::optional<std::string> ChildProcess::read_line(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const auto end = pending_.find('\n'); end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd readable{output_, POLLIN, 0};
    if (left.count() <= 0 || poll(&readable, 1, int(left.count())) <= 0) return std::nullopt;
    char buffer[512];
    const ssize_t count = read(output_, buffer, sizeof buffer);
    if (count <= 0) return std::nullopt;
    pending_.append(buffer, std::size_t(count));
  }
}

void ChildProcess::stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  close(input_);
  close(output_);
  pid_ = -1;
}

bool wait_until(const std::function<bool()>& poll, std::chrono::milliseconds timeout,
                const std::function<void()>& between) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!poll()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (between) between();
    else std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::string make_temp_dir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/burrowly-test-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

}  // namespace burrowly::test_process
