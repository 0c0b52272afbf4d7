#pragma once
// One transparent, click-through, topmost overlay window per monitor, drawn through
// a 32-bit DIB section with per-pixel alpha.

#include <windows.h>

#include <memory>
#include <optional>

#include <cstdint>
#include <vector>

namespace burrowly {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
};

class OverlayWindow {
 public:
  // Nothing when the window cannot be made. Shown without activation.
  static std::optional<OverlayWindow> create(HINSTANCE instance, const ScreenRect& rect);
  void clear_pixels();

  OverlayWindow(OverlayWindow&& other) noexcept;
  OverlayWindow& operator=(OverlayWindow&& other) noexcept;
  OverlayWindow(const OverlayWindow&) = delete;
  OverlayWindow& operator=(const OverlayWindow&) = delete;
  ~OverlayWindow();

  HWND window() const { return window_; }
  // Premultiplied RGBA, rows top to bottom, width x height x 4 bytes.
  std::vector<std::uint8_t>& pixels() { return pixels_; }
  std::uint32_t pixel_width() const { return pixel_width_; }
  std::uint32_t pixel_height() const { return pixel_height_; }
  bool shown() const { return shown_; }
  const ScreenRect& rect() const { return rect_; }

  // Moves and resizes the window; the DIB and the pixels follow a size change.
  void place(const ScreenRect& rect);
  // Copies the pixels to the screen; optionally re-asserts topmost.
  void push(bool reassert_topmost);
  void reassert_topmost();
  void show();
  // Clears, pushes once and hides.
  void clear_and_hide();

 private:
  OverlayWindow(HWND window, const ScreenRect& rect);
  void size_pixels(const ScreenRect& rect);
  void make_dib();
  void release_dib();

  HWND window_ = nullptr;
  HDC memory_dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_bitmap_ = nullptr;
  void* bits_ = nullptr;
  ScreenRect rect_;
  std::vector<std::uint8_t> pixels_;
  std::uint32_t pixel_width_ = 1, pixel_height_ = 1;
  bool shown_ = true;
};

}  // namespace burrowly
