#pragma once
// One frameless, click-through, never-focused, always-on-top overlay per screen. It
// paints straight from the renderer's pixmap (premultiplied RGBA, which Qt reads as
// QImage::Format_RGBA8888_Premultiplied), repainting only the changed rectangle.

#include <QRect>

#include <memory>
#include <optional>

#include "render/canvas.h"

namespace burrowly {

class PixmapWidget;

class OverlayWindow {
 public:
  // Nothing when the pixmap cannot be made. The window is shown at once.
  static std::optional<OverlayWindow> create(const QRect& rect);

  OverlayWindow(OverlayWindow&&) noexcept;
  OverlayWindow& operator=(OverlayWindow&&) noexcept;
  ~OverlayWindow();

  // What the renderer draws into; at least 1 x 1.
  Pixmap& pixmap() { return *pixmap_; }
  bool shown() const { return shown_; }
  const QRect& rect() const { return rect_; }

  // Moves and resizes the window; the pixmap follows a size change.
  void place(const QRect& rect);
  // Repaints the changed rectangle (all of it after the window is shown again) at once,
  // not on a later pass of the event loop; optionally raises the window above the others.
  void push(const IntRect& changed, bool reassert_topmost);
  void reassert_topmost();
  void show();
  // Clears, repaints once and hides.
  void clear_and_hide();

 private:
  OverlayWindow(const QRect& rect, Pixmap pixmap);

  QRect rect_;
  std::optional<Pixmap> pixmap_;
  std::unique_ptr<PixmapWidget> widget_;
  bool shown_ = true;
  bool whole_push_ = true;
};

}  // namespace burrowly
