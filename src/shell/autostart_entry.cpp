#include "shell/autostart_entry.h"

namespace burrowly {

std::string autostart_entry(std::string_view executable) {
  std::string quoted = "\"";
  for (char c : executable) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  // A desktop entry's string values escape each backslash once more.
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return "[Desktop Entry]\nType=Application\nName=Burrowly\nExec=" + value +
         "\nIcon=burrowly\nX-GNOME-Autostart-enabled=true\n";
}

}  // namespace burrowly
