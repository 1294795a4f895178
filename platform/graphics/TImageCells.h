// The pictures of an image list: cells of one size cut from bitmaps or
// image files, each kept with alpha and with its greyed disabled look.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "TColor.h"

class TBitmap;
class TCanvas;

class TImageCells {
 public:
  TImageCells();
  ~TImageCells();
  TImageCells(const TImageCells&) = delete;
  TImageCells& operator=(const TImageCells&) = delete;

  int Count() const;
  // Cuts Source into cells of Width x Height from the left (a strip gives
  // one cell per whole Width; rows below Height are left out) and appends
  // them; returns how many. MaskColor's pixels become transparent; clNone
  // keeps the source's alpha when it has one, clDefault takes the colour
  // of the bottom-left pixel.
  int Add(const TBitmap& Source, int Width, int Height, TColor MaskColor);
  // The same from the bytes of an image file (PNG, BMP, ...); raises
  // EInvalidGraphic when they are no image.
  int AddFile(std::span<const uint8_t> Bytes, int Width, int Height, TColor MaskColor);
  void Delete(int Index);
  void Clear();

  // Draws cell Index with its top-left at (X, Y), blended by its alpha;
  // disabled, grey and lighter. The canvas must have a surface.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const;
  // Copies cell Index into Dest, which becomes a 32-bit bitmap with alpha.
  void CopyTo(int Index, TBitmap& Dest) const;

 private:
  struct Cells;
  std::unique_ptr<Cells> cells_;
};
