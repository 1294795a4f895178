// Arbitrary bytes through both picture decoders: the stored picture reads
// them as a layout does, measures them and draws them (scaled, and by the
// drawing primitive); the JPEG picture loads them as a file and as its
// stored form and draws them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "Resources.h"
#include "core/Exceptions.h"
#include "core/TStream.h"
#include "graphics/TBitmap.h"
#include "graphics/TGraphicsRuntime.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "picture/PictureDrawing.h"
#include "picture/TGDIPPicture.h"
#include "picture/TJPEGImage.h"

namespace {
void DrawStored(std::span<const uint8_t> Bytes, TBitmap& Target) {
  TGDIPPicture picture;
  TMemoryStream in(Bytes);
  picture.ReadData(in);
  picture.UpdateSize();
  Target.Canvas()->StretchDraw({0, 0, 16, 16}, &picture);
  GpGraphics graphics(*Target.Canvas());
  DrawPictureGdip(graphics, *Target.Canvas(), {2, 2, 14, 14}, picture);
}

void DrawJpeg(std::span<const uint8_t> Bytes, bool Stored, TBitmap& Target) {
  TJPEGImage jpeg;
  TMemoryStream in(Bytes);
  try {
    if (Stored) jpeg.ReadData(in);
    else jpeg.LoadFromStream(in);
  } catch (const EInvalidGraphic&) {
  } catch (const EReadError&) {
  }
  Target.Canvas()->StretchDraw({0, 0, 16, 16}, &jpeg);
}
}  // namespace

// fontconfig keeps blocks for the life of the process that nothing points
// to; the leak check at exit would blame them on the last input.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The decoders' notes about every broken input would flood the log.
  setenv("QT_LOGGING_RULES", "qt.gui.imageio*=false", 0);
  // Qt keeps the argument count it is given; these outlive the run, and the
  // fuzzer's own arguments stay out of Qt's parsing.
  static int argc = 1;
  static char name[] = "picture_fuzzer";
  static char* argv[] = {name, nullptr};
  static TGraphicsRuntime* runtime = new TGraphicsRuntime(argc, argv, true);
  (void)runtime;
  // The font and decoder plug-in caches are filled once, here, so that the
  // leak check of each input does not count them.
  TBitmap warmUp(16, 16);
  DrawStored(FindResource("sample_alpha.png"), warmUp);
  DrawStored(FindResource("sample_keyed.bmp"), warmUp);
  DrawJpeg(FindResource("tolvaris_logo.jpg"), false, warmUp);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::span<const uint8_t> bytes(Data, Size);
  TBitmap target(16, 16);
  DrawStored(bytes, target);
  DrawJpeg(bytes, false, target);
  DrawJpeg(bytes, true, target);
  return 0;
}
