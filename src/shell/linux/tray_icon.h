#pragma once
// The tray icon (StatusNotifierItem or the XEmbed tray, whichever the desktop has) and
// its menu, built from the menu model each time it opens.

#include <QMenu>
#include <QSystemTrayIcon>

#include <cstdint>
#include <functional>
#include <vector>

#include "shell/tray_menu.h"

namespace burrowly {

struct LinuxAppState;

struct TrayActions {
  std::function<void()> quit;
  std::function<void()> relayout;  // the lane position changed
};

class TrayIcon {
 public:
  TrayIcon(LinuxAppState& app, TrayActions actions);

  // Shows the current pet's name and the profile in the tooltip.
  void refresh_tooltip();

 private:
  void rebuild_menu();
  void fill(QMenu& menu, const std::vector<MenuItem>& items);
  void run_command(std::uint32_t id);
  void name_pet();
  void ask_profile_name(bool rename);

  LinuxAppState& app_;
  TrayActions actions_;
  QSystemTrayIcon icon_;
  QMenu menu_;
  std::vector<ProfileEntry> profiles_;  // as the open menu lists them
};

}  // namespace burrowly
