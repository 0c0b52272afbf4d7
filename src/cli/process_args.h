#pragma once
// The process's own arguments and the console of a command-line client.

#include <string>
#include <string_view>
#include <vector>

namespace burrowly {

// The arguments after the program name, as UTF-8.
std::vector<std::string> process_arguments(int argc, char** argv);

// Splits a Windows command line by the Windows rules (white space separates, double
// quotes group, backslashes escape only before a double quote) and drops the first
// argument, the program path.
std::vector<std::string> split_windows_command_line(std::string_view command_line);

// Client mode: reach the console or pipes of the process that started us, with the
// streams in binary mode so the bytes written are exactly ours.
void attach_client_console();

}  // namespace burrowly
