// Pictures that a canvas can draw: the abstract graphic, loaded from and
// saved to streams, with a change event.
#pragma once

#include <memory>
#include <string>

#include "core/Geometry.h"
#include "core/TPersistent.h"
#include "core/TStream.h"

class TCanvas;

class TGraphic : public TPersistent {
 public:
  std::string ClassName() const override { return "TGraphic"; }

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) {}
  virtual void SetHeight(int Value) {}
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool Value);

  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) const = 0;
  // Raises EFOpenError when the file cannot be read.
  virtual void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

  // The form a graphic takes inside a stored layout; by default the same
  // bytes as its file.
  virtual void ReadData(TStream& Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream& Stream) const { SaveToStream(Stream); }

  // A new graphic of the same class holding the same picture.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  // Draws the picture into R (stretched where the format stretches).
  virtual void Draw(TCanvas* ACanvas, const TRect& R) = 0;
  virtual void Changed();

 private:
  bool transparent_ = false;
};
