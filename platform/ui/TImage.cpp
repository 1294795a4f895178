#include "TImage.h"

#include "graphics/TGraphic.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
  SetBounds(0, 0, 105, 105);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::PictureChanged() {
  if (TGraphic* g = picture_->Graphic(); g && transparent_ != g->Transparent()) g->SetTransparent(transparent_);
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  Invalidate();
}

void TImage::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  PictureChanged();
}

void TImage::SetCenter(bool Value) {
  if (center_ == Value) return;
  center_ = Value;
  Invalidate();
}

void TImage::SetStretch(bool Value) {
  if (stretch_ == Value) return;
  stretch_ = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  PictureChanged();
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  if (stretch_) return ClientRect();
  if (center_) return TRect::Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
  return TRect::Bounds(0, 0, w, h);
}

void TImage::Paint() {
  if (TGraphic* g = picture_->Graphic(); g && !g->Empty()) Canvas()->StretchDraw(DestRect(), g);
}
