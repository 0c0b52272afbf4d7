#include "shell/linux/x11_desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/scrnsaver.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "shell/left_button.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

using Clock = std::chrono::steady_clock;

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

bool has_screen_saver(Display* display) {
  int event_base = 0, error_base = 0;
  return XScreenSaverQueryExtension(display, &event_base, &error_base) != 0;
}

// The X Input extension's opcode once raw input events from every device are selected
// on the root window; 0 when the server cannot send them.
int select_raw_input(Display* display) {
  int opcode = 0, event_base = 0, error_base = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event_base, &error_base)) return 0;
  int major = 2, minor = 2;
  if (XIQueryVersion(display, &major, &minor) != Success) return 0;
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  for (int type : {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease, XI_RawMotion})
    XISetMask(bits, type);
  XIEventMask mask{XIAllMasterDevices, int(sizeof(bits)), bits};
  return XISelectEvents(display, DefaultRootWindow(display), &mask, 1) == Success ? opcode : 0;
}

}  // namespace

struct X11Desktop::Connection {
  explicit Connection(Display* opened)
      : display(opened),
        has_idle(has_screen_saver(display)),
        input_opcode(select_raw_input(display)),
        active(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)),
        pid(XInternAtom(display, "_NET_WM_PID", False)),
        window_type(XInternAtom(display, "_NET_WM_WINDOW_TYPE", False)),
        type_desktop(XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False)),
        type_dock(XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False)) {
    read_button_map();
    read_idle();
  }

  Display* display;
  bool has_idle;
  int input_opcode;  // the X Input extension's, when it sends raw events; else 0
  Atom active, pid, window_type, type_desktop, type_dock;
  // Raw button events carry the physical button; the pointer mapping says which is left.
  std::array<unsigned char, 256> button_map{};
  int button_count = 0;
  // What the pointer reading and the raw events have told.
  int cursor_x = 0, cursor_y = 0;
  bool left_down = false;
  bool pointer_stale = true;
  bool left_went_down = false;
  std::optional<Clock::time_point> last_input;  // unknown until the first input or idle reading

  void read_button_map() { button_count = XGetPointerMapping(display, button_map.data(), int(button_map.size())); }
  bool is_left(int physical) const { return physical >= 1 && physical <= button_count && button_map[physical - 1] == 1; }

  // Takes the raw events queued since the last call, without waiting for more.
  void read_events() {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MappingNotify && event.xmapping.request == MappingPointer) read_button_map();
      XGenericEventCookie& cookie = event.xcookie;
      if (cookie.type != GenericEvent || cookie.extension != input_opcode || !XGetEventData(display, &cookie)) continue;
      last_input = Clock::now();
      if (cookie.evtype != XI_RawKeyPress && cookie.evtype != XI_RawKeyRelease) pointer_stale = true;
      if (cookie.evtype == XI_RawButtonPress && is_left(static_cast<const XIRawEvent*>(cookie.data)->detail))
        left_went_down = true;
      XFreeEventData(display, &cookie);
    }
  }

  void read_pointer() {
    Window root = 0, child = 0;
    int x = 0, y = 0;
    unsigned int mask = 0;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &cursor_x, &cursor_y, &x, &y, &mask))
      left_down = (mask & Button1Mask) != 0;
  }

  void read_idle() {
    XScreenSaverInfo info{};
    if (has_idle && XScreenSaverQueryInfo(display, DefaultRootWindow(display), &info))
      last_input = Clock::now() - std::chrono::milliseconds(info.idle);
  }
};

X11Desktop::X11Desktop() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  XSetErrorHandler(ignore_x_error);
  connection_ = new Connection(display);
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

InputSnapshot X11Desktop::poll_input(bool& left_was_down) {
  InputSnapshot input;
  input.idle_ms = 1000;
  if (!connection_) return input;
  Connection& x = *connection_;
  x.read_events();
  if (x.pointer_stale) x.read_pointer();
  x.pointer_stale = x.input_opcode == 0;  // without raw events nothing tells of a move
  input.cursor_x = x.cursor_x, input.cursor_y = x.cursor_y;
  const LeftButtonFrame left = left_button_frame(x.left_down, x.left_went_down, left_was_down);
  x.left_went_down = false;
  input.left_down = left.down;
  input.left_pressed = left.pressed;
  if (x.last_input) {
    const auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - *x.last_input).count();
    input.idle_ms = std::uint32_t(std::clamp<std::int64_t>(idle, 0, UINT32_MAX));
  }
  return input;
}

void X11Desktop::resync() {
  if (!connection_) return;
  connection_->read_events();
  connection_->read_idle();
  connection_->pointer_stale = true;
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
