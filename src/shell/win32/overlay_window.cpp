#include "shell/win32/overlay_window.h"

#include <utility>

#include "shell/pixel_convert.h"

namespace burrowly {
namespace {

constexpr DWORD kOverlayExStyle = WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST;

std::uint32_t at_least_one(int side) { return side < 1 ? 1u : std::uint32_t(side); }

}  // namespace

std::optional<OverlayWindow> OverlayWindow::create(HINSTANCE instance, const ScreenRect& rect) {
  std::optional<Pixmap> pixmap = Pixmap::create(at_least_one(rect.width), at_least_one(rect.height));
  if (!pixmap) return std::nullopt;
  HWND window = CreateWindowExW(kOverlayExStyle, L"BurrowlyOverlayClass", L"Burrowly", WS_POPUP, rect.x, rect.y,
                                rect.width, rect.height, nullptr, nullptr, instance, nullptr);
  if (!window) return std::nullopt;
  OverlayWindow overlay(window, rect, std::move(*pixmap));
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return overlay;
}

OverlayWindow::OverlayWindow(HWND window, const ScreenRect& rect, Pixmap pixmap)
    : window_(window), rect_(rect), pixmap_(std::move(pixmap)) {
  make_dib();
}

OverlayWindow::OverlayWindow(OverlayWindow&& other) noexcept { *this = std::move(other); }

OverlayWindow& OverlayWindow::operator=(OverlayWindow&& other) noexcept {
  std::swap(window_, other.window_);
  std::swap(memory_dc_, other.memory_dc_);
  std::swap(dib_, other.dib_);
  std::swap(previous_bitmap_, other.previous_bitmap_);
  std::swap(bits_, other.bits_);
  std::swap(rect_, other.rect_);
  std::swap(pixmap_, other.pixmap_);
  std::swap(whole_push_, other.whole_push_);
  std::swap(shown_, other.shown_);
  return *this;
}

OverlayWindow::~OverlayWindow() {
  release_dib();
  if (window_) DestroyWindow(window_);
}

void OverlayWindow::make_dib() {
  HDC screen = GetDC(nullptr);
  memory_dc_ = CreateCompatibleDC(screen);
  if (screen) ReleaseDC(nullptr, screen);
  if (!memory_dc_) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = LONG(pixmap_->width());
  info.bmiHeader.biHeight = -LONG(pixmap_->height());  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dib_ = CreateDIBSection(memory_dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  whole_push_ = true;
  if (dib_) previous_bitmap_ = SelectObject(memory_dc_, dib_);
  else bits_ = nullptr;
}

void OverlayWindow::release_dib() {
  if (memory_dc_ && previous_bitmap_) SelectObject(memory_dc_, previous_bitmap_);
  if (dib_) DeleteObject(dib_);
  if (memory_dc_) DeleteDC(memory_dc_);
  memory_dc_ = nullptr, dib_ = nullptr, previous_bitmap_ = nullptr, bits_ = nullptr;
}

void OverlayWindow::place(const ScreenRect& rect) {
  if (rect.width != rect_.width || rect.height != rect_.height) {
    release_dib();
    std::uint32_t w = at_least_one(rect.width), h = at_least_one(rect.height);
    if (std::optional<Pixmap> resized = Pixmap::create(w, h)) pixmap_ = std::move(resized);
    make_dib();
  }
  rect_ = rect;
  SetWindowPos(window_, HWND_TOPMOST, rect.x, rect.y, rect.width, rect.height, SWP_NOACTIVATE);
}

void OverlayWindow::push(const IntRect& changed, bool reassert) {
  if (!bits_) return;
  const IntRect whole{0, 0, std::int32_t(pixmap_->width()), std::int32_t(pixmap_->height())};
  // Only what the renderer changed is converted and sent; the whole frame once the
  // bitmap is new or the window was hidden.
  const IntRect box = whole_push_ ? whole : changed;
  if (!box.empty()) {
    rgba_to_bgra(*pixmap_, static_cast<std::uint8_t*>(bits_), box);
    POINT destination{rect_.x, rect_.y};
    SIZE size{LONG(whole.width), LONG(whole.height)};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    RECT dirty{LONG(box.x), LONG(box.y), LONG(box.x + box.width), LONG(box.y + box.height)};
    UPDATELAYEREDWINDOWINFO info{sizeof(info), nullptr, &destination, &size, memory_dc_, &source, 0, &blend,
                                 ULW_ALPHA, &dirty};
    if (UpdateLayeredWindowIndirect(window_, &info)) whole_push_ = false;
  }
  if (reassert) reassert_topmost();
}

void OverlayWindow::reassert_topmost() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void OverlayWindow::show() {
  if (shown_) return;
  shown_ = true;
  whole_push_ = true;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void OverlayWindow::clear_and_hide() {
  if (!shown_) return;
  const IntRect drawn = pixmap_->drawn_bounds();
  pixmap_->clear_drawn();
  push(drawn, false);
  shown_ = false;
  ShowWindow(window_, SW_HIDE);
}

}  // namespace burrowly
