// The program's entry point: any argument makes it a command-line client; without
// one it becomes the tray application.
#include <iostream>

#include "app/tray_app.h"
#include "cli/dispatch.h"
#include "cli/process_args.h"

int main(int argc, char** argv) {
  std::vector<std::string> args = burrowly::process_arguments(argc, argv);
  if (args.empty()) return burrowly::run_tray_app();
  burrowly::attach_client_console();
  int status = burrowly::dispatch_command(args, {std::cout, std::cerr, std::cin});
  std::cout.flush();
  std::cerr.flush();
  return status;
}
