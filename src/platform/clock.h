#pragma once
// Wall-clock and monotonic time from the operating system.

#include <cstdint>

namespace burrowly {

struct LocalTime {
  int year;
  int month;    // 1-12
  int day;      // 1-31
  int hour;     // 0-23
  int minute;   // 0-59
  int weekday;  // 0 Sunday .. 6 Saturday
};

LocalTime local_now();

// The current system time as a FILETIME count: 100 ns units since 1 January 1601 (UTC).
std::uint64_t precise_filetime();

// Seconds on a monotonic clock with an arbitrary origin.
double monotonic_seconds();

}  // namespace burrowly
