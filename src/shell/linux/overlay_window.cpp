#include "shell/linux/overlay_window.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace burrowly {
namespace {

std::uint32_t at_least_one(int side) { return side < 1 ? 1u : std::uint32_t(side); }

// The window manager leaves the window alone (no frame, no focus, no taskbar entry)
// and input passes through to what lies below.
constexpr Qt::WindowFlags kOverlayFlags = Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint |
                                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                                          Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint;

}  // namespace

class PixmapWidget : public QWidget {
 public:
  explicit PixmapWidget(Pixmap& pixmap) : QWidget(nullptr, kOverlayFlags), pixmap_(&pixmap) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle("Burrowly");
  }
  void use(Pixmap& pixmap) { pixmap_ = &pixmap; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QImage image(pixmap_->data(), int(pixmap_->width()), int(pixmap_->height()), int(pixmap_->width()) * 4,
                       QImage::Format_RGBA8888_Premultiplied);
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& box : event->region()) painter.drawImage(box, image, box);
  }

 private:
  Pixmap* pixmap_;
};

std::optional<OverlayWindow> OverlayWindow::create(const QRect& rect) {
  std::optional<Pixmap> pixmap = Pixmap::create(at_least_one(rect.width()), at_least_one(rect.height()));
  if (!pixmap) return std::nullopt;
  return OverlayWindow(rect, std::move(*pixmap));
}

OverlayWindow::OverlayWindow(const QRect& rect, Pixmap pixmap) : rect_(rect), pixmap_(std::move(pixmap)) {
  widget_ = std::make_unique<PixmapWidget>(*pixmap_);
  widget_->setGeometry(rect);
  widget_->show();
}

// The widget points at the pixmap, which moves with this object: re-point it.
OverlayWindow::OverlayWindow(OverlayWindow&& other) noexcept { *this = std::move(other); }

OverlayWindow& OverlayWindow::operator=(OverlayWindow&& other) noexcept {
  std::swap(rect_, other.rect_);
  std::swap(pixmap_, other.pixmap_);
  std::swap(widget_, other.widget_);
  std::swap(shown_, other.shown_);
  std::swap(whole_push_, other.whole_push_);
  if (widget_) widget_->use(*pixmap_);
  if (other.widget_) other.widget_->use(*other.pixmap_);
  return *this;
}

OverlayWindow::~OverlayWindow() = default;

void OverlayWindow::place(const QRect& rect) {
  if (rect.size() != rect_.size()) {
    if (std::optional<Pixmap> resized = Pixmap::create(at_least_one(rect.width()), at_least_one(rect.height())))
      pixmap_ = std::move(resized);
    widget_->use(*pixmap_);
    whole_push_ = true;
  }
  rect_ = rect;
  widget_->setGeometry(rect);
}

void OverlayWindow::push(const IntRect& changed, bool reassert) {
  const QRect box = whole_push_ ? QRect(0, 0, int(pixmap_->width()), int(pixmap_->height()))
                                : QRect(changed.x, changed.y, changed.width, changed.height);
  if (!box.isEmpty()) widget_->repaint(box);
  whole_push_ = false;
  if (reassert) reassert_topmost();
}

void OverlayWindow::reassert_topmost() { widget_->raise(); }

void OverlayWindow::show() {
  if (shown_) return;
  shown_ = true;
  whole_push_ = true;
  widget_->show();
}

void OverlayWindow::clear_and_hide() {
  if (!shown_) return;
  pixmap_->clear_drawn();
  shown_ = false;
  widget_->hide();
}

}  // namespace burrowly
