#include "shell/linux/tray_icon.h"

#include <QCursor>
#include <QPixmap>

#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/languages.h"
#include "config/pet_names.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "config/ui_strings.h"
#include "platform/clock.h"
#include "shell/linux/autostart.h"
#include "shell/linux/linux_app_state.h"
#include "shell/linux/name_dialog.h"
#include "shell/menu_command.h"
#include "shell/menu_text.h"
#include "shell/profile_services.h"
#include "shell/tray_tooltip.h"

namespace burrowly {
namespace {

// Menu labels come from settings and names; Qt would read a lone "&" as a mnemonic.
QString menu_label(const std::string& label) { return QString::fromStdString(escape_menu_ampersands(label)); }

QIcon tray_picture() {
  const Bytes png = icon_png();
  QPixmap picture;
  picture.loadFromData(png.data(), uint(png.size()), "PNG");
  return QIcon(picture);
}

}  // namespace

TrayIcon::TrayIcon(LinuxAppState& app, TrayActions actions) : app_(app), actions_(std::move(actions)) {
  icon_.setIcon(tray_picture());
  icon_.setContextMenu(&menu_);
  QObject::connect(&menu_, &QMenu::aboutToShow, [this] { rebuild_menu(); });
  QObject::connect(&icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) menu_.popup(QCursor::pos());
    if (reason == QSystemTrayIcon::DoubleClick) app_.engine->throw_ball();
  });
  refresh_tooltip();
  icon_.show();
}

void TrayIcon::refresh_tooltip() {
  const Config& config = app_.engine->config();
  icon_.setToolTip(QString::fromStdString(tray_tooltip_text(pet_display_name(config), config.profile_display)));
}

void TrayIcon::rebuild_menu() {
  const Config& config = app_.engine->config();
  const LocalTime now = local_now();
  const std::int64_t days = days_together(config.first_day, day_mark(now.year, now.month, now.day));
  profiles_ = menu_profiles(*app_.profiles);
  MenuSource source{config, days, profiles_, config.profile_id, autostart_enabled()};
  source.autostart_text = Ui::start_at_login;
  menu_.clear();
  fill(menu_, build_tray_menu(source));
}

void TrayIcon::fill(QMenu& menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    switch (item.type) {
      case MenuItem::Type::separator: menu.addSeparator(); break;
      case MenuItem::Type::submenu: fill(*menu.addMenu(menu_label(item.label)), item.children); break;
      case MenuItem::Type::command: {
        QAction* action = menu.addAction(menu_label(item.label));
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        const std::uint32_t id = item.id;
        // Queued, so the menu has closed before a command opens a dialog or quits.
        QObject::connect(action, &QAction::triggered, &menu_, [this, id] { run_command(id); }, Qt::QueuedConnection);
        break;
      }
    }
  }
}

// The nickname dialog: an empty answer brings the default name back.
void TrayIcon::name_pet() {
  const UiStrings& texts = ui_strings(language_from_code(app_.engine->config().lang));
  std::optional<std::string> name = ask_name(texts[Ui::pet_nickname], pet_display_name(app_.engine->config()),
                                             texts[Ui::ok], texts[Ui::cancel]);
  if (!name) return;
  Config& config = app_.engine->config();
  if (name->empty()) config.pet_names.erase(config.pet);
  else config.pet_names[config.pet] = *name;
  save_config(config);
  refresh_tooltip();
}

// The new-profile and rename dialogs; the profile operations save what they change.
void TrayIcon::ask_profile_name(bool rename) {
  const UiStrings& texts = ui_strings(language_from_code(app_.engine->config().lang));
  const std::string initial = rename ? app_.engine->config().profile_display : std::string();
  std::optional<std::string> name =
      ask_name(texts[rename ? Ui::rename_profile_title : Ui::new_profile_title], initial, texts[Ui::ok],
               texts[Ui::cancel]);
  if (!name) return;
  if (rename) rename_profile(app_.engine->config(), *name);
  else create_profile_in(*app_.engine, *app_.profiles, *name);
  refresh_tooltip();
}

void TrayIcon::run_command(std::uint32_t id) {
  const MenuCommand command = decode_menu_command(id);
  PetEngine& engine = *app_.engine;
  switch (command.kind) {
    case MenuCommandKind::toggle_autostart: toggle_autostart(); return;
    case MenuCommandKind::name_pet: name_pet(); return;
    case MenuCommandKind::quit: actions_.quit(); return;
    case MenuCommandKind::new_profile: ask_profile_name(false); return;
    case MenuCommandKind::rename_profile: ask_profile_name(true); return;
    case MenuCommandKind::toggle_sleep: engine.toggle_sleep(); return;
    case MenuCommandKind::throw_toy: engine.throw_ball(); return;
    case MenuCommandKind::change_pet:
      engine.change_pet(species_list()[std::size_t(command.number)]);
      refresh_tooltip();
      return;
    case MenuCommandKind::set_coat: engine.change_pet(engine.config().pet, command.key); return;
    case MenuCommandKind::delete_profile:
      delete_active_profile_in(engine, *app_.profiles);
      refresh_tooltip();
      return;
    case MenuCommandKind::switch_profile:
      if (std::size_t(command.number) >= profiles_.size()) return;
      engine.switch_profile(profiles_[std::size_t(command.number)].id);
      refresh_tooltip();
      return;
    default:
      if (!apply_setting(engine.config(), command)) return;
      save_config(engine.config());
      engine.request_redraw();
      if (moves_the_lane(command.kind)) actions_.relayout();
  }
}

}  // namespace burrowly
