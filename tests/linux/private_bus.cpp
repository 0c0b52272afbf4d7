#include "private_bus.h"

namespace burrowly::test_process {

using namespace std::chrono_literals;

PrivateBus::PrivateBus(const std::string& socket)
    : daemon_({"dbus-daemon", "--session", "--nofork", "--print-address=1", "--address=unix:path=" + socket}),
      address_(daemon_.read_line(10s).value_or("")) {}

QtTestLoop::QtTestLoop() : app_(argc_, argv_) { tick_.start(20); }

bool QtTestLoop::wait_until(const std::function<bool()>& poll, std::chrono::milliseconds timeout) {
  return test_process::wait_until(poll, timeout,
                                  [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
}

}  // namespace burrowly::test_process
