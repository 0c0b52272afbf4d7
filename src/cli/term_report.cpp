#include "cli/term_report.h"

#include <charconv>
#include <limits>

#include "text/unicode.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

// Only ASCII digits, at least one, as an unsigned value; nothing when out of range.
std::optional<std::uint64_t> parse_digits(std::string_view digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::int32_t parse_exit_code(std::string_view text) {
  bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  std::optional<std::uint64_t> magnitude = parse_digits(text);
  constexpr std::uint64_t max = std::numeric_limits<std::int32_t>::max();
  if (!magnitude || *magnitude > max + (negative ? 1 : 0)) return 0;
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(*magnitude))
                  : static_cast<std::int32_t>(*magnitude);
}

std::uint64_t parse_seconds(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  return parse_digits(text).value_or(0);
}

bool white_space_at(std::string_view text, std::size_t i, std::size_t& next) {
  next = i;
  std::optional<char32_t> c = next_scalar(text, next);
  return c && is_unicode_white_space(*c);
}

}  // namespace

TermArgs parse_term_args(std::span<const std::string> args) {
  TermArgs term;
  if (args.size() > 0) term.exit_code = parse_exit_code(args[0]);
  if (args.size() > 1) term.seconds = parse_seconds(args[1]);
  if (args.size() > 2) term.command = args[2];
  return term;
}

bool term_worth_reporting(const TermArgs& term) { return term.exit_code != 0 || term.seconds >= 8; }

std::string_view command_word(std::string_view command) {
  std::size_t start = 0, next = 0;
  while (start < command.size() && white_space_at(command, start, next)) start = next;
  std::size_t end = start;
  while (end < command.size() && !white_space_at(command, end, next)) end = next;
  return command.substr(start, end - start);
}

SignalMsg term_message(const TermArgs& term, std::string_view term_done, std::string_view term_failed) {
  std::string word(command_word(term.command));
  if (term.exit_code != 0)
    return FailMsg{word + ": " + std::string(term_failed) + " " + std::to_string(term.exit_code)};
  return OkMsg{word + " " + std::string(term_done) + " (" + std::to_string(term.seconds) + "s)"};
}

}  // namespace burrowly
