#include <gtest/gtest.h>

#include "cli/process_args.h"

namespace burrowly {
namespace {

using Args = std::vector<std::string>;

TEST(WindowsCommandLine, ProgramPathIsSkipped) {
  EXPECT_EQ(split_windows_command_line("Burrowly.exe"), Args{});
  EXPECT_EQ(split_windows_command_line("\"C:\\Program Files\\Burrowly.exe\" say hi"), (Args{"say", "hi"}));
  EXPECT_EQ(split_windows_command_line("C:\\b\\Burrowly.exe   say\t hi  "), (Args{"say", "hi"}));
}

TEST(WindowsCommandLine, QuotesGroupAndBackslashesEscapeOnlyBeforeQuotes) {
  EXPECT_EQ(split_windows_command_line("x say \"hello world\""), (Args{"say", "hello world"}));
  EXPECT_EQ(split_windows_command_line("x a\\\\b c\\d"), (Args{"a\\\\b", "c\\d"}));
  EXPECT_EQ(split_windows_command_line("x \\\"q\\\""), (Args{"\"q\""}));
  EXPECT_EQ(split_windows_command_line("x \"a\\\\\" b"), (Args{"a\\", "b"}));
  EXPECT_EQ(split_windows_command_line("x \"\""), (Args{""}));
  EXPECT_EQ(split_windows_command_line("x ab\"c d\"e"), (Args{"abc de"}));
}

}  // namespace
}  // namespace burrowly
