// The picture container: holds one graphic of any registered class, and
// reads and writes the stored form "length-prefixed class name, then the
// class's own data". Graphic classes register under file extensions.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TGraphic.h"

class TBitmap;

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

struct TPictureFormat {
  std::string Extension;    // lower case, without the dot
  std::string Description;  // "JPEG Image File"
  std::string ClassName;    // "TJPEGImage"
  TGraphicFactory Create;
};

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  std::string ClassName() const override { return "TPicture"; }

  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> Value);
  // The graphic as a bitmap; replaces a graphic of another class by an
  // empty bitmap.
  TBitmap* Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Chooses the graphic class by the file's extension.
  void LoadFromFile(const std::string& FileName);
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream) const;
  void Assign(const TPersistent* Source) override;

  static void RegisterFileFormat(TPictureFormat Format);
  static void UnregisterGraphicClass(const std::string& ClassName);
  static const std::vector<TPictureFormat>& Formats();

  TNotifyEvent OnChange;

 private:
  void Changed();
  void Attach(std::unique_ptr<TGraphic> G);
  std::unique_ptr<TGraphic> graphic_;
};
