#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/fatal.h"

namespace burrowly {

void fatal(std::string_view message) {
  std::string line = "Burrowly: fatal: " + std::string(message) + "\n";
  std::fflush(stdout);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
  std::exit(kFatalExitStatus);
}

void show_fatal_errors_in_dialog() {}

}  // namespace burrowly
