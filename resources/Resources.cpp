// Lookup in the table of embedded files.
#include "Resources.h"

#include "EmbeddedFile.h"

#include <algorithm>

std::span<const uint8_t> FindResource(std::string_view Name)
{
  const EmbeddedFile* End = EmbeddedFiles + EmbeddedFileCount;
  const EmbeddedFile* Found = std::lower_bound(
      EmbeddedFiles, End, Name, [](const EmbeddedFile& File, std::string_view Key) { return File.Name < Key; });
  if (Found == End || Found->Name != Name)
    return {};
  return {Found->Data, Found->Size};
}
