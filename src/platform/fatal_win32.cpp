#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/fatal.h"
#include "text/utf16.h"

namespace burrowly {
namespace {
bool g_dialog = false;
}

void fatal(std::string_view message) {
  std::string text = "Burrowly: fatal: " + std::string(message);
  std::string line = text + "\n";
  std::fflush(stdout);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
  if (g_dialog) MessageBoxW(nullptr, to_wide(text).c_str(), L"Burrowly", MB_OK | MB_ICONERROR);
  std::exit(kFatalExitStatus);
}

void show_fatal_errors_in_dialog() { g_dialog = true; }

}  // namespace burrowly
