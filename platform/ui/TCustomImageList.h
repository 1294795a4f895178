// A list of images of one size, drawn with their alpha, in an enabled or
// a greyed disabled look. Controls that show its images register for its
// change notifications.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/TComponent.h"
#include "graphics/TColor.h"

class TBitmap;
class TCanvas;
class TImageCells;

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;
  std::string ClassName() const override { return "TCustomImageList"; }

  // A new list holds 16 x 16 images; changing the size empties it.
  int Width() const { return width_; }
  void SetWidth(int Value) { SetSize(Value, height_); }
  int Height() const { return height_; }
  void SetHeight(int Value) { SetSize(width_, Value); }
  void SetSize(int AWidth, int AHeight);
  int Count() const;

  // clNone (the default) draws the images over what is there; another
  // colour fills each image's cell first.
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor Value);

  // Adds Image cut into cells of Width from the left (a strip adds one
  // image per whole cell; the rows below Height are left out). A bitmap
  // whose alpha is defined keeps it, any other is opaque. Returns the
  // index of the first image added, -1 when the bitmap holds no cell.
  int Add(const TBitmap& Image);
  // The same, with the pixels of MaskColor left out (clDefault or clNone:
  // the colour of the bitmap's bottom-left pixel).
  int AddMasked(const TBitmap& Image, TColor MaskColor);
  // The same from the bytes of an image file (PNG, BMP, ...): its own
  // alpha is kept when MaskColor is clNone. Raises EInvalidGraphic when
  // the bytes are no image.
  int AddImages(std::span<const uint8_t> FileBytes, TColor MaskColor = clNone);
  void Delete(int Index);
  void Clear();

  // Draws image Index with its top-left at (X, Y) in the canvas's logical
  // coordinates; disabled, it is drawn grey and lighter. An index outside
  // the list, or a canvas without a surface, draws nothing.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
  // Copies image Index into Dest, a 32-bit bitmap with defined alpha.
  void GetBitmap(int Index, TBitmap& Dest) const;

  // After every change of the images, their size or the background.
  TNotifyEvent OnChange;
  // Clients told of each change; a client unregisters before it goes.
  void RegisterChanges(const void* Client, std::function<void()> Changed);
  void UnRegisterChanges(const void* Client);

 protected:
  virtual void Change();

 private:
  // Tells the clients of Cells new images; the first one's index, or -1.
  int Added(int Cells);

  std::unique_ptr<TImageCells> images_;
  int width_ = 16;
  int height_ = 16;
  TColor bkColor_ = clNone;
  std::vector<std::pair<const void*, std::function<void()>>> clients_;
};
