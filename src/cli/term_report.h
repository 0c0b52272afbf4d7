#pragma once
// The report of a finished shell command ("term <exit> <sec> [cmd]").

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/signal_msg.h"

namespace burrowly {

struct TermArgs {
  std::int32_t exit_code = 0;
  std::uint64_t seconds = 0;
  std::string command;
};

// Reads the arguments after "term"; anything unreadable counts as 0 or empty.
TermArgs parse_term_args(std::span<const std::string> args);

// Only failures and commands that ran 8 seconds or more are worth telling the pet.
bool term_worth_reporting(const TermArgs& term);

// The first white-space-separated word of the command: the program's name.
std::string_view command_word(std::string_view command);

// Fail "word: failed code" for a failure, else Ok "word done (Ns)", in the words given.
SignalMsg term_message(const TermArgs& term, std::string_view term_done, std::string_view term_failed);

}  // namespace burrowly
