#include <gtest/gtest.h>

#include "shell/cpu_load.h"
#include "shell/foreground_kind.h"
#include "shell/monitor_layout.h"

namespace burrowly {
namespace {

TEST(ForegroundKind, MatchesWholeLowerCasedNamesWithOrWithoutExe) {
  EXPECT_EQ(foreground_kind("code.exe"), "code");
  EXPECT_EQ(foreground_kind("code"), "code");
  EXPECT_EQ(foreground_kind("code - insiders.exe"), "code");
  EXPECT_EQ(foreground_kind("windowsterminal.exe"), "terminal");
  EXPECT_EQ(foreground_kind("firefox.exe"), "browser");
  EXPECT_EQ(foreground_kind("spotify.exe"), "music");
  EXPECT_EQ(foreground_kind("ms-teams.exe"), "chat");
  EXPECT_EQ(foreground_kind("code2.exe"), "");
  EXPECT_EQ(foreground_kind("notepad.exe"), "");
  EXPECT_EQ(foreground_kind("vlc.exe.exe"), "");
  EXPECT_EQ(foreground_kind(""), "");
}

TEST(ForegroundKind, KnowsLinuxProgramNames) {
  EXPECT_EQ(foreground_kind("codium"), "code");
  EXPECT_EQ(foreground_kind("gnome-terminal-server"), "terminal");
  EXPECT_EQ(foreground_kind("konsole"), "terminal");
  EXPECT_EQ(foreground_kind("firefox-esr"), "browser");
  EXPECT_EQ(foreground_kind("google-chrome"), "browser");
  EXPECT_EQ(foreground_kind("mpv"), "video");
  EXPECT_EQ(foreground_kind("telegram-desktop"), "chat");
  EXPECT_EQ(foreground_kind("inkscape"), "design");
  EXPECT_EQ(foreground_kind("gnome-shell"), "");
}

TEST(ForegroundKind, FileNameIsThePartAfterTheLastSeparator) {
  EXPECT_EQ(image_file_name("C:\\Program Files\\Mozilla/firefox.exe"), "firefox.exe");
  EXPECT_EQ(image_file_name("C:/tools/wt.exe"), "wt.exe");
  EXPECT_EQ(image_file_name("cmd.exe"), "cmd.exe");
}

TEST(CpuLoad, IsTheNonIdleShareOfKernelPlusUserTime) {
  CpuLoadMeter meter;
  EXPECT_EQ(meter.update(CpuTimes{1000, 3000, 1000}), 0);  // first sample only stores
  // 400 busy units (300 kernel incl. 100 idle, 100 user): 300 of them not idle.
  EXPECT_FLOAT_EQ(meter.update(CpuTimes{1100, 3300, 1100}), 75.0f);
  // Nothing elapsed: no load.
  EXPECT_EQ(meter.update(CpuTimes{1100, 3300, 1100}), 0);
  // All idle.
  EXPECT_EQ(meter.update(CpuTimes{1300, 3500, 1100}), 0);
}

TEST(CpuLoad, FailedReadsKeepThePreviousSampleAndCountersThatGoBackCountAsZero) {
  CpuLoadMeter meter;
  meter.update(CpuTimes{0, 100, 100});
  EXPECT_EQ(meter.update(std::nullopt), 0);
  EXPECT_FLOAT_EQ(meter.update(CpuTimes{50, 200, 200}), 75.0f);  // measured against {0,100,100}
  // Idle went backwards: idle counts 0, load is capped at 100.
  EXPECT_FLOAT_EQ(meter.update(CpuTimes{10, 300, 300}), 100.0f);
}

MonitorInfo monitor(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, bool primary = false) {
  MonitorInfo m;
  m.x = x, m.y = y, m.width = w, m.height = h;
  m.work_left = x, m.work_top = y, m.work_right = x + w, m.work_bottom = y + h - 40;
  m.primary = primary;
  return m;
}

TEST(MonitorLayout, SortsByLeftEdgeKeepingEnumerationNumbers) {
  // The primary is enumerated first but sits in the middle; a portrait one on the left.
  std::vector<MonitorInfo> sorted = sort_monitors(
      {monitor(0, 0, 2560, 1440, true), monitor(2560, 200, 1920, 1080), monitor(-1080, -300, 1080, 1920)});
  ASSERT_EQ(sorted.size(), 3u);
  EXPECT_EQ(sorted[0].x, -1080);
  EXPECT_EQ(sorted[0].number, 3u);
  EXPECT_EQ(sorted[1].number, 1u);
  EXPECT_TRUE(sorted[1].primary);
  EXPECT_EQ(sorted[2].number, 2u);
}

TEST(MonitorLayout, EqualLeftEdgesKeepEnumerationOrderAndNoMonitorGivesTheFallback) {
  std::vector<MonitorInfo> stacked = sort_monitors({monitor(0, 1080, 1920, 1080), monitor(0, 0, 1920, 1080, true)});
  EXPECT_EQ(stacked[0].y, 1080);
  EXPECT_EQ(stacked[1].y, 0);

  std::vector<MonitorInfo> none = sort_monitors({});
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(none[0].width, 1920);
  EXPECT_EQ(none[0].height, 1080);
  EXPECT_EQ(none[0].work_bottom, 1032);
  EXPECT_TRUE(none[0].primary);
}

ForegroundWindow window(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b,
                        std::u16string cls = u"MozillaWindowClass") {
  return ForegroundWindow{std::move(cls), WindowRect{l, t, r, b}};
}

TEST(MonitorLayout, FullscreenOnASecondaryMonitorBlocksOnlyThatOne) {
  std::vector<MonitorInfo> ms = sort_monitors({monitor(0, 0, 1920, 1080, true), monitor(1920, 0, 1280, 1024)});
  mark_blocked_monitors(ms, window(1920, 0, 3200, 1024));
  EXPECT_FALSE(ms[0].blocked);
  EXPECT_TRUE(ms[1].blocked);
  // The window goes away: the flags clear.
  mark_blocked_monitors(ms, std::nullopt);
  EXPECT_FALSE(ms[1].blocked);
}

TEST(MonitorLayout, TwoPixelsShortStillBlocksThreeDoNot) {
  std::vector<MonitorInfo> ms{monitor(0, 0, 1920, 1080, true)};
  mark_blocked_monitors(ms, window(2, 2, 1918, 1078));
  EXPECT_TRUE(ms[0].blocked);
  mark_blocked_monitors(ms, window(3, 0, 1920, 1080));
  EXPECT_FALSE(ms[0].blocked);
  mark_blocked_monitors(ms, window(0, 0, 1920, 1077));
  EXPECT_FALSE(ms[0].blocked);
}

TEST(MonitorLayout, OneHugeWindowCanCoverSeveralMonitors) {
  std::vector<MonitorInfo> ms = sort_monitors({monitor(0, 0, 1920, 1080, true), monitor(1920, 0, 1920, 1080),
                                               monitor(3840, 0, 1280, 1024)});
  mark_blocked_monitors(ms, window(0, 0, 3840, 1080));
  EXPECT_TRUE(ms[0].blocked);
  EXPECT_TRUE(ms[1].blocked);
  EXPECT_FALSE(ms[2].blocked);
}

TEST(MonitorLayout, TaskbarDesktopAndOwnWindowsNeverBlock) {
  for (std::u16string cls : {u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd", u"Progman", u"WorkerW",
                             u"BurrowlyHostClass", u"BurrowlyOverlayClass"}) {
    std::vector<MonitorInfo> ms{monitor(0, 0, 1920, 1080, true)};
    mark_blocked_monitors(ms, window(0, 0, 1920, 1080, cls));
    EXPECT_FALSE(ms[0].blocked) << std::string(cls.begin(), cls.end());
  }
  std::vector<MonitorInfo> ms{monitor(0, 0, 1920, 1080, true)};
  mark_blocked_monitors(ms, ForegroundWindow{u"Chrome_WidgetWin_1", std::nullopt});
  EXPECT_FALSE(ms[0].blocked);
}

}  // namespace
}  // namespace burrowly
