#include "TGDIPPicture.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "PictureDecoding.h"
#include "core/Exceptions.h"
#include "graphics/TBitmap.h"
#include "graphics/TPicture.h"
#include "graphics/gdiplus/GpGraphics.h"

TGDIPPicture::TGDIPPicture() = default;
TGDIPPicture::~TGDIPPicture() = default;

void TGDIPPicture::CopyRest(TStream& Stream) {
  int64_t size = std::max<int64_t>(0, Stream.Size() - Stream.Position());
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  Stream.ReadBuffer(bytes.data(), size);
  data_.Clear();
  data_.WriteBuffer(bytes.data(), size);
}

void TGDIPPicture::Clear() {
  data_.Clear();
  empty_ = true;
  Changed();
  if (OnClear) OnClear(this);
}

bool TGDIPPicture::UpdateSize() {
  if (empty_ || Bytes().empty()) return false;
  std::unique_ptr<GpImage> image = DecodePictureBytes(Bytes());
  width_ = static_cast<int>(image->Width());
  height_ = static_cast<int>(image->Height());
  return true;
}

void TGDIPPicture::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  CopyRest(Stream);
  empty_ = false;
  UpdateSize();
  Changed();
}

void TGDIPPicture::SaveToStream(TStream& Stream) const {
  Stream.WriteBuffer(Bytes().data(), static_cast<int64_t>(Bytes().size()));
}

void TGDIPPicture::LoadFromFile(const std::string& FileName) {
  // Not only the platform's own failures: a directory or a file whose
  // reads fail raises the stream library's failure.
  TMemoryStream file;
  try {
    file.LoadFromFile(FileName);
  } catch (const std::exception&) {
    empty_ = true;
    return;
  }
  CopyRest(file);
  empty_ = false;
  if (OnClear) OnClear(this);
  try {
    UpdateSize();
  } catch (const std::exception&) {
    empty_ = true;
    return;
  }
  Changed();
}

void TGDIPPicture::ReadData(TStream& Stream) {
  CopyRest(Stream);
  empty_ = false;
}

void TGDIPPicture::Assign(const TPersistent* Source) {
  const TPicture* container = dynamic_cast<const TPicture*>(Source);
  // A container without a graphic holds no picture: the same as no source.
  if (!Source || (container && !container->Graphic())) {
    Clear();
    return;
  }
  empty_ = true;
  TMemoryStream file;
  if (auto* p = dynamic_cast<const TGDIPPicture*>(Source)) {
    p->SaveToStream(file);
  } else if (auto* b = dynamic_cast<const TBitmap*>(Source)) {
    b->SaveToStream(file);
  } else if (container) {
    container->Graphic()->SaveToStream(file);
  } else {
    return;
  }
  file.SetPosition(0);
  CopyRest(file);
  empty_ = false;
  UpdateSize();
  Changed();
}

std::unique_ptr<TGraphic> TGDIPPicture::Clone() const {
  auto copy = std::make_unique<TGDIPPicture>();
  copy->Assign(this);
  return copy;
}

void TGDIPPicture::Draw(TCanvas* ACanvas, const TRect& R) {
  if (!ACanvas || empty_ || Bytes().empty()) return;
  std::unique_ptr<GpImage> image = DecodePictureBytes(Bytes());
  if (GdipFormat(image->RawFormat()) == gfBMP) {
    TBitmap bitmap;
    TMemoryStream file(Bytes());
    try {
      bitmap.LoadFromStream(file);
    } catch (const EInvalidGraphic&) {
      return;
    }
    bitmap.SetTransparent(true);
    ACanvas->Draw(R.Left, R.Top, &bitmap);
    return;
  }
  width_ = static_cast<int>(image->Width());
  height_ = static_cast<int>(image->Height());
  GpGraphics graphics(*ACanvas);
  graphics.DrawImage(*image, R.Left, R.Top, R.Width(), R.Height());
}
