// A JPEG picture for the picture container: keeps the file's bytes, reads
// only their header when loaded, and decodes them once, on the first draw,
// into a bitmap that every draw then stretches into its rectangle.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "JpegDecoding.h"
#include "graphics/TGraphic.h"

class TBitmap;

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  std::string ClassName() const override { return "TJPEGImage"; }

  bool Empty() const override { return bytes_.empty(); }
  int Width() const override { return header_.Width; }
  int Height() const override { return header_.Height; }
  // Raise EInvalidGraphicOperation "Cannot change the size of a JPEG image".
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  bool Grayscale() const { return header_.Grey; }
  bool ProgressiveEncoding() const { return header_.Progressive; }

  // The bytes of a JPEG file, from Stream's position to its end. Bytes
  // without a readable header (or of an image above 32768 pixels a side or
  // 64M pixels) leave the picture empty and raise EInvalidGraphic.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  // Stored form: a 32-bit little-endian byte count, then the JPEG file. A
  // count beyond the stream's end raises EReadError.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) const override;
  void Assign(const TPersistent* Source) override;
  std::unique_ptr<TGraphic> Clone() const override;

 protected:
  // Nothing is drawn when the image data cannot be decoded; the picture
  // has no transparent parts.
  void Draw(TCanvas* ACanvas, const TRect& R) override;

 private:
  void Load(std::vector<uint8_t> Bytes);
  void Decode();

  std::vector<uint8_t> bytes_;
  TJpegHeader header_;
  std::unique_ptr<TBitmap> bitmap_;
  bool undecodable_ = false;
};

// Lets the picture container read and load JPEG pictures: the class
// "TJPEGImage" under the extensions "jpeg" and "jpg".
void RegisterJPEGImage();
void UnregisterJPEGImage();
