#include "shell/linux/x11_desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/scrnsaver.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "text/utf16.h"

namespace burrowly {
namespace {

// A window can vanish between two requests; such errors only make a read unknown.
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

// The 32-bit values of a property, whatever its type; empty when it is missing.
std::vector<unsigned long> long_property(Display* display, Window window, Atom property) {
  Atom actual = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display, window, property, 0, 64, False, AnyPropertyType, &actual, &format, &count, &after, &data) ==
          Success &&
      data && format == 32)
    values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
  if (data) XFree(data);
  return values;
}

// The file name of the process's executable; its short name when the link cannot be
// read (the short name is cut at 15 bytes, too short for some program names).
std::string process_name(unsigned long pid) {
  const std::string folder = "/proc/" + std::to_string(pid);
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink(folder + "/exe", error);
  if (!error) return executable.filename().string();
  std::ifstream comm(folder + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

}  // namespace

struct X11Desktop::Connection {
  Display* display;
  bool has_idle;
  Atom active, pid, window_type, type_desktop, type_dock;
};

X11Desktop::X11Desktop() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  XSetErrorHandler(ignore_x_error);
  int event_base = 0, error_base = 0;
  connection_ = new Connection{display,
                               XScreenSaverQueryExtension(display, &event_base, &error_base) != 0,
                               XInternAtom(display, "_NET_ACTIVE_WINDOW", False),
                               XInternAtom(display, "_NET_WM_PID", False),
                               XInternAtom(display, "_NET_WM_WINDOW_TYPE", False),
                               XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False),
                               XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False)};
}

X11Desktop::X11Desktop(X11Desktop&& other) noexcept { std::swap(connection_, other.connection_); }

X11Desktop& X11Desktop::operator=(X11Desktop&& other) noexcept {
  std::swap(connection_, other.connection_);
  return *this;
}

X11Desktop::~X11Desktop() {
  if (!connection_) return;
  XCloseDisplay(connection_->display);
  delete connection_;
}

InputSnapshot X11Desktop::poll_input(bool& left_was_down) const {
  InputSnapshot input;
  input.idle_ms = 1000;
  if (!connection_) return input;
  Display* display = connection_->display;
  Window root_return = 0, child = 0;
  int root_x = 0, root_y = 0, x = 0, y = 0;
  unsigned int mask = 0;
  if (XQueryPointer(display, DefaultRootWindow(display), &root_return, &child, &root_x, &root_y, &x, &y, &mask)) {
    input.cursor_x = root_x, input.cursor_y = root_y;
    input.left_down = (mask & Button1Mask) != 0;
  }
  input.left_pressed = input.left_down && !left_was_down;
  left_was_down = input.left_down;
  if (connection_->has_idle) {
    XScreenSaverInfo info{};
    if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), &info)) input.idle_ms = std::uint32_t(info.idle);
  }
  return input;
}

std::optional<ActiveWindow> X11Desktop::active_window() const {
  if (!connection_) return std::nullopt;
  Display* display = connection_->display;
  const Window root = DefaultRootWindow(display);
  const std::vector<unsigned long> active = long_property(display, root, connection_->active);
  if (active.empty() || active[0] == None) return std::nullopt;
  const Window window = active[0];
  for (unsigned long type : long_property(display, window, connection_->window_type))
    if (type == connection_->type_desktop || type == connection_->type_dock) return std::nullopt;
  ActiveWindow found;
  if (std::vector<unsigned long> pid = long_property(display, window, connection_->pid); !pid.empty())
    found.program = process_name(pid[0]);
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint)) {
    if (hint.res_class) found.window.class_name = utf8_to_utf16(hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  XWindowAttributes attributes{};
  Window child = 0;
  int left = 0, top = 0;
  if (XGetWindowAttributes(display, window, &attributes) &&
      XTranslateCoordinates(display, window, root, 0, 0, &left, &top, &child))
    found.window.rect = WindowRect{left, top, left + attributes.width, top + attributes.height};
  return found;
}

}  // namespace burrowly
