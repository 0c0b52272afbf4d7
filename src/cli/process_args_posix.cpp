#include "cli/process_args.h"

namespace burrowly {

std::vector<std::string> process_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void attach_client_console() {}

}  // namespace burrowly
