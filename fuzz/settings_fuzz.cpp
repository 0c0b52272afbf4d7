// A profile's settings file, as anyone may have edited it: reading never fails unsafely,
// the days counted from its first day never overflow, and a record that reads and is
// repaired is written back as text that reads again to the same record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/calendar.h"
#include "config/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<burrowly::Config> config =
      burrowly::read_config(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!config) return 0;
  burrowly::days_together(config->first_day, config->visit_day);
  burrowly::days_together(config->stat_day, config->first_day);
  burrowly::normalize_config(*config);
  std::optional<burrowly::Config> again = burrowly::read_config(burrowly::config_text(*config));
  if (!again || !(*again == *config)) std::abort();
  return 0;
}
