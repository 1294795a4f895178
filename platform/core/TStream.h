// Byte streams: the memory stream that pictures keep their file bytes in,
// and whole-file reading.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "TObject.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads up to Count bytes; returns how many were read.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
  int64_t Size();
  // Read exactly Count bytes or raise EReadError.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source (0: all of it from its start).
  int64_t CopyFrom(TStream& Source, int64_t Count);
  // A 32-bit little-endian byte count, then that many bytes, as stored
  // layouts keep a picture's file; a count past the stream's end raises
  // EReadError before anything is allocated.
  std::vector<uint8_t> ReadCountedBytes();
  void WriteCountedBytes(std::span<const uint8_t> Bytes);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::span<const uint8_t> Bytes) : data_(Bytes.begin(), Bytes.end()) {}

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

  void Clear();
  void SetSize(int64_t NewSize);
  std::span<const uint8_t> Bytes() const { return data_; }
  // Replaces the content with the whole of a file; raises EFOpenError when
  // the file cannot be read.
  void LoadFromFile(const std::string& FileName);
  void LoadFromStream(TStream& Stream);

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};
