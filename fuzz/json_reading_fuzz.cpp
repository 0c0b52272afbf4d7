// The reading rules every JSON input shares (settings, the profiles index, hook events,
// signal lines): each reader gives the same answer with a byte-order mark in front,
// and none accepts a text holding a NUL byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/hook_event.h"
#include "cli/signal_codec.h"
#include "config/profiles.h"
#include "config/settings_file.h"

namespace {

template <class Read>
void check(Read read, std::string_view text) {
  const bool reads = read(text).has_value();
  if (!text.starts_with("\xEF\xBB\xBF") && read("\xEF\xBB\xBF" + std::string(text)).has_value() != reads) std::abort();
  if (reads && text.find('\0') != std::string_view::npos) std::abort();
  if (reads && read(std::string(text) + '\0').has_value()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  check([](std::string_view t) { return burrowly::read_config(t); }, text);
  check([](std::string_view t) { return burrowly::read_profile_index(t); }, text);
  check([](std::string_view t) { return burrowly::parse_hook_input(t); }, text);
  check([](std::string_view t) { return burrowly::decode_signal(t); }, text);
  return 0;
}
