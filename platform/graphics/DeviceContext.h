// Platform-internal: where drawing lands. A TSurface is one image with the
// one painter that may be open on it; a TDeviceContext is a view of a
// surface with an offset, a viewport origin and a clip area, like a
// device context of the window system. Several contexts may share a
// surface (the back buffer of a window and each control painting into
// it); each drawing call applies its own context's state first.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <vector>

#include "core/Geometry.h"

class TDeviceContext;

class TSurface {
 public:
  explicit TSurface(QImage* image) : image_(image) {}
  ~TSurface() { End(); }
  QImage* Image() const { return image_; }
  // The open painter with Context's origin and clip applied.
  QPainter& PainterFor(const TDeviceContext* Context);
  // Closes the painter, e.g. before the image is resized.
  void End();
  bool Active() const { return painter_ != nullptr; }
  // Counts changes of the pixels, so that caches built from them (masks)
  // know when they are stale.
  void Touch() { ++generation_; }
  uint64_t Generation() const { return generation_; }

 private:
  QImage* image_;
  std::unique_ptr<QPainter> painter_;
  const TDeviceContext* appliedBy_ = nullptr;
  uint64_t appliedVersion_ = 0;
  uint64_t generation_ = 0;
};

class TDeviceContext {
 public:
  // Base is where this context's (0, 0) lies on the surface's image.
  explicit TDeviceContext(TSurface* Surface, TPoint Base = {});

  TSurface* Surface() const { return surface_; }
  QImage* Image() const { return surface_->Image(); }
  TPoint Base() const { return base_; }
  QPainter& Painter() { return surface_->PainterFor(this); }
  // Marks the painter's transform as changed by a caller (the 2-D drawing
  // surface sets its own), so the next call re-applies this context's.
  void PainterStateChanged() { Touch(); }

  // Logical (x, y) lands on the image at Base + Origin + (x, y).
  TPoint Origin() const { return state_.origin; }
  void SetOrigin(TPoint P) {
    state_.origin = P;
    Touch();
  }
  QPoint DeviceOffset() const {
    return QPoint(base_.X + state_.origin.X, base_.Y + state_.origin.Y);
  }

  // The clip, in this context's own coordinates (before the origin).
  bool HasClip() const { return state_.hasClip; }
  const QRegion& Clip() const { return state_.clip; }
  void SetClip(const QRegion* Region);
  void IntersectClip(const QRegion& Logical);
  void ExcludeClip(const QRect& Logical);
  // The clip on the image (always bounded by the image).
  QRegion ImageClip() const;
  // True when the image pixel (ix, iy) may be written.
  bool ImagePixelVisible(int ix, int iy) const;

  int Save();
  void Restore(int Level);

 private:
  friend class TSurface;
  struct State {
    TPoint origin;
    QRegion clip;
    bool hasClip = false;
  };
  // Every state of every context gets its own stamp, so a surface never
  // mistakes a new context (perhaps at a dead one's address) for the one
  // whose state it applied last.
  void Touch() { version_ = ++stamp_; }
  static inline uint64_t stamp_ = 0;

  TSurface* surface_;
  TPoint base_;
  State state_;
  std::vector<State> stack_;
  uint64_t version_ = ++stamp_;
};
