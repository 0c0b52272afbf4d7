// The tray application: start-up in a fixed order, the message loop, and an orderly
// shutdown that puts everything back in reverse.
#include <windows.h>
#include <objbase.h>
#include <wtsapi32.h>

#include <string>

#include "app/app_state.h"
#include "app/tray_app.h"
#include "cli/send_signal.h"
#include "config/pet_names.h"
#include "config/settings_file.h"
#include "platform/fatal.h"
#include "shell/app_core.h"
#include "shell/signal_listener.h"
#include "shell/tray_tooltip.h"
#include "shell/win32/desktop_probe.h"
#include "shell/win32/host_window.h"
#include "shell/win32/name_dialog.h"
#include "shell/win32/tray_icon.h"
#include "text/utf16.h"

namespace burrowly {

ExclusiveSlot<AppState>& app_slot() {
  thread_local ExclusiveSlot<AppState> slot;
  return slot;
}

namespace {

void register_window_classes(HINSTANCE instance, HCURSOR arrow) {
  WNDCLASSEXW overlay{};
  overlay.cbSize = sizeof(overlay);
  overlay.style = CS_HREDRAW | CS_VREDRAW;
  overlay.lpfnWndProc = DefWindowProcW;
  overlay.hInstance = instance;
  overlay.hCursor = arrow;
  overlay.lpszClassName = L"BurrowlyOverlayClass";
  RegisterClassExW(&overlay);

  WNDCLASSEXW host{};
  host.cbSize = sizeof(host);
  host.lpfnWndProc = host_window_proc;
  host.hInstance = instance;
  host.lpszClassName = L"BurrowlyHostClass";
  RegisterClassExW(&host);

  register_name_dialog_class(instance, arrow);
}

std::string system_error_text(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = n ? from_wide(std::wstring_view(buffer, n)) : "error " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

void run_message_loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The settings are saved first and the pet leaves the screen next: removing the tray
// icon can take seconds (it waits on the notification area), and a quit cut short in
// that time, as at logoff, must not lose them.
void shut_down(HWND host) {
  KillTimer(host, kFrameTimer);
  KillTimer(host, kSensingTimer);
  KillTimer(host, kTrayClickTimer);
  WTSUnRegisterSessionNotification(host);
  std::optional<AppState> app = app_slot().take();
  if (app) {
    save_config(app->engine->config());
    save_profiles_index(*app->profiles);
    app->overlays.clear();
  }
  delete_tray_icon(host);
  if (!app) return;
  if (app->tray_icon) DestroyIcon(app->tray_icon);
  app->sensing.release();
  HANDLE mutex = app->mutex;
  app.reset();
  if (mutex) CloseHandle(mutex);
}

}  // namespace

int run_tray_app() {
  show_fatal_errors_in_dialog();
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\BurrowlySingleInstance");
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    CoUninitialize();
    return 0;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  register_window_classes(instance, arrow);
  HWND host = CreateWindowExW(0, L"BurrowlyHostClass", L"BurrowlyHost", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
  if (!host) fatal("host window " + system_error_text(GetLastError()));
  WTSRegisterSessionNotification(host, NOTIFY_FOR_THIS_SESSION);

  AppState app;
  app.instance = instance;
  app.host = host;
  app.mutex = mutex;
  start_app_core(app, enumerate_monitors());
  const Config& config = app.engine->config();
  create_overlays(app, config);
  app.tray_icon = create_tray_icon_handle();
  add_tray_icon(host, app.tray_icon, tray_tooltip(pet_display_name(config), config.profile_display));
  auto wake = [host] { PostMessageW(host, kSignalReadyMessage, 0, 0); };
  if (!start_signal_listener(app.signals, pipe_name(), wake)) fatal("pipe listener thread could not be started");
  app.sensing = SensingObjects::create();
  app.cpu.update(read_cpu_times());
  app_slot().put(std::move(app));

  SetTimer(host, kFrameTimer, 33, nullptr);
  SetTimer(host, kSensingTimer, 1000, nullptr);
  frame_tick();
  run_message_loop();
  shut_down(host);
  CoUninitialize();
  return 0;
}

}  // namespace burrowly
