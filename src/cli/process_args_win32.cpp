#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "cli/process_args.h"
#include "text/utf16.h"

namespace burrowly {

std::vector<std::string> process_arguments(int, char**) {
  return split_windows_command_line(from_wide(GetCommandLineW()));
}

void attach_client_console() {
  // A GUI-subsystem program has no console of its own. Streams redirected by the
  // caller (a pipe or a file) are already valid; otherwise use the parent's console.
  bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  auto reopen_if_missing = [&](DWORD which, const char* device, const char* mode, FILE* stream) {
    HANDLE h = GetStdHandle(which);
    if ((h == nullptr || h == INVALID_HANDLE_VALUE || _fileno(stream) < 0) && attached) {
      FILE* ignored = nullptr;
      freopen_s(&ignored, device, mode, stream);
    }
  };
  reopen_if_missing(STD_INPUT_HANDLE, "CONIN$", "r", stdin);
  reopen_if_missing(STD_OUTPUT_HANDLE, "CONOUT$", "w", stdout);
  reopen_if_missing(STD_ERROR_HANDLE, "CONOUT$", "w", stderr);
  if (attached) SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace burrowly
