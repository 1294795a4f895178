#include "TmxCustomBackground.h"

#include <algorithm>
#include <utility>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TSavedCanvasState.h"

namespace {

constexpr uint32_t kColourBytes = 0x00FFFFFFu;
constexpr uint32_t kOpaque = 0xFF000000u;

void Grow(TBitmap& B, int Width, int Height) {
  if (B.Width() >= Width && B.Height() >= Height) return;
  B.SetSize(std::max(B.Width(), Width), std::max(B.Height(), Height));
}

// R's part that lies on both bitmaps.
TRect PixelArea(const TRect& R, const TBitmap& A, const TBitmap& B) {
  return {std::max(R.Left, 0), std::max(R.Top, 0), std::min({R.Right, A.Width(), B.Width()}),
          std::min({R.Bottom, A.Height(), B.Height()})};
}

}  // namespace

// Holds the busy flag for one draw and puts the buffer's canvas state
// back, on every way out, failures included; a hook that freed the
// background leaves nothing to put back.
class TmxCustomBackground::BusyScope {
 public:
  BusyScope(TmxCustomBackground& Owner, TCanvas* Canvas)
      : owner_(Owner), alive_(Owner.alive_), canvas_(Canvas), level_(Canvas ? Canvas->SaveDC() : 0) {
    owner_.busy_ = true;
  }
  ~BusyScope() {
    if (!Alive()) return;
    if (canvas_) canvas_->RestoreDC(level_);
    owner_.busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  bool Alive() const { return !alive_.expired(); }

 private:
  TmxCustomBackground& owner_;
  std::weak_ptr<int> alive_;
  TCanvas* canvas_;
  int level_;
};

TmxCustomBackground::TmxCustomBackground()
    : gradient_(std::make_unique<TmxGradient>()),
      bitmap_(std::make_unique<TBitmap>()),
      buffer_(std::make_unique<TBitmap>()),
      parentImage_(std::make_unique<TBitmap>()) {
  buffer_->SetPixelFormat(pf32bit);
  parentImage_->SetPixelFormat(pf32bit);
}

TmxCustomBackground::~TmxCustomBackground() = default;

void TmxCustomBackground::Assign(const TPersistent* Source) {
  auto* b = dynamic_cast<const TmxCustomBackground*>(Source);
  if (!b) {
    TPersistent::Assign(Source);
    return;
  }
  alphaBlend_ = b->alphaBlend_;
  bitmap_->Assign(b->bitmap_.get());
  style_ = b->style_;
  bitmapCopy_ = b->bitmapCopy_;
  color_ = b->color_;
  grayscale_ = b->grayscale_;
  // The gradient calls this object's handler too: one notice for the copy.
  TNotifyEvent handler = std::exchange(gradient_->OnChangeParameter, nullptr);
  gradient_->Assign(b->gradient_.get());
  gradient_->OnChangeParameter = std::move(handler);
  NotifyChange();
}

void TmxCustomBackground::SetAlphaBlend(uint8_t Value) {
  if (alphaBlend_ == Value) return;
  alphaBlend_ = Value;
  NotifyChange();
}

void TmxCustomBackground::SetBitmap(const TBitmap* Value) {
  if (Value) bitmap_->Assign(Value);
  else bitmap_->SetSize(0, 0);
  NotifyChange();
}

void TmxCustomBackground::SetBitmapCopy(TmxBitmapCopy Value) {
  if (bitmapCopy_ == Value) return;
  bitmapCopy_ = Value;
  NotifyChange();
}

void TmxCustomBackground::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  NotifyChange();
}

void TmxCustomBackground::SetGradient(const TmxGradient* Value) { gradient_->Assign(Value); }

void TmxCustomBackground::SetGrayscale(bool Value) {
  if (grayscale_ == Value) return;
  grayscale_ = Value;
  NotifyChange();
}

void TmxCustomBackground::SetStyle(TmxBackgroundStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  NotifyChange();
}

void TmxCustomBackground::SetOnChangeParameter(TNotifyEvent Value) {
  onChangeParameter_ = Value;
  gradient_->OnChangeParameter = std::move(Value);
}

void TmxCustomBackground::NotifyChange() {
  if (onChangeParameter_) onChangeParameter_(this);
}

void TmxCustomBackground::GrowParentImage(int Width, int Height) { Grow(*parentImage_, Width, Height); }

uint32_t TmxCustomBackground::RasterOp(TmxBitmapCopy Value) {
  switch (Value) {
    case bcMergeCopy: return MERGECOPY;
    case bcMergePaint: return MERGEPAINT;
    case bcSrcErase: return SRCERASE;
    case bcSrcPaint: return SRCPAINT;
    case bcSrcCopy: break;
  }
  return SRCCOPY;
}

