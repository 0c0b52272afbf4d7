#pragma once
// Wall-clock and monotonic time from the operating system.

#include <cstdint>

#include "platform/local_time.h"

namespace burrowly {

LocalTime local_now();

// The current system time as a FILETIME count: 100 ns units since 1 January 1601 (UTC).
std::uint64_t precise_filetime();

// Seconds on a monotonic clock with an arbitrary origin.
double monotonic_seconds();

}  // namespace burrowly
