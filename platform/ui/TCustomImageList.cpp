#include "TCustomImageList.h"

#include <algorithm>

#include "core/Exceptions.h"
#include "graphics/TCanvas.h"
#include "graphics/TImageCells.h"

TCustomImageList::TCustomImageList(TComponent* AOwner)
    : TComponent(AOwner), images_(std::make_unique<TImageCells>()) {}

TCustomImageList::~TCustomImageList() = default;

int TCustomImageList::Count() const { return images_->Count(); }

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(1, AWidth);
  AHeight = std::max(1, AHeight);
  if (AWidth == width_ && AHeight == height_) return;
  width_ = AWidth;
  height_ = AHeight;
  images_->Clear();
  Change();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (bkColor_ == Value) return;
  bkColor_ = Value;
  Change();
}

int TCustomImageList::Added(int Cells) {
  if (Cells == 0) return -1;
  Change();
  return Count() - Cells;
}

int TCustomImageList::Add(const TBitmap& Image) { return Added(images_->Add(Image, width_, height_, clNone)); }

int TCustomImageList::AddMasked(const TBitmap& Image, TColor MaskColor) {
  return Added(images_->Add(Image, width_, height_, MaskColor == clNone ? clDefault : MaskColor));
}

int TCustomImageList::AddImages(std::span<const uint8_t> FileBytes, TColor MaskColor) {
  return Added(images_->AddFile(FileBytes, width_, height_, MaskColor));
}

void TCustomImageList::Delete(int Index) {
  images_->Delete(Index);
  Change();
}

void TCustomImageList::Clear() {
  if (Count() == 0) return;
  images_->Clear();
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
  images_->Draw(Canvas, X, Y, Index, Enabled);
}

void TCustomImageList::GetBitmap(int Index, TBitmap& Dest) const {
  images_->CopyTo(Index, Dest);
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
