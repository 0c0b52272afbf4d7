#include "shell/linux/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace burrowly {
namespace {

int write_end = -1;

void on_quit_signal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = write(write_end, &byte, 1);
}

}  // namespace

bool route_quit_signals(std::function<void()> quit) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  write_end = ends[1];
  auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [read_end = ends[0], quit = std::move(quit)] {
    char drained[16];
    while (read(read_end, drained, sizeof drained) > 0) {
    }
    quit();
  });
  struct sigaction action{};
  action.sa_handler = on_quit_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  return true;
}

}  // namespace burrowly
