#include "cli/hook_entry.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

TEST(HookEntry, ProgramPathsBecomeOneShellWord) {
  EXPECT_EQ(shell_word_for_program("/usr/local/bin/burrowly", false), "/usr/local/bin/burrowly");
  EXPECT_EQ(shell_word_for_program("/home/ann/my apps/burrowly", false), "'/home/ann/my apps/burrowly'");
  EXPECT_EQ(shell_word_for_program("/home/o'neil/$bin/burrowly", false), "'/home/o'\\''neil/$bin/burrowly'");
  EXPECT_EQ(shell_word_for_program("C:\\Users\\Ann\\Burrowly\\Burrowly.exe", true), "C:/Users/Ann/Burrowly/Burrowly.exe");
  EXPECT_EQ(shell_word_for_program("C:\\Program Files\\Burrowly\\Burrowly.exe", true),
            "\"C:/Program Files/Burrowly/Burrowly.exe\"");
  EXPECT_EQ(shell_word_for_program("C:\\Users\\Zoë (work)\\Burrowly.exe", true), "\"C:/Users/Zoë (work)/Burrowly.exe\"");
}

TEST(HookEntry, OurCommandsAreKnownWhereverTheProgramLives) {
  for (const std::string path : {"/usr/bin/burrowly", "/home/ann/my apps/burrowly", "C:\\Program Files\\Burrowly\\Burrowly.exe"})
    for (bool windows : {false, true})
      EXPECT_TRUE(is_burrowly_hook_command(hook_command_line(path, HookAgent::gemini, windows), HookAgent::gemini, ""))
          << path;
  EXPECT_TRUE(is_burrowly_hook_command("BURROWLY.EXE hook codex", HookAgent::codex, "x"));
  EXPECT_FALSE(is_burrowly_hook_command("/usr/bin/burrowly hook codex", HookAgent::claude, "x"));
  EXPECT_FALSE(is_burrowly_hook_command("/usr/bin/notburrowly hook claude", HookAgent::claude, "x"));
  EXPECT_FALSE(is_burrowly_hook_command("/usr/bin/burrowly hook claude --verbose", HookAgent::claude, "x"));
  EXPECT_FALSE(is_burrowly_hook_command("/usr/bin/burrowly say hook claude", HookAgent::claude, "x"));
  // The command this executable installs is ours whatever its file is called.
  EXPECT_TRUE(is_burrowly_hook_command("/opt/pet/pet hook claude", HookAgent::claude, "/opt/pet/pet hook claude"));
}

}  // namespace
}  // namespace burrowly
