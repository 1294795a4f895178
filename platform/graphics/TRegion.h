// An area made of rectangles: clip areas, update areas and window shapes.
#pragma once

#include <memory>
#include <vector>

#include "core/Geometry.h"

struct TRegionData;

class TRegion {
 public:
  TRegion();
  explicit TRegion(const TRect& Rect);
  // The shape of a rectangle with corners rounded by an ellipse of
  // EllipseWidth x EllipseHeight (right and bottom edges excluded).
  static TRegion RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight);
  TRegion(const TRegion& Other);
  TRegion& operator=(const TRegion& Other);
  TRegion(TRegion&&) noexcept;
  TRegion& operator=(TRegion&&) noexcept;
  ~TRegion();

  bool IsEmpty() const;
  TRect BoundingRect() const;
  bool Contains(TPoint P) const;
  bool Intersects(const TRect& R) const;
  std::vector<TRect> Rects() const;

  TRegion United(const TRegion& Other) const;
  TRegion Intersected(const TRegion& Other) const;
  TRegion Subtracted(const TRegion& Other) const;
  TRegion Translated(int dx, int dy) const;
  void Unite(const TRect& R);
  void Subtract(const TRect& R);
  void Clear();
  friend bool operator==(const TRegion& a, const TRegion& b);

  const TRegionData& Data() const { return *d_; }

 private:
  std::unique_ptr<TRegionData> d_;
};
