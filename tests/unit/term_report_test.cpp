#include "cli/term_report.h"

#include <gtest/gtest.h>

#include <vector>

namespace burrowly {
namespace {

// What "term ARGS..." tells the pet with the English words, or nothing.
std::optional<SignalMsg> report(std::vector<std::string> args) {
  TermArgs term = parse_term_args(args);
  if (!term_worth_reporting(term)) return std::nullopt;
  return term_message(term, "done", "failed");
}

TEST(TermReport, EveryRowOfTheTable) {
  EXPECT_EQ(report({"0", "7", "make"}), std::nullopt);
  EXPECT_EQ(report({"0", "8", "make"}), SignalMsg{OkMsg{"make done (8s)"}});
  EXPECT_EQ(report({"2", "1", "make"}), SignalMsg{FailMsg{"make: failed 2"}});
  EXPECT_EQ(report({"-1", "0"}), SignalMsg{FailMsg{": failed -1"}});
  EXPECT_EQ(report({"abc", "100"}), SignalMsg{OkMsg{" done (100s)"}});
  EXPECT_EQ(report({"1", "x", "y", "z"}), SignalMsg{FailMsg{"y: failed 1"}});
  EXPECT_EQ(report({}), std::nullopt);
  EXPECT_EQ(report({"0", "99999999999999999999"}), std::nullopt);
}

TEST(TermReport, ExitCodeIsAStrictSigned32BitNumber) {
  auto code = [](std::string text) { return parse_term_args(std::vector<std::string>{text}).exit_code; };
  EXPECT_EQ(code("+7"), 7);
  EXPECT_EQ(code("-2147483648"), -2147483648);
  EXPECT_EQ(code("2147483647"), 2147483647);
  for (const char* zero : {"2147483648", "-2147483649", "", "-", "+", "+-1", "--1", " 1", "1 ", "0x1", "1.0", "١"})
    EXPECT_EQ(code(zero), 0) << zero;
}

TEST(TermReport, SecondsAreUnsigned64Bit) {
  auto secs = [](std::string text) { return parse_term_args(std::vector<std::string>{"0", text}).seconds; };
  EXPECT_EQ(secs("+9"), 9u);
  EXPECT_EQ(secs("18446744073709551615"), 18446744073709551615u);
  for (const char* zero : {"18446744073709551616", "-1", "", "+", "8s"}) EXPECT_EQ(secs(zero), 0u) << zero;
}

TEST(TermReport, WordIsTheProgramNameWithoutItsOptions) {
  EXPECT_EQ(command_word("  cargo build --release"), "cargo");
  EXPECT_EQ(command_word("\xE3\x80\x80npm\xC2\xA0test"), "npm") << "ideographic and no-break spaces";
  EXPECT_EQ(command_word(" \t "), "");
  EXPECT_EQ(command_word("\xD0\xB7\xD0\xB1\xD1\x96\xD1\x80\xD0\xBA\xD0\xB0 x"), "\xD0\xB7\xD0\xB1\xD1\x96\xD1\x80\xD0\xBA\xD0\xB0");
  TermArgs term{-3, 0, "git push"};
  EXPECT_EQ(term_message(term, "gotowe", "b\xC5\x82\xC4\x85" "d"), SignalMsg{FailMsg{"git: b\xC5\x82\xC4\x85" "d -3"}});
}

}  // namespace
}  // namespace burrowly
