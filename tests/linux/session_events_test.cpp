// Session lock and resume from sleep on private system and session buses, with a
// stand-in logind and screensaver sending the signals.
#include "shell/linux/session_events.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"

namespace burrowly {
namespace {

using namespace std::chrono_literals;
using test_process::ChildProcess;

constexpr auto kTimeout = 10s;

// A message bus of its own listening at `socket`; it prints its address once ready.
std::vector<std::string> bus_command(const std::string& socket) {
  return {"dbus-daemon", "--session", "--nofork", "--print-address=1", "--address=unix:path=" + socket};
}

TEST(SessionEvents, LockUnlockAndWakeFromLogindAndTheScreensaver) {
  const std::string dir = test_process::make_temp_dir();
  ChildProcess system_bus(bus_command(dir + "/system"));
  ChildProcess session_bus(bus_command(dir + "/session"));
  const std::string system_address = system_bus.read_line(kTimeout).value_or("");
  const std::string session_address = session_bus.read_line(kTimeout).value_or("");
  ASSERT_FALSE(system_address.empty());
  ASSERT_FALSE(session_address.empty());
  setenv("DBUS_SYSTEM_BUS_ADDRESS", system_address.c_str(), 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", session_address.c_str(), 1);
  ChildProcess logind({BURROWLY_FAKE_LOGIND});
  ASSERT_EQ(logind.read_line(kTimeout), "ready");

  int argc = 1;
  char name[] = "session_events_test";
  char* argv[] = {name, nullptr};
  QCoreApplication qt(argc, argv);
  QTimer tick;  // bounds each wait for events
  tick.start(20);
  std::vector<std::string> events;
  QObject owner;
  watch_session(&owner, SessionHandlers{[&](bool locked) { events.push_back(locked ? "locked" : "unlocked"); },
                                        [&] { events.push_back("woke"); }});
  auto expect_events = [&](const std::vector<std::string>& expected) {
    test_process::wait_until([&] { return events.size() >= expected.size(); }, kTimeout,
                             [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
    EXPECT_EQ(events, expected);
  };

  // Going to sleep says nothing; waking does.
  logind.write_line("sleep");
  logind.write_line("wake");
  expect_events({"woke"});

  // A second lock while locked is not reported again; unlocking also counts as waking.
  logind.write_line("lock");
  logind.write_line("lock");
  logind.write_line("unlock");
  expect_events({"woke", "locked", "unlocked", "woke"});

  logind.write_line("hint-on");
  logind.write_line("hint-off");
  expect_events({"woke", "locked", "unlocked", "woke", "locked", "unlocked", "woke"});

  logind.write_line("screensaver-on");
  logind.write_line("screensaver-off");
  expect_events({"woke", "locked", "unlocked", "woke", "locked", "unlocked", "woke", "locked", "unlocked", "woke"});

  unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace burrowly
