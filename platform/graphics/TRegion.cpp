#include "TRegion.h"

#include <QPainterPath>

#include "QtBridge.h"

TRegion::TRegion() : d_(std::make_unique<TRegionData>()) {}
TRegion::TRegion(const TRect& Rect) : d_(std::make_unique<TRegionData>()) {
  if (!Rect.IsEmpty()) d_->region = QRegion(ToQRect(Rect));
}
TRegion::TRegion(const TRegion& Other) : d_(std::make_unique<TRegionData>(*Other.d_)) {}
TRegion& TRegion::operator=(const TRegion& Other) {
  *d_ = *Other.d_;
  return *this;
}
TRegion::TRegion(TRegion&& Other) noexcept : d_(std::make_unique<TRegionData>()) {
  std::swap(d_->region, Other.d_->region);
}
TRegion& TRegion::operator=(TRegion&& Other) noexcept {
  std::swap(d_->region, Other.d_->region);
  return *this;
}
TRegion::~TRegion() = default;

TRegion FromQRegion(const QRegion& r) {
  TRegion out;
  const_cast<TRegionData&>(out.Data()).region = r;
  return out;
}

TRegion TRegion::RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
  if (Rect.IsEmpty()) return TRegion();
  // Scan the rounded outline row by row so the region holds whole pixels,
  // as the window system's rounded regions do.
  QPainterPath path;
  path.addRoundedRect(QRectF(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()),
                      EllipseWidth / 2.0, EllipseHeight / 2.0);
  QRegion region;
  for (int y = Rect.Top; y < Rect.Bottom; ++y) {
    int left = Rect.Right, right = Rect.Left;
    double cy = y + 0.5;
    for (int x = Rect.Left; x < Rect.Right; ++x)
      if (path.contains(QPointF(x + 0.5, cy))) { left = x; break; }
    for (int x = Rect.Right - 1; x >= Rect.Left; --x)
      if (path.contains(QPointF(x + 0.5, cy))) { right = x + 1; break; }
    if (right > left) region += QRect(left, y, right - left, 1);
  }
  return FromQRegion(region);
}

bool TRegion::IsEmpty() const { return d_->region.isEmpty(); }
TRect TRegion::BoundingRect() const { return IsEmpty() ? TRect{} : FromQRect(d_->region.boundingRect()); }
bool TRegion::Contains(TPoint P) const { return d_->region.contains(QPoint(P.X, P.Y)); }
bool TRegion::Intersects(const TRect& R) const { return !R.IsEmpty() && d_->region.intersects(ToQRect(R)); }

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> out;
  for (const QRect& r : d_->region) out.push_back(FromQRect(r));
  return out;
}

TRegion TRegion::United(const TRegion& Other) const { return FromQRegion(d_->region.united(Other.d_->region)); }
TRegion TRegion::Intersected(const TRegion& Other) const {
  return FromQRegion(d_->region.intersected(Other.d_->region));
}
TRegion TRegion::Subtracted(const TRegion& Other) const {
  return FromQRegion(d_->region.subtracted(Other.d_->region));
}
TRegion TRegion::Translated(int dx, int dy) const { return FromQRegion(d_->region.translated(dx, dy)); }
void TRegion::Unite(const TRect& R) {
  if (!R.IsEmpty()) d_->region += ToQRect(R);
}
void TRegion::Subtract(const TRect& R) {
  if (!R.IsEmpty()) d_->region -= ToQRect(R);
}
void TRegion::Clear() { d_->region = QRegion(); }
bool operator==(const TRegion& a, const TRegion& b) { return a.d_->region == b.d_->region; }
