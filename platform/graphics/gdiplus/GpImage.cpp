// Image decoding through Qt's readers: the format is told by the file's
// signature, the size its header claims is checked before any pixel is
// allocated.
#include "GpImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstring>
#include <string_view>

#include "GdiPlusBridge.h"

namespace {
// Larger images are refused before decoding: at most this many pixels per
// side and in all (64M pixels are 256 MiB at 32 bits per pixel).
constexpr int kMaxSide = 32768;
constexpr qint64 kMaxPixels = qint64{1} << 26;

struct Signature {
  std::string_view magic;
  uint8_t formatId;
  const char* readerFormat;  // Qt's name of the format, or null when Qt has no reader
};

// Cursors are read as icons, as icon files and cursor files share a layout.
using namespace std::string_view_literals;
constexpr Signature kSignatures[] = {
    {"BM"sv, 0xAB, "bmp"},
    {"\xFF\xD8\xFF"sv, 0xAE, "jpeg"},
    {"\x89PNG\r\n\x1A\n"sv, 0xAF, "png"},
    {"GIF87a"sv, 0xB0, "gif"},
    {"GIF89a"sv, 0xB0, "gif"},
    {"II*\0"sv, 0xB1, "tiff"},
    {"MM\0*"sv, 0xB1, "tiff"},
    {"\0\0\1\0"sv, 0xB5, "ico"},
    {"\0\0\2\0"sv, 0xB5, "ico"},
};

const Signature* Identify(std::span<const uint8_t> Bytes) {
  for (const Signature& s : kSignatures)
    if (Bytes.size() >= s.magic.size() && std::memcmp(Bytes.data(), s.magic.data(), s.magic.size()) == 0)
      return &s;
  return nullptr;
}

bool Acceptable(QSize Size) {
  return Size.width() > 0 && Size.height() > 0 && Size.width() <= kMaxSide && Size.height() <= kMaxSide &&
         qint64{Size.width()} * Size.height() <= kMaxPixels;
}

QImage Decode(std::span<const uint8_t> Bytes, const Signature* Kind) {
  if (Bytes.empty()) return {};
  // Qt reads the caller's bytes in place; the reader never writes them.
  QByteArray raw = QByteArray::fromRawData(reinterpret_cast<const char*>(Bytes.data()),
                                           static_cast<qsizetype>(Bytes.size()));
  QBuffer buffer(&raw);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer, Kind ? QByteArray(Kind->readerFormat) : QByteArray());
  // A known signature is decoded by its own reader only; other bytes may
  // be any format that Qt recognises by content.
  reader.setAutoDetectImageFormat(Kind == nullptr);
  QSize claimed = reader.size();
  if (claimed.isValid() && !Acceptable(claimed)) return {};
  QImage image = reader.read();
  if (image.isNull() || !Acceptable(image.size())) return {};
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

GpImage::GpImage() : d_(std::make_unique<GpImageData>()) {}
GpImage::~GpImage() = default;

std::unique_ptr<GpImage> GpImage::FromBytes(std::span<const uint8_t> Bytes) {
  std::unique_ptr<GpImage> result(new GpImage());
  const Signature* kind = Identify(Bytes);
  result->d_->image = Decode(Bytes, kind);
  if (!result->d_->image.isNull())
    result->d_->format = kind ? ImageFormat(kind->formatId) : ImageFormatUndefined;
  return result;
}

unsigned GpImage::Width() const { return static_cast<unsigned>(d_->image.width()); }
unsigned GpImage::Height() const { return static_cast<unsigned>(d_->image.height()); }
TGUID GpImage::RawFormat() const { return d_->format; }
