#pragma once
// One transparent, click-through, topmost overlay window per monitor, drawn through
// a 32-bit DIB section with per-pixel alpha.

#include <windows.h>

#include <memory>
#include <optional>

#include "render/canvas.h"

namespace burrowly {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
};

class OverlayWindow {
 public:
  // Nothing when the window or the pixmap cannot be made. Shown without activation.
  static std::optional<OverlayWindow> create(HINSTANCE instance, const ScreenRect& rect);

  OverlayWindow(OverlayWindow&& other) noexcept;
  OverlayWindow& operator=(OverlayWindow&& other) noexcept;
  OverlayWindow(const OverlayWindow&) = delete;
  OverlayWindow& operator=(const OverlayWindow&) = delete;
  ~OverlayWindow();

  HWND window() const { return window_; }
  // What the renderer draws into; at least 1 x 1.
  Pixmap& pixmap() { return *pixmap_; }
  bool shown() const { return shown_; }
  const ScreenRect& rect() const { return rect_; }

  // Moves and resizes the window; the DIB and the pixmap follow a size change.
  void place(const ScreenRect& rect);
  // Copies the changed rectangle of the pixmap to the screen (all of it after the bitmap
  // is made or the window shown again); optionally re-asserts topmost.
  void push(const IntRect& changed, bool reassert_topmost);
  void reassert_topmost();
  void show();
  // Clears, pushes once and hides.
  void clear_and_hide();

 private:
  OverlayWindow(HWND window, const ScreenRect& rect, Pixmap pixmap);
  void make_dib();
  void release_dib();

  HWND window_ = nullptr;
  HDC memory_dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_bitmap_ = nullptr;
  void* bits_ = nullptr;
  ScreenRect rect_;
  std::optional<Pixmap> pixmap_;
  bool shown_ = true;
  bool whole_push_ = true;  // the window has not shown this bitmap yet
};

}  // namespace burrowly
