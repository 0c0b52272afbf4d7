#include "shell/win32/tray_menu_win32.h"

#include <string>
#include <vector>

#include "app/app_state.h"
#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/languages.h"
#include "config/pet_names.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "config/ui_strings.h"
#include "platform/clock.h"
#include "shell/menu_command.h"
#include "shell/menu_text.h"
#include "shell/profile_services.h"
#include "shell/tray_menu.h"
#include "shell/tray_tooltip.h"
#include "shell/win32/host_window.h"
#include "shell/win32/name_dialog.h"
#include "shell/win32/tray_icon.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Burrowly";

HMENU build_native_menu(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  for (const MenuItem& item : items) {
    std::wstring label = to_wide(escape_menu_ampersands(item.label));
    switch (item.type) {
      case MenuItem::Type::separator: AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
      case MenuItem::Type::submenu:
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(build_native_menu(item.children)), label.c_str());
        break;
      case MenuItem::Type::command: {
        UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.enabled ? 0 : MF_GRAYED | MF_DISABLED);
        AppendMenuW(menu, flags, item.id, label.c_str());
        break;
      }
    }
  }
  return menu;
}

// The nickname dialog: an empty answer brings the default name back.
void name_pet() {
  HWND host = nullptr;
  std::string current;
  Language lang = Language::en;
  {
    auto app = app_slot().borrow();
    if (!app) return;
    host = app->host;
    current = pet_display_name(app->engine->config());
    lang = language_from_code(app->engine->config().lang);
  }
  const UiStrings& texts = ui_strings(lang);
  std::optional<std::string> name =
      ask_name(host, texts[Ui::pet_nickname], current, texts[Ui::ok], texts[Ui::cancel]);
  if (!name) return;
  auto app = app_slot().borrow();
  if (!app) return;
  Config& config = app->engine->config();
  if (name->empty()) config.pet_names.erase(config.pet);
  else config.pet_names[config.pet] = *name;
  save_config(config);
  refresh_tooltip(*app);
}

// The new-profile and rename dialogs; the profile operations save what they change.
void ask_profile_name(MenuCommandKind kind) {
  HWND host = nullptr;
  std::string initial;
  Language lang = Language::en;
  {
    auto app = app_slot().borrow();
    if (!app) return;
    host = app->host;
    lang = language_from_code(app->engine->config().lang);
    if (kind == MenuCommandKind::rename_profile) initial = app->engine->config().profile_display;
  }
  const UiStrings& texts = ui_strings(lang);
  Ui title = kind == MenuCommandKind::new_profile ? Ui::new_profile_title : Ui::rename_profile_title;
  std::optional<std::string> name = ask_name(host, texts[title], initial, texts[Ui::ok], texts[Ui::cancel]);
  if (!name) return;
  auto app = app_slot().borrow();
  if (!app) return;
  if (kind == MenuCommandKind::new_profile) create_profile_in(*app->engine, *app->profiles, *name);
  else rename_profile(app->engine->config(), *name);
  refresh_tooltip(*app);
}

void run_menu_command(std::uint32_t id, const std::vector<ProfileEntry>& profiles) {
  MenuCommand command = decode_menu_command(id);
  if (command.kind == MenuCommandKind::toggle_autostart) {
    toggle_autostart();
    return;
  }
  if (command.kind == MenuCommandKind::name_pet) {
    name_pet();
    return;
  }
  if (command.kind == MenuCommandKind::quit) {
    PostQuitMessage(0);
    return;
  }
  if (command.kind == MenuCommandKind::new_profile || command.kind == MenuCommandKind::rename_profile) {
    ask_profile_name(command.kind);
    return;
  }
  bool relayout = false;
  {
    auto app = app_slot().borrow();
    if (!app) return;
    PetEngine& engine = *app->engine;
    switch (command.kind) {
      case MenuCommandKind::toggle_sleep: engine.toggle_sleep(); break;
      case MenuCommandKind::throw_toy: engine.throw_ball(); break;
      case MenuCommandKind::change_pet:
        engine.change_pet(species_list()[std::size_t(command.number)]);
        refresh_tooltip(*app);
        break;
      case MenuCommandKind::set_coat: engine.change_pet(engine.config().pet, command.key); break;
      case MenuCommandKind::delete_profile:
        delete_active_profile_in(engine, *app->profiles);
        refresh_tooltip(*app);
        break;
      case MenuCommandKind::switch_profile:
        if (std::size_t(command.number) >= profiles.size()) return;
        engine.switch_profile(profiles[std::size_t(command.number)].id);
        refresh_tooltip(*app);
        break;
      default:
        if (!apply_setting(engine.config(), command)) return;
        save_config(engine.config());
        relayout = moves_the_lane(command.kind);
        engine.request_redraw();
    }
  }
  if (relayout) relayout_monitors();
}

}  // namespace

void refresh_tooltip(AppState& app) {
  const Config& config = app.engine->config();
  set_tray_tooltip(app.host, tray_tooltip(pet_display_name(config), config.profile_display));
}

void open_tray_menu(HWND host) {
  std::vector<MenuItem> items;
  std::vector<ProfileEntry> profiles;
  {
    auto app = app_slot().borrow();
    if (!app) return;
    const Config& config = app->engine->config();
    const LocalTime now = local_now();
    const std::int64_t days = days_together(config.first_day, day_mark(now.year, now.month, now.day));
    profiles = menu_profiles(*app->profiles);
    items = build_tray_menu({config, days, profiles, config.profile_id, autostart_enabled()});
  }
  HMENU menu = build_native_menu(items);
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  SetForegroundWindow(host);
  UINT id = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, host,
                                nullptr));
  DestroyMenu(menu);
  if (id > 0) run_menu_command(id, profiles);
}

bool autostart_enabled() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  bool present = RegQueryValueExW(key, kRunValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return present;
}

void toggle_autostart() {
  bool present = autostart_enabled();
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (present) {
    RegDeleteValueW(key, kRunValue);
  } else {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (n > 0 && n < std::size(path)) {
      std::wstring data(1, L'"');
      data.append(path, n).push_back(L'"');
      RegSetValueExW(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     DWORD((data.size() + 1) * sizeof(wchar_t)));
    }
  }
  RegCloseKey(key);
}

}  // namespace burrowly
