// A font family by name. A name the system has no face for gives a
// family whose Status is FontFamilyNotFound (callers then fall back to
// "Arial"). "Arial" itself is always found, as on the system the kit was
// designed for: where it is not installed its text is drawn with the
// face the font configuration substitutes for it.
#pragma once

#include <string>

#include "GdiPlusTypes.h"

class GpFontFamily {
 public:
  explicit GpFontFamily(const std::string& Name);
  static GpFontFamily GenericSansSerif() { return GpFontFamily("Arial"); }

  GpStatus Status() const { return status_; }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  GpStatus status_;
};
