// Session lock and resume from sleep on private system and session buses, with a
// stand-in logind and screensaver sending the signals.
#include "shell/linux/session_events.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "private_bus.h"

namespace burrowly {
namespace {

using namespace std::chrono_literals;
using test_process::ChildProcess;
using test_process::PrivateBus;
using test_process::QtTestLoop;

constexpr auto kTimeout = 10s;

TEST(SessionEvents, LockUnlockAndWakeFromLogindAndTheScreensaver) {
  const std::string dir = test_process::make_temp_dir();
  PrivateBus system_bus(dir + "/system");
  PrivateBus session_bus(dir + "/session");
  ASSERT_FALSE(system_bus.address().empty());
  ASSERT_FALSE(session_bus.address().empty());
  setenv("DBUS_SYSTEM_BUS_ADDRESS", system_bus.address().c_str(), 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", session_bus.address().c_str(), 1);
  ChildProcess logind({BURROWLY_FAKE_LOGIND});
  ASSERT_EQ(logind.read_line(kTimeout), "ready");

  QtTestLoop qt;
  std::vector<std::string> events;
  QObject owner;
  watch_session(&owner, SessionHandlers{[&](bool locked) { events.push_back(locked ? "locked" : "unlocked"); },
                                        [&] { events.push_back("woke"); }});
  auto expect_events = [&](const std::vector<std::string>& expected) {
    qt.wait_until([&] { return events.size() >= expected.size(); }, kTimeout);
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
