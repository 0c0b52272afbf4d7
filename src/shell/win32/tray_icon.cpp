#include "shell/win32/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "assets/catalogue.h"

namespace burrowly {
namespace {

NOTIFYICONDATAW icon_data(HWND host, UINT flags) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = host;
  data.uID = kTrayIconId;
  data.uFlags = flags;
  return data;
}

void copy_tip(NOTIFYICONDATAW& data, const std::u16string& tooltip) {
  std::size_t n = std::min<std::size_t>(tooltip.size(), std::size(data.szTip) - 1);
  std::copy_n(tooltip.begin(), n, data.szTip);
  data.szTip[n] = 0;
}

}  // namespace

HICON create_tray_icon_handle() {
  Bytes png = icon_png();
  if (png.empty()) return nullptr;
  // The loader wants writable bits.
  std::vector<BYTE> bits(png.begin(), png.end());
  return CreateIconFromResourceEx(bits.data(), DWORD(bits.size()), TRUE, 0x00030000, 32, 32, LR_DEFAULTCOLOR);
}

void add_tray_icon(HWND host, HICON icon, const std::u16string& tooltip) {
  NOTIFYICONDATAW data = icon_data(host, NIF_MESSAGE | NIF_ICON | NIF_TIP);
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon;
  copy_tip(data, tooltip);
  Shell_NotifyIconW(NIM_ADD, &data);
}

void set_tray_tooltip(HWND host, const std::u16string& tooltip) {
  NOTIFYICONDATAW data = icon_data(host, NIF_TIP);
  copy_tip(data, tooltip);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void delete_tray_icon(HWND host) {
  NOTIFYICONDATAW data = icon_data(host, 0);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace burrowly
