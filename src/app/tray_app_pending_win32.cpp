// Stands in for the tray application until it is built.
#include <cstdio>

#include "app/tray_app.h"

namespace burrowly {

int run_tray_app() {
  std::fputs("Burrowly: the tray application is not built yet\n", stderr);
  return 3;
}

}  // namespace burrowly
