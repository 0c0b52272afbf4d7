#include "shell/autostart_entry.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

TEST(AutostartEntry, RunsTheExecutableQuoted) {
  EXPECT_EQ(autostart_entry("/usr/bin/burrowly"),
            "[Desktop Entry]\nType=Application\nName=Burrowly\nExec=\"/usr/bin/burrowly\"\n"
            "Icon=burrowly\nX-GNOME-Autostart-enabled=true\n");
}

TEST(AutostartEntry, EscapesWhatTheExecLineWouldOtherwiseReadAsSyntax) {
  const std::string entry = autostart_entry("/home/ann/my \"pets\"/$bin/a\\b");
  // Quote, dollar and backslash are escaped for the Exec line, then every backslash
  // again for the string value.
  EXPECT_NE(entry.find("Exec=\"/home/ann/my \\\\\"pets\\\\\"/\\\\$bin/a\\\\\\\\b\"\n"), std::string::npos) << entry;
}

}  // namespace
}  // namespace burrowly
