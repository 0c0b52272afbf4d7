#include "shell/foreground_kind.h"

#include <array>
#include <initializer_list>

namespace burrowly {
namespace {

struct KindNames {
  std::string_view kind;
  std::initializer_list<std::string_view> names;
};

const std::array<KindNames, 8>& kind_table() {
  static const std::array<KindNames, 8> table{{
      {"code", {"zed", "code", "cursor", "devenv", "idea64", "clion64", "windsurf", "pycharm64", "notepad++",
                "rustrover64", "antigravity", "sublime_text", "code - insiders", "codium", "code-oss"}},
      {"terminal", {"wt", "cmd", "pwsh", "mintty", "claude", "alacritty", "powershell", "wezterm-gui",
                    "windowsterminal", "gnome-terminal-server", "konsole", "kitty", "xterm", "tilix",
                    "xfce4-terminal"}},
      {"browser", {"arc", "brave", "opera", "chrome", "msedge", "firefox", "vivaldi", "firefox-esr", "chromium",
                   "google-chrome"}},
      {"video", {"vlc", "mpv", "mpc-hc64", "potplayermini64", "totem", "celluloid"}},
      {"music", {"aimp", "spotify", "foobar2000", "applemusic", "yandexmusic", "rhythmbox"}},
      {"game", {"cs2", "steam", "dota2", "minecraft", "cyberpunk2077", "epicgameslauncher"}},
      {"chat", {"zoom", "slack", "teams", "discord", "telegram", "ms-teams", "whatsapp", "telegram-desktop",
                "signal-desktop"}},
      {"design", {"figma", "krita", "blender", "aseprite", "photoshop", "illustrator", "gimp", "gimp-2.10",
                  "inkscape"}},
  }};
  return table;
}

}  // namespace

std::string_view image_file_name(std::string_view path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view foreground_kind(std::string_view lower_file_name) {
  std::string_view key = lower_file_name;
  if (key.ends_with(".exe")) key.remove_suffix(4);
  for (const KindNames& entry : kind_table())
    for (std::string_view name : entry.names)
      if (name == key) return entry.kind;
  return {};
}

}  // namespace burrowly
