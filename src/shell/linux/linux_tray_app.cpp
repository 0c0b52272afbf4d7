// The Linux tray application: start-up in a fixed order, the Qt event loop, and an
// orderly shutdown (menu, SIGTERM or SIGINT) that saves the settings and the index.
#include <sys/eventfd.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>

#include "app/tray_app.h"
#include "cli/send_signal.h"
#include "config/settings_file.h"
#include "platform/clock.h"
#include "platform/env.h"
#include "platform/fatal.h"
#include "shell/app_core.h"
#include "shell/frame_driver.h"
#include "shell/linux/desktop_sensing.h"
#include "shell/linux/linux_app_state.h"
#include "shell/linux/quit_signals.h"
#include "shell/linux/screens.h"
#include "shell/linux/session_events.h"
#include "shell/linux/single_instance.h"
#include "shell/linux/tray_icon.h"
#include "shell/signal_listener.h"

namespace burrowly {
namespace {

// Overlays are placed at exact device pixels, which Wayland does not allow: on a
// Wayland session with XWayland the program runs as an X11 client. Device pixels
// throughout, so the overlays, the pointer and the monitors share one coordinate space.
//
// Repaints go to the server inside the request: they are only the changed rectangle, and
// through shared memory each repaint would first wait for the server to finish reading
// the previous one.
void choose_qt_platform() {
  if (env_var("DISPLAY") && !env_var("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  setenv("QT_XCB_NO_MITSHM", "1", 0);
}

void create_overlays(LinuxAppState& app, const Config& config) {
  app.overlays.clear();
  for (const MonitorInfo& monitor : app.monitors)
    if (auto overlay = OverlayWindow::create(overlay_rect(monitor, config))) app.overlays.push_back(std::move(*overlay));
}

void frame_tick(LinuxAppState& app) {
  if (app.session_locked) return;
  const double now = monotonic_seconds();
  const double dt = frame_seconds(app.previous_frame, now);
  app.previous_frame = now;
  if (apply_signals(*app.engine, app.signals->drain())) app.tray->refresh_tooltip();
  const InputSnapshot input = app.x11.poll_input(app.left_was_down);
  step_frame(app.frame_scene(), app.overlays, input, dt, app.topmost_accumulator);
}

void sensing_tick(LinuxAppState& app) {
  app.x11.resync();
  app.desktop.cpu_load = app.cpu.update(read_cpu_times());
  const std::optional<ActiveWindow> active = app.x11.active_window();
  sense_desktop(app.desktop, active, app.audio, app.network);
  update_blocked_monitors(*app.engine, app.monitors,
                          active ? std::optional<ForegroundWindow>(active->window) : std::nullopt);
}

void relayout_monitors(LinuxAppState& app) {
  app.monitors = enumerate_monitors();
  app.engine->replace_monitors(app.monitors);
  if (app.monitors.size() != app.overlays.size()) {
    create_overlays(app, app.engine->config());
  } else {
    for (std::size_t i = 0; i < app.overlays.size(); ++i)
      app.overlays[i].place(overlay_rect(app.monitors[i], app.engine->config()));
  }
  app.engine->request_redraw();
}

void watch_screens(QApplication& qt, LinuxAppState& app) {
  auto relayout = [&app] { relayout_monitors(app); };
  auto watch = [&qt, relayout](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, &qt, relayout);
    QObject::connect(screen, &QScreen::availableGeometryChanged, &qt, relayout);
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  QObject::connect(&qt, &QGuiApplication::screenAdded, &qt, [watch, relayout](QScreen* screen) {
    watch(screen);
    relayout();
  });
  QObject::connect(&qt, &QGuiApplication::screenRemoved, &qt, [&qt, relayout] {
    QTimer::singleShot(0, &qt, relayout);  // once Qt has forgotten the screen
  });
}

// The socket thread's wake-up: an eventfd the event loop watches. It is never closed,
// so the thread can write to it even while the process is ending.
void wake_on_signals(QApplication& qt, LinuxAppState& app) {
  const int wake_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_fd < 0) fatal("eventfd for the message listener could not be made");
  auto* notifier = new QSocketNotifier(wake_fd, QSocketNotifier::Read, &qt);
  QObject::connect(notifier, &QSocketNotifier::activated, &qt, [wake_fd, &app] {
    eventfd_t count = 0;
    eventfd_read(wake_fd, &count);
    if (app.signals->has_messages()) frame_tick(app);
  });
  if (!start_signal_listener(app.signals, pipe_name(), [wake_fd] { eventfd_write(wake_fd, 1); }))
    fatal("socket listener thread could not be started");
}

}  // namespace

int run_tray_app() {
  if (!env_var("DISPLAY") && !env_var("WAYLAND_DISPLAY") && !env_var("QT_QPA_PLATFORM")) {
    std::fputs("The Burrowly tray application needs a desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.\n", stderr);
    return 2;
  }
  SingleInstance instance;
  if (!instance.held()) return 0;
  choose_qt_platform();
  int argc = 1;
  char name[] = "burrowly";
  char* argv[] = {name, nullptr};
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  LinuxAppState app;
  start_app_core(app, enumerate_monitors());
  create_overlays(app, app.engine->config());
  app.tray = std::make_unique<TrayIcon>(app, TrayActions{[] { QApplication::quit(); },
                                                         [&app] { relayout_monitors(app); }});
  app.cpu.update(read_cpu_times());

  wake_on_signals(qt, app);
  watch_screens(qt, app);
  watch_session(&qt, SessionHandlers{[&app](bool locked) { app.session_locked = locked; },
                                     [&app] { app.engine->start_wake_stretch(); }});
  if (!route_quit_signals([] { QApplication::quit(); })) fatal("quit signal pipe could not be made");
  QTimer frames, sensing;
  QObject::connect(&frames, &QTimer::timeout, &qt, [&app] { frame_tick(app); });
  QObject::connect(&sensing, &QTimer::timeout, &qt, [&app] { sensing_tick(app); });
  frames.start(33);
  sensing.start(1000);
  frame_tick(app);
  QApplication::exec();

  frames.stop();
  sensing.stop();
  save_config(app.engine->config());
  save_profiles_index(*app.profiles);
  app.tray.reset();
  app.overlays.clear();
  return 0;
}

}  // namespace burrowly
