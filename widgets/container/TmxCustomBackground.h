// The painter of a container's client area: a solid colour, a bitmap
// placed once or tiled, or a gradient, optionally blended with the image
// of what lies behind and turned grey. Everything is drawn into a buffer
// that reaches the target in one copy.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "TmxGradient.h"
#include "core/Geometry.h"
#include "core/TObject.h"
#include "core/TPersistent.h"
#include "graphics/TColor.h"

class TBitmap;
class TCanvas;

enum TmxBackgroundStyle { btBitmap, btGradient, btSolid, btTileBitmap, btTransparent };
enum TmxBitmapCopy { bcMergeCopy, bcMergePaint, bcSrcCopy, bcSrcErase, bcSrcPaint };

using TmxEventDrawBackground = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& Rect)>;

class TmxCustomBackground : public TPersistent {
 public:
  TmxCustomBackground();
  ~TmxCustomBackground() override;
  std::string ClassName() const override { return "TmxCustomBackground"; }
  // Copies every setting and the picture, then notifies once.
  void Assign(const TPersistent* Source) override;

  // Weight of the background against the image behind it; 255 is opaque.
  uint8_t AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(uint8_t Value);
  TBitmap* Bitmap() const { return bitmap_.get(); }
  // Copies the picture (nullptr empties it) and always notifies.
  void SetBitmap(const TBitmap* Value);
  TmxBitmapCopy BitmapCopy() const { return bitmapCopy_; }
  void SetBitmapCopy(TmxBitmapCopy Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TmxGradient* Gradient() const { return gradient_.get(); }
  void SetGradient(const TmxGradient* Value);
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool Value);
  TmxBackgroundStyle Style() const { return style_; }
  void SetStyle(TmxBackgroundStyle Value);

  // Called after every change; the gradient gets the same handler.
  const TNotifyEvent& OnChangeParameter() const { return onChangeParameter_; }
  void SetOnChangeParameter(TNotifyEvent Value);
  TmxEventDrawBackground OnBeforeDraw;
  // Replaces the fill, the blend and the grey scale.
  TmxEventDrawBackground OnDraw;
  TmxEventDrawBackground OnAfterDraw;

  // The image of what lies behind the painted area, in the same
  // coordinates; the owner paints it before each draw.
  TBitmap* ParentImage() const { return parentImage_.get(); }
  // The buffer and the parent image never shrink.
  void GrowParentImage(int Width, int Height);
  // True while a draw runs: a draw started from one of its hooks is ignored.
  bool Busy() const { return busy_; }

  virtual void Draw(TCanvas* Canvas, const TRect& R);
  // The colour and the gradient straight onto Canvas, without the buffer.
  virtual void DrawColorAndGradient(TCanvas* Canvas, const TRect& R);

  static uint32_t RasterOp(TmxBitmapCopy Value);

 protected:
  virtual void FillColor(TCanvas* Canvas, const TRect& R);
  virtual void DrawBitmap(TCanvas* Canvas, const TRect& R, bool Tile);
  virtual void ApplyGrayscale(TBitmap* Target, const TRect& R);
  virtual void BeforeDraw(TCanvas* Canvas, const TRect& R) {}
  virtual void AfterDraw(TCanvas* Canvas, const TRect& R) {}
  void NotifyChange();

 private:
  class BusyScope;
  void BlendWithParentImage(const TRect& R);

  uint8_t alphaBlend_ = 255;
  TmxBitmapCopy bitmapCopy_ = bcSrcCopy;
  TColor color_ = clGray;
  bool grayscale_ = false;
  TmxBackgroundStyle style_ = btSolid;
  TNotifyEvent onChangeParameter_;
  std::unique_ptr<TmxGradient> gradient_;
  std::unique_ptr<TBitmap> bitmap_;
  std::unique_ptr<TBitmap> buffer_;
  std::unique_ptr<TBitmap> parentImage_;
  bool busy_ = false;
  // Expires with this object, so that a draw whose hook freed it stops.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
