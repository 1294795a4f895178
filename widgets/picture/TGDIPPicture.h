// The widgets' stored picture: keeps an image file's bytes exactly as they
// were given and decodes them whenever it is measured or drawn. BMP files
// draw at their own size with their bottom-left pixel's colour left out;
// every other format draws scaled into the target with its alpha.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/TStream.h"
#include "graphics/TGraphic.h"

class TGDIPPicture : public TGraphic {
 public:
  TGDIPPicture();
  ~TGDIPPicture() override;
  std::string ClassName() const override { return "TGDIPPicture"; }

  // The flag, not the bytes: a picture read from a layout with no bytes
  // is not empty.
  bool Empty() const override { return empty_; }
  // The cached size; 0 x 0 until UpdateSize or a scaled draw measured it.
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // The size is the image's own; setting it does nothing.
  void SetWidth(int Value) override {}
  void SetHeight(int Value) override {}

  // Decodes the bytes and caches their size when the picture is not empty
  // and has bytes; returns whether it did. Raises EOutOfMemory "Could not
  // allocate memory for image" when there is no memory to decode from.
  bool UpdateSize();
  std::span<const uint8_t> Bytes() const { return data_.Bytes(); }

  // Takes the whole of Stream, from its start whatever its position.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  // A file that cannot be opened, read or measured leaves the picture
  // empty; no failure leaves the call.
  void LoadFromFile(const std::string& FileName) override;
  // The stored form is the file's bytes alone; reading it measures nothing
  // and notifies nothing.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) const override { SaveToStream(Stream); }
  // From another stored picture, a bitmap (its BMP file) or a picture
  // container (its graphic's file); any other source leaves the picture
  // empty with its old bytes kept.
  void Assign(const TPersistent* Source) override;
  std::unique_ptr<TGraphic> Clone() const override;

  // Called when the picture is cleared by an assignment or loaded from a file.
  TNotifyEvent OnClear;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& R) override;

 private:
  void CopyRest(TStream& Stream);
  void Clear();

  TMemoryStream data_;
  bool empty_ = true;
  int width_ = 0;
  int height_ = 0;
};
