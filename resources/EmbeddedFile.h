// One entry of the table that EmbedFiles.cmake generates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct EmbeddedFile {
  std::string_view Name;
  const uint8_t* Data;
  size_t Size;
};

// Sorted by name; defined in the generated source.
extern const EmbeddedFile EmbeddedFiles[];
extern const size_t EmbeddedFileCount;
