#include "TImageCells.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "QtBridge.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "core/Exceptions.h"

namespace {

// Grey by luminance, then halfway to white; the alpha stays.
QImage DisabledLook(const QImage& Source) {
  QImage out = Source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* px = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = px[x];
      const int grey = (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
      const int light = grey + (255 - grey) / 2;
      px[x] = qRgba(light, light, light, qAlpha(c));
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The colour whose pixels become transparent, or -1 for none.
int64_t KeyOf(const QImage& Source, TColor MaskColor) {
  if (MaskColor == clNone) return -1;
  if (MaskColor == clDefault) {
    if (Source.isNull()) return -1;
    return static_cast<int64_t>(Source.pixel(0, Source.height() - 1) & 0x00FFFFFFu);
  }
  return static_cast<int64_t>(ToQRgb(MaskColor) & 0x00FFFFFFu);
}

}  // namespace

struct TImageCells::Cells {
  struct Entry {
    QImage normal;
    QImage disabled;
  };
  std::vector<Entry> list;

  int Add(const QImage& Source, int W, int H, int64_t MaskKey) {
    if (Source.isNull() || W <= 0 || H <= 0) return 0;
    QImage argb = Source.convertToFormat(QImage::Format_ARGB32);
    if (MaskKey >= 0) {
      const QRgb key = static_cast<QRgb>(MaskKey) & 0x00FFFFFFu;
      for (int y = 0; y < argb.height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
          if ((px[x] & 0x00FFFFFFu) == key) px[x] = 0;
      }
    }
    const int cells = argb.width() / W;
    for (int i = 0; i < cells; ++i) {
      QImage cell(W, H, QImage::Format_ARGB32_Premultiplied);
      cell.fill(Qt::transparent);
      QPainter p(&cell);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(QPoint(0, 0), argb, QRect(i * W, 0, W, std::min(H, argb.height())));
      p.end();
      QImage disabled = DisabledLook(cell);
      list.push_back({std::move(cell), std::move(disabled)});
    }
    return cells;
  }
};

TImageCells::TImageCells() : cells_(std::make_unique<Cells>()) {}
TImageCells::~TImageCells() = default;

int TImageCells::Count() const { return static_cast<int>(cells_->list.size()); }

int TImageCells::Add(const TBitmap& Source, int Width, int Height, TColor MaskColor) {
  const QImage& image = Source.Data().image;
  // A bitmap keeps its alpha only when it says it has one and no colour is masked.
  bool keepAlpha = Source.AlphaFormat() == afDefined && MaskColor == clNone;
  QImage opaque = keepAlpha ? image : image.convertToFormat(QImage::Format_RGB32);
  return cells_->Add(opaque, Width, Height, KeyOf(opaque, MaskColor));
}

int TImageCells::AddFile(std::span<const uint8_t> Bytes, int Width, int Height, TColor MaskColor) {
  QImage source = QImage::fromData(Bytes.data(), static_cast<int>(Bytes.size()));
  if (source.isNull()) throw EInvalidGraphic("Image list image is not valid");
  return cells_->Add(source, Width, Height, KeyOf(source, MaskColor));
}

void TImageCells::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds");
  cells_->list.erase(cells_->list.begin() + Index);
}

void TImageCells::Clear() { cells_->list.clear(); }

void TImageCells::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
  const auto& e = cells_->list.at(static_cast<size_t>(Index));
  QPainter& p = Canvas->Handle()->Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setOpacity(1.0);
  p.drawImage(QPoint(X, Y), Enabled ? e.normal : e.disabled);
}

void TImageCells::CopyTo(int Index, TBitmap& Dest) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds");
  const QImage& cell = cells_->list[static_cast<size_t>(Index)].normal;
  Dest.SetSize(0, 0);
  Dest.SetAlphaFormat(afDefined);
  Dest.SetSize(cell.width(), cell.height());
  Dest.EndPainting();
  Dest.Data().image = cell.copy();
  Dest.Data().surface.Touch();
}
