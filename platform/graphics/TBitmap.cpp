#include "TBitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <cstring>

#include "QtBridge.h"

namespace {
// Bitmaps larger than this per side are refused rather than allocated.
constexpr int kMaxSide = 32768;

QImage::Format FormatFor(TAlphaFormat a) {
  return a == afDefined ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}
}  // namespace

TBitmap::TBitmap() : d_(std::make_unique<TBitmapData>()) {
  d_->canvas = std::make_unique<TCanvas>();
  d_->canvas->SetHandle(&d_->dc);
}

TBitmap::TBitmap(int Width, int Height) : TBitmap() { SetSize(Width, Height); }

TBitmap::~TBitmap() { d_->surface.End(); }

bool TBitmap::Empty() const { return d_->image.isNull(); }
int TBitmap::Width() const { return d_->image.width(); }
int TBitmap::Height() const { return d_->image.height(); }

void TBitmap::SetSize(int NewWidth, int NewHeight) {
  NewWidth = std::clamp(NewWidth, 0, kMaxSide);
  NewHeight = std::clamp(NewHeight, 0, kMaxSide);
  if (NewWidth == Width() && NewHeight == Height()) return;
  d_->surface.End();
  QImage next;
  if (NewWidth > 0 && NewHeight > 0) {
    next = QImage(NewWidth, NewHeight, FormatFor(alphaFormat_));
    if (next.isNull()) throw EOutOfMemory("Out of system resources");
    next.fill(alphaFormat_ == afDefined ? qRgba(0, 0, 0, 0) : qRgb(255, 255, 255));
    if (!d_->image.isNull()) {
      QPainter p(&next);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, d_->image);
    }
  }
  d_->image = std::move(next);
  d_->surface.Touch();
  Changed();
}

TCanvas* TBitmap::Canvas() { return d_->canvas.get(); }

void TBitmap::SetAlphaFormat(TAlphaFormat Value) {
  if (alphaFormat_ == Value) return;
  alphaFormat_ = Value;
  if (!d_->image.isNull()) {
    d_->surface.End();
    d_->image = d_->image.convertToFormat(FormatFor(Value));
    d_->surface.Touch();
  }
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (transparentMode_ == Value) return;
  transparentMode_ = Value;
  if (Value == tmAuto) transparentColor_ = clDefault;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (d_->image.isNull()) return clDefault;
  return FromQRgb(d_->image.pixel(0, d_->image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor Value) {
  transparentColor_ = Value;
  transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

uint32_t* TBitmap::ScanLine(int Row) {
  if (Row < 0 || Row >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
  d_->surface.Touch();
  return reinterpret_cast<uint32_t*>(d_->image.scanLine(Row));
}

const uint32_t* TBitmap::ScanLine(int Row) const {
  if (Row < 0 || Row >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
  return reinterpret_cast<const uint32_t*>(d_->image.constScanLine(Row));
}

void TBitmap::LoadFromStream(TStream& Stream) {
  int64_t size = Stream.Size() - Stream.Position();
  QByteArray bytes;
  if (size > 0) {
    bytes.resize(static_cast<qsizetype>(size));
    Stream.ReadBuffer(bytes.data(), size);
  }
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "BMP");
  QSize dims = reader.size();
  QImage img;
  if (dims.isValid() && dims.width() <= kMaxSide && dims.height() <= kMaxSide) img = reader.read();
  d_->surface.End();
  if (img.isNull()) {
    d_->image = QImage();
    d_->surface.Touch();
    Changed();
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  switch (img.depth()) {
    case 1: pixelFormat_ = pf1bit; break;
    case 4: pixelFormat_ = pf4bit; break;
    case 8: pixelFormat_ = pf8bit; break;
    case 16: pixelFormat_ = pf16bit; break;
    case 24: pixelFormat_ = pf24bit; break;
    default: pixelFormat_ = img.hasAlphaChannel() ? pf32bit : pf24bit; break;
  }
  d_->image = img.convertToFormat(FormatFor(alphaFormat_));
  d_->surface.Touch();
  Changed();
}

void TBitmap::SaveToStream(TStream& Stream) const {
  if (d_->image.isNull()) return;
  d_->surface.End();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImage out = d_->image;
  if (pixelFormat_ == pf8bit) out = out.convertToFormat(QImage::Format_Indexed8);
  else if (alphaFormat_ != afDefined) out = out.convertToFormat(QImage::Format_RGB888);
  out.save(&buffer, "BMP");
  Stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TBitmap::ReadData(TStream& Stream) {
  TMemoryStream inner(Stream.ReadCountedBytes());
  LoadFromStream(inner);
}

void TBitmap::WriteData(TStream& Stream) const {
  TMemoryStream inner;
  SaveToStream(inner);
  Stream.WriteCountedBytes(inner.Bytes());
}

void TBitmap::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TBitmap*>(Source)) {
    if (b == this) return;
    d_->surface.End();
    b->d_->surface.End();
    d_->image = b->d_->image.copy();
    pixelFormat_ = b->pixelFormat_;
    alphaFormat_ = b->alphaFormat_;
    transparentMode_ = b->transparentMode_;
    transparentColor_ = b->transparentColor_;
    SetTransparent(b->Transparent());
    d_->surface.Touch();
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::EndPainting() { d_->surface.End(); }

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(this);
  return copy;
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
  TDeviceContext* dc = ACanvas->Handle();
  if (!dc || d_->image.isNull() || R.IsEmpty()) return;
  if (!Transparent()) {
    ACanvas->CopyRect(R, Canvas(), TRect{0, 0, Width(), Height()});
    return;
  }
  // Transparent drawing: a copy with the transparent colour cleared,
  // rebuilt only when the pixels or the colour changed.
  QRgb key = ToQRgb(TransparentColor()) & 0x00FFFFFFu;
  if (d_->maskGeneration != d_->surface.Generation() || d_->maskColor != key || d_->mask.isNull()) {
    d_->surface.End();
    QImage m = d_->image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m.height(); ++y) {
      auto* px = reinterpret_cast<QRgb*>(m.scanLine(y));
      for (int x = 0; x < m.width(); ++x)
        if ((px[x] & 0x00FFFFFFu) == key) px[x] = 0;
    }
    d_->mask = std::move(m);
    d_->maskGeneration = d_->surface.Generation();
    d_->maskColor = key;
  }
  QPainter& p = dc->Painter();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(ToQRect(R), d_->mask);
}
