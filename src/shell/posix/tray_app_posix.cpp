#include <cstdio>

#include "app/tray_app.h"

namespace burrowly {

int run_tray_app() {
  std::fputs("The Burrowly tray application runs on Windows; this build offers the command-line client.\n",
             stderr);
  return 2;
}

}  // namespace burrowly
