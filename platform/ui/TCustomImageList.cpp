#include "TCustomImageList.h"

#include <QPainter>
#include <algorithm>

#include "core/Exceptions.h"
#include "graphics/DeviceContext.h"
#include "graphics/QtBridge.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

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

}  // namespace

struct TCustomImageList::Images {
  struct Entry {
    QImage normal;
    QImage disabled;
  };
  std::vector<Entry> list;
};

TCustomImageList::TCustomImageList(TComponent* AOwner)
    : TComponent(AOwner), images_(std::make_unique<Images>()) {}

TCustomImageList::~TCustomImageList() = default;

int TCustomImageList::Count() const { return static_cast<int>(images_->list.size()); }

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(1, AWidth);
  AHeight = std::max(1, AHeight);
  if (AWidth == width_ && AHeight == height_) return;
  width_ = AWidth;
  height_ = AHeight;
  images_->list.clear();
  Change();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (bkColor_ == Value) return;
  bkColor_ = Value;
  Change();
}

namespace {

// Cuts Source into cells; MaskKey < 0 keeps the source's alpha.
int AddCells(std::vector<QImage>& Out, const QImage& Source, int W, int H, int64_t MaskKey) {
  if (Source.isNull()) return 0;
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
    Out.push_back(std::move(cell));
  }
  return cells;
}

int64_t KeyOf(const QImage& Source, TColor MaskColor) {
  if (MaskColor == clNone) return -1;
  if (MaskColor == clDefault) {
    if (Source.isNull()) return -1;
    return static_cast<int64_t>(Source.pixel(0, Source.height() - 1) & 0x00FFFFFFu);
  }
  return static_cast<int64_t>(ToQRgb(MaskColor) & 0x00FFFFFFu);
}

}  // namespace

int TCustomImageList::Add(const TBitmap& Image) {
  const QImage& src = Image.Data().image;
  QImage source = Image.AlphaFormat() == afDefined ? src : src.convertToFormat(QImage::Format_RGB32);
  std::vector<QImage> cells;
  AddCells(cells, source, width_, height_, -1);
  if (cells.empty()) return -1;
  int first = Count();
  for (QImage& c : cells) images_->list.push_back({c, DisabledLook(c)});
  Change();
  return first;
}

int TCustomImageList::AddMasked(const TBitmap& Image, TColor MaskColor) {
  QImage source = Image.Data().image.convertToFormat(QImage::Format_RGB32);
  std::vector<QImage> cells;
  AddCells(cells, source, width_, height_, KeyOf(source, MaskColor == clNone ? clDefault : MaskColor));
  if (cells.empty()) return -1;
  int first = Count();
  for (QImage& c : cells) images_->list.push_back({c, DisabledLook(c)});
  Change();
  return first;
}

int TCustomImageList::AddImages(std::span<const uint8_t> FileBytes, TColor MaskColor) {
  QImage source = QImage::fromData(FileBytes.data(), static_cast<int>(FileBytes.size()));
  if (source.isNull()) throw EInvalidGraphic("Image list image is not valid");
  std::vector<QImage> cells;
  AddCells(cells, source, width_, height_, KeyOf(source, MaskColor));
  if (cells.empty()) return -1;
  int first = Count();
  for (QImage& c : cells) images_->list.push_back({c, DisabledLook(c)});
  Change();
  return first;
}

void TCustomImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds");
  images_->list.erase(images_->list.begin() + Index);
  Change();
}

void TCustomImageList::Clear() {
  if (images_->list.empty()) return;
  images_->list.clear();
  Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
  if (!Canvas || !Canvas->HandleAllocated() || Index < 0 || Index >= Count()) return;
  if (bkColor_ != clNone) {
    TColor keep = Canvas->Brush()->Color();
    TBrushStyle style = Canvas->Brush()->Style();
    Canvas->Brush()->SetColor(bkColor_);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->FillRect(TRect::Bounds(X, Y, width_, height_));
    Canvas->Brush()->SetColor(keep);
    Canvas->Brush()->SetStyle(style);
  }
  const auto& e = images_->list[Index];
  QPainter& p = Canvas->Handle()->Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setOpacity(1.0);
  p.drawImage(QPoint(X, Y), Enabled ? e.normal : e.disabled);
}

void TCustomImageList::GetBitmap(int Index, TBitmap& Dest) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds");
  Dest.SetSize(0, 0);
  Dest.SetAlphaFormat(afDefined);
  Dest.SetSize(width_, height_);
  Dest.Data().surface.End();
  Dest.Data().image = images_->list[Index].normal.copy();
  Dest.Data().surface.Touch();
}

void TCustomImageList::RegisterChanges(const void* Client, std::function<void()> Changed) {
  UnRegisterChanges(Client);
  clients_.emplace_back(Client, std::move(Changed));
}

void TCustomImageList::UnRegisterChanges(const void* Client) {
  clients_.erase(std::remove_if(clients_.begin(), clients_.end(), [&](const auto& c) { return c.first == Client; }),
                 clients_.end());
}

void TCustomImageList::Change() {
  auto alive = AliveToken();
  // A client may unregister (or go) while being told.
  auto clients = clients_;
  for (const auto& entry : clients) {
    if (!IsAlive(alive)) return;
    const void* client = entry.first;
    bool still = std::any_of(clients_.begin(), clients_.end(), [client](const auto& c) { return c.first == client; });
    if (still && entry.second) entry.second();
  }
  if (IsAlive(alive) && OnChange) OnChange(this);
}
