#include <time.h>

#include "platform/clock.h"

namespace burrowly {

LocalTime local_now() {
  time_t now = time(nullptr);
  struct tm t {};
  localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_wday};
}

std::uint64_t precise_filetime() {
  constexpr std::uint64_t kUnixEpochAsFiletime = 116444736000000000ULL;
  struct timespec ts {};
  clock_gettime(CLOCK_REALTIME, &ts);
  if (ts.tv_sec < 0) return 0;
  return kUnixEpochAsFiletime + static_cast<std::uint64_t>(ts.tv_sec) * 10000000ULL +
         static_cast<std::uint64_t>(ts.tv_nsec) / 100;
}

double monotonic_seconds() {
  struct timespec ts {};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace burrowly
