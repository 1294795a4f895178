#include "TGraphic.h"

#include <fstream>

#include "core/Exceptions.h"

void TGraphic::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Changed();
}

void TGraphic::LoadFromFile(const std::string& FileName) {
  TMemoryStream stream;
  stream.LoadFromFile(FileName);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) const {
  TMemoryStream stream;
  SaveToStream(stream);
  std::ofstream out(FileName, std::ios::binary);
  auto bytes = stream.Bytes();
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw EFOpenError("Cannot create file \"" + FileName + "\"");
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}
