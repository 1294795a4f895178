// Loading a memory stream from a file: the bytes, or the platform's own
// error for every way the file cannot be read.
#include "core/TStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Exceptions.h"

TEST(MemoryStream, LoadFromFileReadsTheBytesOrRaisesItsOwnError) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "morvane-stream-test";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "bytes", std::ios::binary) << std::string("a\0b", 3);
  TMemoryStream stream;
  stream.LoadFromFile((dir / "bytes").string());
  EXPECT_EQ(stream.Size(), 3);
  EXPECT_EQ(stream.Position(), 0);

  for (std::filesystem::path bad : {dir / "missing", dir, std::filesystem::path("/proc/self/mem")}) {
    SCOPED_TRACE(bad.string());
    EXPECT_THROW(stream.LoadFromFile(bad.string()), EFOpenError);
  }
  std::filesystem::remove_all(dir);
}
