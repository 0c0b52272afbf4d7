#pragma once
// The standard streams a command-line action reads and writes.

#include <iosfwd>

namespace burrowly {

struct CliIo {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
};

}  // namespace burrowly
