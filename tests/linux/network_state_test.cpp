// Online or not from a stand-in NetworkManager on a private system bus: its state when
// it appears, its StateChanged signals, and the default route again once it has gone.
#include "shell/linux/network_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
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
constexpr const char* kConnectedGlobal = "70";
constexpr const char* kDisconnected = "20";

TEST(NetworkState, FollowsNetworkManagerWhileItRunsAndTheDefaultRouteOtherwise) {
  const std::string dir = test_process::make_temp_dir();
  PrivateBus bus(dir + "/system");
  ASSERT_FALSE(bus.address().empty());
  setenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().c_str(), 1);

  QtTestLoop qt;
  NetworkState network;
  const bool by_route = network.online();  // no NetworkManager yet
  auto becomes = [&](bool online) {
    return qt.wait_until([&] { return network.online() == online; }, kTimeout);
  };

  {
    // Disconnected whatever the routes say, once it appears; then its signals count.
    auto manager = std::make_unique<ChildProcess>(std::vector<std::string>{BURROWLY_FAKE_NETWORK_MANAGER, kDisconnected});
    ASSERT_EQ(manager->read_line(kTimeout), "ready");
    EXPECT_TRUE(becomes(false));
    manager->write_line(kConnectedGlobal);
    EXPECT_TRUE(becomes(true));
    manager->write_line(kDisconnected);
    EXPECT_TRUE(becomes(false));
    manager->write_line("60");  // connected to the site only
    manager->write_line(kDisconnected);
    manager->write_line(kConnectedGlobal);
    EXPECT_TRUE(becomes(true));
    manager->write_line(kDisconnected);
    EXPECT_TRUE(becomes(false));
  }
  EXPECT_TRUE(becomes(by_route));

  // A manager that starts while the program runs is read at once.
  ChildProcess manager({BURROWLY_FAKE_NETWORK_MANAGER, kConnectedGlobal});
  ASSERT_EQ(manager.read_line(kTimeout), "ready");
  EXPECT_TRUE(becomes(true));

  unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace burrowly
