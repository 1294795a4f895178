// BMP writer of our own, PNG through QImage, JPEG through libjpeg.
#include "Encoders.h"

#include <QBuffer>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

void PutU16(Bytes& Out, uint32_t Value)
{
  Out.push_back(uint8_t(Value));
  Out.push_back(uint8_t(Value >> 8));
}

void PutU32(Bytes& Out, uint32_t Value)
{
  PutU16(Out, Value & 0xFFFF);
  PutU16(Out, Value >> 16);
}

// 96 dots per inch, the usual figure for screen pictures.
constexpr uint32_t PixelsPerMetre = 3780;

} // namespace

Bytes EncodeBmp(const QImage& Image, int Bits)
{
  if (Bits != 1 && Bits != 8 && Bits != 24)
    throw std::runtime_error("unsupported bitmap depth " + std::to_string(Bits));

  const QImage Src = Image.convertToFormat(QImage::Format_RGB32);
  const int W = Src.width();
  const int H = Src.height();

  std::map<QRgb, int> Index;
  if (Bits != 24) {
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X)
        Index.emplace(Src.pixel(X, Y) & 0xFFFFFF, 0);
    const size_t Capacity = size_t(1) << Bits;
    if (Index.size() > Capacity)
      throw std::runtime_error(std::to_string(Index.size()) + " colours do not fit a " +
                               std::to_string(Bits) + "-bit palette");
    int Next = 0;
    for (auto& Entry : Index)
      Entry.second = Next++;
  }

  const uint32_t PaletteEntries = Bits == 24 ? 0 : (1u << Bits);
  const uint32_t Stride = ((uint32_t(W) * Bits + 31) / 32) * 4;
  const uint32_t PixelBytes = Stride * uint32_t(H);
  const uint32_t Offset = 14 + 40 + PaletteEntries * 4;

  Bytes Out;
  Out.reserve(Offset + PixelBytes);
  Out.push_back('B');
  Out.push_back('M');
  PutU32(Out, Offset + PixelBytes);
  PutU32(Out, 0);
  PutU32(Out, Offset);

  PutU32(Out, 40);
  PutU32(Out, uint32_t(W));
  PutU32(Out, uint32_t(H));
  PutU16(Out, 1);
  PutU16(Out, uint32_t(Bits));
  PutU32(Out, 0);
  PutU32(Out, PixelBytes);
  PutU32(Out, PixelsPerMetre);
  PutU32(Out, PixelsPerMetre);
  PutU32(Out, 0);
  PutU32(Out, 0);

  std::vector<QRgb> Palette(PaletteEntries, 0);
  for (const auto& [Colour, I] : Index)
    Palette[size_t(I)] = Colour;
  for (QRgb Colour : Palette) {
    Out.push_back(uint8_t(qBlue(Colour)));
    Out.push_back(uint8_t(qGreen(Colour)));
    Out.push_back(uint8_t(qRed(Colour)));
    Out.push_back(0);
  }

  for (int Y = H - 1; Y >= 0; --Y) {
    Bytes Row(Stride, 0);
    for (int X = 0; X < W; ++X) {
      const QRgb P = Src.pixel(X, Y);
      if (Bits == 24) {
        Row[size_t(X) * 3 + 0] = uint8_t(qBlue(P));
        Row[size_t(X) * 3 + 1] = uint8_t(qGreen(P));
        Row[size_t(X) * 3 + 2] = uint8_t(qRed(P));
      } else if (Bits == 8) {
        Row[size_t(X)] = uint8_t(Index.at(P & 0xFFFFFF));
      } else if (Index.at(P & 0xFFFFFF)) {
        Row[size_t(X) / 8] |= uint8_t(0x80 >> (X % 8));
      }
    }
    Out.insert(Out.end(), Row.begin(), Row.end());
  }
  return Out;
}

Bytes EncodePng(const QImage& Image)
{
  const QImage Src = Image.hasAlphaChannel() ? Image.convertToFormat(QImage::Format_ARGB32)
                                             : Image.convertToFormat(QImage::Format_RGB32);
  QByteArray Data;
  QBuffer Buffer(&Data);
  Buffer.open(QIODevice::WriteOnly);
  if (!Src.save(&Buffer, "PNG"))
    throw std::runtime_error("PNG encoding failed");
  return Bytes(Data.begin(), Data.end());
}

Bytes EncodeJpeg(const QImage& Image, int Quality)
{
  const QImage Src = Image.convertToFormat(QImage::Format_RGB888);

  // libjpeg's standard error handler prints the message and ends the
  // program, which is the right outcome for a generator.
  jpeg_compress_struct Info{};
  jpeg_error_mgr Errors{};
  Info.err = jpeg_std_error(&Errors);
  jpeg_create_compress(&Info);

  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  jpeg_mem_dest(&Info, &Buffer, &Size);

  Info.image_width = JDIMENSION(Src.width());
  Info.image_height = JDIMENSION(Src.height());
  Info.input_components = 3;
  Info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, Quality, TRUE);
  for (int C = 0; C < 3; ++C) {
    Info.comp_info[C].h_samp_factor = 1;
    Info.comp_info[C].v_samp_factor = 1;
  }

  jpeg_start_compress(&Info, TRUE);
  while (Info.next_scanline < Info.image_height) {
    JSAMPROW Row = const_cast<JSAMPROW>(Src.constScanLine(int(Info.next_scanline)));
    jpeg_write_scanlines(&Info, &Row, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);

  Bytes Out(Buffer, Buffer + Size);
  std::free(Buffer);
  return Out;
}
