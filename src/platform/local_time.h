#pragma once
// A local date and time of day, as the wall clock shows it.

namespace burrowly {

struct LocalTime {
  int year;
  int month;    // 1-12
  int day;      // 1-31
  int hour;     // 0-23
  int minute;   // 0-59
  int weekday;  // 0 Sunday .. 6 Saturday
};

}  // namespace burrowly
