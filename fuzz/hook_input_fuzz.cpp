// The hook's standard input from the coding agent: parsing never fails unsafely.
#include <cstdint>
#include <string_view>

#include "cli/hook_event.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto event = burrowly::parse_hook_input(std::string_view(reinterpret_cast<const char*>(data), size));
  if (event) burrowly::hook_message(*event, "done", "waiting");
  return 0;
}
