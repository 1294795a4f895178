#include "TPicture.h"

#include <algorithm>
#include <cctype>

#include "TBitmap.h"
#include "core/Exceptions.h"

namespace {
std::vector<TPictureFormat>& Registry() {
  static std::vector<TPictureFormat> formats = {
      {"bmp", "Bitmaps", "TBitmap", [] { return std::make_unique<TBitmap>(); }},
  };
  return formats;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}
}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Attach(std::unique_ptr<TGraphic> G) {
  graphic_ = std::move(G);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Value) {
  Attach(std::move(Value));
  Changed();
}

TBitmap* TPicture::Bitmap() {
  if (auto* b = dynamic_cast<TBitmap*>(graphic_.get())) return b;
  Attach(std::make_unique<TBitmap>());
  Changed();
  return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::LoadFromFile(const std::string& FileName) {
  auto dot = FileName.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : Lower(FileName.substr(dot + 1));
  for (const TPictureFormat& f : Registry()) {
    if (f.Extension != ext) continue;
    auto g = f.Create();
    g->LoadFromFile(FileName);
    SetGraphic(std::move(g));
    return;
  }
  throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
}

void TPicture::ReadData(TStream& Stream) {
  uint8_t len = 0;
  Stream.ReadBuffer(&len, 1);
  std::string name(len, '\0');
  Stream.ReadBuffer(name.data(), len);
  if (name.empty()) {
    SetGraphic(nullptr);
    return;
  }
  for (const TPictureFormat& f : Registry()) {
    if (f.ClassName != name) continue;
    auto g = f.Create();
    g->ReadData(Stream);
    SetGraphic(std::move(g));
    return;
  }
  throw EInvalidGraphic("Class " + name + " not found");
}

void TPicture::WriteData(TStream& Stream) const {
  std::string name = graphic_ ? graphic_->ClassName() : std::string();
  uint8_t len = static_cast<uint8_t>(std::min<size_t>(name.size(), 255));
  Stream.WriteBuffer(&len, 1);
  Stream.WriteBuffer(name.data(), len);
  if (graphic_) graphic_->WriteData(Stream);
}

void TPicture::Assign(const TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
    return;
  }
  if (auto* p = dynamic_cast<const TPicture*>(Source)) {
    SetGraphic(p->graphic_ ? p->graphic_->Clone() : nullptr);
    return;
  }
  if (auto* g = dynamic_cast<const TGraphic*>(Source)) {
    SetGraphic(g->Clone());
    return;
  }
  TPersistent::Assign(Source);
}

void TPicture::RegisterFileFormat(TPictureFormat Format) {
  Format.Extension = Lower(Format.Extension);
  Registry().push_back(std::move(Format));
}

void TPicture::UnregisterGraphicClass(const std::string& ClassName) {
  auto& r = Registry();
  r.erase(std::remove_if(r.begin(), r.end(), [&](const TPictureFormat& f) { return f.ClassName == ClassName; }),
          r.end());
}

const std::vector<TPictureFormat>& TPicture::Formats() { return Registry(); }
