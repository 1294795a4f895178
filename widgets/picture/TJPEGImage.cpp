#include "TJPEGImage.h"

#include <algorithm>

#include "core/Exceptions.h"
#include "graphics/TBitmap.h"
#include "graphics/TPicture.h"

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetWidth(int Value) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int Value) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::Load(std::vector<uint8_t> Bytes) {
  TJpegHeader header;
  std::string error;
  bool readable = ReadJpegHeader(Bytes, header, error);
  bitmap_.reset();
  undecodable_ = false;
  if (readable) {
    bytes_ = std::move(Bytes);
    header_ = header;
  } else {
    bytes_.clear();
    header_ = {};
  }
  Changed();
  if (!readable) throw EInvalidGraphic("JPEG image is not valid: " + error);
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
  int64_t size = std::max<int64_t>(0, Stream.Size() - Stream.Position());
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  Stream.ReadBuffer(bytes.data(), size);
  Load(std::move(bytes));
}

void TJPEGImage::SaveToStream(TStream& Stream) const {
  Stream.WriteBuffer(bytes_.data(), static_cast<int64_t>(bytes_.size()));
}

void TJPEGImage::ReadData(TStream& Stream) { Load(Stream.ReadCountedBytes()); }

void TJPEGImage::WriteData(TStream& Stream) const { Stream.WriteCountedBytes(bytes_); }

void TJPEGImage::Assign(const TPersistent* Source) {
  auto* jpeg = dynamic_cast<const TJPEGImage*>(Source);
  if (!jpeg) {
    TGraphic::Assign(Source);
    return;
  }
  if (jpeg == this) return;
  bytes_ = jpeg->bytes_;
  header_ = jpeg->header_;
  bitmap_.reset();
  undecodable_ = jpeg->undecodable_;
  Changed();
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->Assign(this);
  return copy;
}

void TJPEGImage::Decode() {
  auto bitmap = std::make_unique<TBitmap>(header_.Width, header_.Height);
  std::vector<uint32_t*> rows(static_cast<size_t>(header_.Height));
  for (int y = 0; y < header_.Height; ++y) rows[static_cast<size_t>(y)] = bitmap->ScanLine(y);
  std::string error;
  if (!DecodeJpeg(bytes_, header_, rows.data(), error)) {
    undecodable_ = true;
    return;
  }
  bitmap->SetPixelFormat(header_.Grey ? pf8bit : pf24bit);
  bitmap_ = std::move(bitmap);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& R) {
  if (!ACanvas || Empty() || R.IsEmpty()) return;
  if (!bitmap_ && !undecodable_) Decode();
  if (bitmap_) ACanvas->StretchDraw(R, bitmap_.get());
}

void RegisterJPEGImage() {
  UnregisterJPEGImage();
  for (const char* extension : {"jpeg", "jpg"})
    TPicture::RegisterFileFormat(
        {extension, "JPEG Image File", "TJPEGImage", [] { return std::make_unique<TJPEGImage>(); }});
}

void UnregisterJPEGImage() { TPicture::UnregisterGraphicClass("TJPEGImage"); }
