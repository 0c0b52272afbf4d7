#include "shell/proc_readings.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

TEST(ProcReadings, ProcessorTimesComeFromTheSummedCpuLine) {
  const char* stat =
      "cpu  100 5 40 800 20 3 2 1 0 0\n"
      "cpu0 50 2 20 400 10 1 1 0 0 0\n"
      "intr 12345\n";
  std::optional<CpuTimes> times = parse_proc_stat(stat);
  ASSERT_TRUE(times);
  EXPECT_EQ(times->idle, 820u);
  EXPECT_EQ(times->kernel, 40u + 3 + 2 + 820);
  EXPECT_EQ(times->user, 106u);
  CpuLoadMeter meter;
  meter.update(times);
  // 100 more jiffies, a quarter of them busy.
  EXPECT_FLOAT_EQ(meter.update(parse_proc_stat("cpu  110 5 55 875 20 3 2 1 0 0\n")), 25.0f);
  EXPECT_FALSE(parse_proc_stat("cpu0 1 2 3 4\n"));
  EXPECT_FALSE(parse_proc_stat("cpu  1 2\n"));
}

TEST(ProcReadings, MemoryLoadIsTheShareNotAvailable) {
  EXPECT_EQ(parse_memory_load("MemTotal:       16000000 kB\nMemFree:  1 kB\nMemAvailable:    4000000 kB\n"), 75u);
  EXPECT_EQ(parse_memory_load("MemTotal: 100 kB\nMemAvailable: 100 kB\n"), 0u);
  EXPECT_FALSE(parse_memory_load("MemTotal: 100 kB\n"));
  EXPECT_FALSE(parse_memory_load("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
}

TEST(ProcReadings, PowerComesFromTheSupplies) {
  PowerStatus desktop = power_status({});
  EXPECT_TRUE(desktop.on_mains_power);
  EXPECT_FALSE(desktop.has_battery);

  PowerStatus unplugged = power_status({{"Mains\n", "0\n", ""}, {"Battery\n", "", "42\n"}});
  EXPECT_FALSE(unplugged.on_mains_power);
  EXPECT_TRUE(unplugged.has_battery);
  EXPECT_EQ(unplugged.battery_percent, 42);

  PowerStatus charging = power_status({{"Battery", "", "150"}, {"USB", "1", ""}});
  EXPECT_TRUE(charging.on_mains_power);
  EXPECT_EQ(charging.battery_percent, 100);
}

}  // namespace
}  // namespace burrowly
