// A font of a family at an em size in a unit (points are 1/72 inch at 96
// pixels per inch) with FontStyle bits. The em is rendered at whole
// pixels, as grid-fitted text is. A family that was not found gives a
// font whose Status is FontFamilyNotFound.
#pragma once

#include <memory>
#include <string>

#include "GdiPlusTypes.h"
#include "GpFontFamily.h"

struct GpFontData;

class GpFont {
 public:
  GpFont(const GpFontFamily& Family, float EmSize, int Style = FontStyleRegular, GpUnit Unit = UnitPoint);
  ~GpFont();
  GpFont(const GpFont&) = delete;
  GpFont& operator=(const GpFont&) = delete;

  GpStatus Status() const { return status_; }
  const std::string& FamilyName() const { return family_; }
  float Size() const { return size_; }
  GpUnit Unit() const { return unit_; }
  int Style() const { return style_; }
  // The em size in pixels, before rounding.
  float EmPixels() const { return emPixels_; }
  // The distance between the baselines of two lines, in pixels.
  float GetHeight() const;

  const GpFontData& Data() const { return *d_; }

 private:
  std::string family_;
  float size_;
  int style_;
  GpUnit unit_;
  float emPixels_ = 0;
  GpStatus status_ = Ok;
  std::unique_ptr<GpFontData> d_;
};
