#include "PictureDrawing.h"

#include "PictureDecoding.h"
#include "TGDIPPicture.h"
#include "core/Exceptions.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"

void DrawPictureGdip(GpGraphics& Graphics, TCanvas& Canvas, const TRect& R, const TGDIPPicture& Picture) {
  std::unique_ptr<GpImage> image = DecodePictureBytes(Picture.Bytes());
  if (GdipFormat(image->RawFormat()) != gfBMP) {
    Graphics.DrawImage(*image, R.Left, R.Top, R.Width(), R.Height());
    return;
  }
  TBitmap bitmap;
  TMemoryStream file(Picture.Bytes());
  try {
    bitmap.LoadFromStream(file);
  } catch (const EInvalidGraphic&) {
    return;
  }
  bitmap.SetTransparent(true);
  Canvas.StretchDraw(R, &bitmap);
}
