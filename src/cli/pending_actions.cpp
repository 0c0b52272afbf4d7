// Command actions whose implementation has not landed yet: they fail loudly rather
// than pretend success. Each moves to its own file when it is built.
#include <ostream>

#include "cli/actions.h"

namespace burrowly {
namespace {

int not_built(std::string_view what, CliIo io) {
  io.err << "Burrowly: the " << what << " command is not built yet\n";
  return 3;
}

}  // namespace

int run_smoke_test(CliIo io) { return not_built("--smoke-test", io); }

}  // namespace burrowly