void TmxCustomBackground::Draw(TCanvas* Canvas, const TRect& R) {
  if (style_ == btTransparent || busy_ || R.Width() < 1 || R.Bottom < R.Top) return;
  TCanvas* buffer = buffer_->Canvas();
  BusyScope busy(*this, buffer);
  if (alphaBlend_ != 255) GrowParentImage(R.Right, R.Bottom);
  Grow(*buffer_, R.Right, R.Bottom);
  buffer->Brush()->SetStyle(bsSolid);
  BeforeDraw(buffer, R);
  if (OnBeforeDraw) {
    OnBeforeDraw(this, buffer, R);
    if (!busy.Alive()) return;
  }
  if (OnDraw) {
    OnDraw(this, buffer, R);
    if (!busy.Alive()) return;
  } else if (!R.IsEmpty()) {
    switch (style_) {
      case btSolid: FillColor(buffer, R); break;
      case btBitmap:
      case btTileBitmap:
        FillColor(buffer, R);
        DrawBitmap(buffer, R, style_ == btTileBitmap);
        break;
      case btGradient:
        FillColor(buffer, R);
        gradient_->Draw(buffer, R);
        break;
      case btTransparent: break;
    }
    if (alphaBlend_ != 255) BlendWithParentImage(R);
    ApplyGrayscale(buffer_.get(), R);
  }
  // The buffer holds nothing left of or above its origin.
  const TRect copy = R.Intersect({0, 0, buffer_->Width(), buffer_->Height()});
  if (Canvas && !copy.IsEmpty()) Canvas->CopyRect(copy, buffer, copy, SRCCOPY);
  if (OnAfterDraw) {
    OnAfterDraw(this, Canvas, R);
    if (!busy.Alive()) return;
  }
  AfterDraw(Canvas, R);
}

void TmxCustomBackground::DrawColorAndGradient(TCanvas* Canvas, const TRect& R) {
  if (busy_ || !Canvas) return;
  BusyScope busy(*this, nullptr);
  FillColor(Canvas, R);
  gradient_->Draw(Canvas, R);
}

void TmxCustomBackground::FillColor(TCanvas* Canvas, const TRect& R) {
  Canvas->Brush()->SetColor(color_);
  Canvas->FillRect(R);
}

void TmxCustomBackground::DrawBitmap(TCanvas* Canvas, const TRect& R, bool Tile) {
  if (bitmap_->Empty()) return;
  const int w = bitmap_->Width(), h = bitmap_->Height();
  const uint32_t rop = RasterOp(bitmapCopy_);
  TSavedCanvasState saved(Canvas);
  Canvas->IntersectClipRect(R);
  if (!Tile) {
    Canvas->BitBlt(R.Left, R.Top, w, h, bitmap_->Canvas(), 0, 0, rop);
  } else {
    for (int y = R.Top; y < R.Bottom; y += h)
      for (int x = R.Left; x < R.Right; x += w) Canvas->BitBlt(x, y, w, h, bitmap_->Canvas(), 0, 0, rop);
  }
}

// Pixels are compared and mixed by their colour bytes. The fourth byte
// carries no colour in these opaque bitmaps: the window system keeps 0
// there in painted pixels, this platform 0xFF.
void TmxCustomBackground::BlendWithParentImage(const TRect& R) {
  const uint32_t a = alphaBlend_, rest = 255u - a;
  const TBitmap& parent = *parentImage_;
  const TRect area = PixelArea(R, *buffer_, parent);
  for (int y = area.Top; y < area.Bottom; ++y) {
    uint32_t* b = buffer_->ScanLine(y);
    const uint32_t* p = parent.ScanLine(y);
    for (int x = area.Left; x < area.Right; ++x) {
      const uint32_t bv = b[x] & kColourBytes, pv = p[x] & kColourBytes;
      if (bv == pv) continue;
      // Red and blue as one packed pair: 255 x 255 never carries over.
      const uint32_t rb = (((bv & 0xFF00FFu) * a + (pv & 0xFF00FFu) * rest) >> 8) & 0xFF00FFu;
      const uint32_t g = (((bv & 0x00FF00u) * a + (pv & 0x00FF00u) * rest) >> 8) & 0x00FF00u;
      b[x] = kOpaque | rb | g;
    }
  }
}

// The grey value is the sum of a pixel's four bytes over four, the fourth
// being 0 as the window system leaves it in painted pixels; so white
// turns into 191.
void TmxCustomBackground::ApplyGrayscale(TBitmap* Target, const TRect& R) {
  if (!grayscale_ || !Target) return;
  const TRect area = PixelArea(R, *Target, *Target);
  for (int y = area.Top; y < area.Bottom; ++y) {
    uint32_t* row = Target->ScanLine(y);
    for (int x = area.Left; x < area.Right; ++x) {
      const uint32_t v = row[x];
      const uint32_t grey = (((v >> 16) & 0xFFu) + ((v >> 8) & 0xFFu) + (v & 0xFFu)) / 4;
      row[x] = kOpaque | grey * 0x010101u;
    }
  }
}
