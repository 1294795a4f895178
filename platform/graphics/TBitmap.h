// A bitmap in memory with its own canvas. Pixels are 32-bit 0xAARRGGBB
// values, rows top to bottom; a transparent bitmap leaves out the pixels
// of its transparent colour (by default the colour of its bottom-left
// pixel) when it is drawn.
#pragma once

#include <cstdint>
#include <memory>

#include "TCanvas.h"
#include "TColor.h"
#include "TGraphic.h"
#include "core/Exceptions.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined };

struct TBitmapData;

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int Width, int Height);
  ~TBitmap() override;
  std::string ClassName() const override { return "TBitmap"; }

  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  void SetWidth(int Value) override { SetSize(Value, Height()); }
  void SetHeight(int Value) override { SetSize(Width(), Value); }
  // Keeps the pixels that stay inside; new pixels are white.
  void SetSize(int NewWidth, int NewHeight);

  TCanvas* Canvas();
  // Finishes any drawing still open on the bitmap, so that its pixels are
  // complete (before they are shown or read elsewhere).
  void EndPainting();
  // The format the bitmap says it has (kept for saving); pixels are held
  // in 32 bits whatever it is.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat Value) { pixelFormat_ = Value; }
  // afDefined: the fourth byte of each pixel is its opacity.
  TAlphaFormat AlphaFormat() const { return alphaFormat_; }
  void SetAlphaFormat(TAlphaFormat Value);

  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode Value);
  // tmAuto: the bottom-left pixel's colour (clDefault for an empty bitmap).
  TColor TransparentColor() const;
  // Also switches the mode to tmFixed.
  void SetTransparentColor(TColor Value);

  uint32_t* ScanLine(int Row);
  const uint32_t* ScanLine(int Row) const;

  // The bytes of a BMP file; a stream that holds no readable bitmap
  // raises EInvalidGraphic and leaves the bitmap empty.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  // Stored form: a 32-bit little-endian byte count, then the BMP file.
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) const override;
  void Assign(const TPersistent* Source) override;
  std::unique_ptr<TGraphic> Clone() const override;

  TBitmapData& Data() const { return *d_; }

 protected:
  void Draw(TCanvas* ACanvas, const TRect& R) override;

 private:
  std::unique_ptr<TBitmapData> d_;
  TPixelFormat pixelFormat_ = pfDevice;
  TAlphaFormat alphaFormat_ = afIgnored;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
};
