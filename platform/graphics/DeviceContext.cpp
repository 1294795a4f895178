#include "DeviceContext.h"

QPainter& TSurface::PainterFor(const TDeviceContext* Context) {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(image_);
    appliedBy_ = nullptr;
  }
  if (appliedBy_ != Context || appliedVersion_ != Context->version_) {
    painter_->resetTransform();
    if (Context->state_.hasClip || Context->base_ != TPoint{})
      painter_->setClipRegion(Context->ImageClip());
    else
      painter_->setClipping(false);
    painter_->setTransform(QTransform::fromTranslate(Context->DeviceOffset().x(),
                                                     Context->DeviceOffset().y()));
    appliedBy_ = Context;
    appliedVersion_ = Context->version_;
  }
  ++generation_;
  return *painter_;
}

void TSurface::End() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
  appliedBy_ = nullptr;
}

TDeviceContext::TDeviceContext(TSurface* Surface, TPoint Base) : surface_(Surface), base_(Base) {}

void TDeviceContext::SetClip(const QRegion* Region) {
  if (Region) {
    state_.clip = *Region;
    state_.hasClip = true;
  } else {
    state_.clip = QRegion();
    state_.hasClip = false;
  }
  Touch();
}

void TDeviceContext::IntersectClip(const QRegion& Logical) {
  QRegion r = Logical.translated(state_.origin.X, state_.origin.Y);
  state_.clip = state_.hasClip ? state_.clip.intersected(r) : r;
  state_.hasClip = true;
  Touch();
}

void TDeviceContext::ExcludeClip(const QRect& Logical) {
  if (!state_.hasClip) {
    // Without a clip everything of the image is visible.
    const QImage* img = Image();
    state_.clip = QRegion(QRect(-base_.X, -base_.Y, img->width(), img->height()));
    state_.hasClip = true;
  }
  state_.clip -= Logical.translated(state_.origin.X, state_.origin.Y);
  Touch();
}

QRegion TDeviceContext::ImageClip() const {
  const QImage* img = Image();
  QRegion bounds(QRect(0, 0, img->width(), img->height()));
  if (!state_.hasClip) return bounds;
  return state_.clip.translated(base_.X, base_.Y).intersected(bounds);
}

bool TDeviceContext::ImagePixelVisible(int ix, int iy) const {
  const QImage* img = Image();
  if (ix < 0 || iy < 0 || ix >= img->width() || iy >= img->height()) return false;
  return !state_.hasClip || state_.clip.contains(QPoint(ix - base_.X, iy - base_.Y));
}

int TDeviceContext::Save() {
  stack_.push_back(state_);
  return static_cast<int>(stack_.size());
}

void TDeviceContext::Restore(int Level) {
  // Level n restores the state saved by the call that returned n.
  if (Level < 1 || Level > static_cast<int>(stack_.size())) return;
  state_ = stack_[Level - 1];
  stack_.resize(Level - 1);
  Touch();
}
