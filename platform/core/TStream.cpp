#include "TStream.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "Exceptions.h"

int64_t TStream::Size() {
  int64_t pos = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EReadError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  uint8_t buffer[65536];
  int64_t left = Count;
  while (left > 0) {
    int64_t n = std::min<int64_t>(left, sizeof buffer);
    Source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    left -= n;
  }
  return Count;
}

std::vector<uint8_t> TStream::ReadCountedBytes() {
  uint8_t raw[4];
  ReadBuffer(raw, 4);
  uint32_t size = raw[0] | raw[1] << 8 | raw[2] << 16 | uint32_t(raw[3]) << 24;
  if (size > Size() - Position()) throw EReadError("Stream read error");
  std::vector<uint8_t> bytes(size);
  ReadBuffer(bytes.data(), size);
  return bytes;
}

void TStream::WriteCountedBytes(std::span<const uint8_t> Bytes) {
  uint32_t size = static_cast<uint32_t>(Bytes.size());
  uint8_t raw[4] = {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
  WriteBuffer(raw, 4);
  WriteBuffer(Bytes.data(), size);
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || position_ >= static_cast<int64_t>(data_.size())) return 0;
  int64_t n = std::min<int64_t>(Count, static_cast<int64_t>(data_.size()) - position_);
  std::memcpy(Buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  if (position_ + Count > static_cast<int64_t>(data_.size()))
    data_.resize(static_cast<size_t>(position_ + Count));
  std::memcpy(data_.data() + position_, Buffer, static_cast<size_t>(Count));
  position_ += Count;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? position_
                                                                  : static_cast<int64_t>(data_.size());
  position_ = std::max<int64_t>(0, base + Offset);
  return position_;
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(0, NewSize)));
  position_ = std::min<int64_t>(position_, static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + FileName + "\"");
  std::vector<uint8_t> bytes;
  try {
    // The stream buffer raises its own failure when a read fails (a folder).
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    in.setstate(std::ios::badbit);
  }
  if (in.bad()) throw EFOpenError("Cannot read file \"" + FileName + "\"");
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  int64_t size = Stream.Size();
  data_.resize(static_cast<size_t>(size));
  position_ = 0;
  Stream.ReadBuffer(data_.data(), size);
}
