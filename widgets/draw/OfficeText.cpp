#include "OfficeText.h"

#include "graphics/TCanvas.h"
#include "graphics/TFont.h"
#include "graphics/TGraphicsRuntime.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpFontFamily.h"

bool CanDrawGdipText(TCanvas& Canvas) {
  const TTextMetric tm = Canvas.TextMetrics();
  if (!(tm.tmPitchAndFamily & TMPF_VECTOR) || (tm.tmPitchAndFamily & TMPF_DEVICE)) return false;
  return TGraphicsRuntime::IsScreenFont(Canvas.Font()->Name());
}

TextRenderingHint TextRenderingHintOf(TAntiAlias AntiAlias) {
  switch (AntiAlias) {
    case aaClearType: return TextRenderingHintClearTypeGridFit;
    case aaAntiAlias: return TextRenderingHintAntiAliasGridFit;
    default: return TextRenderingHintSystemDefault;
  }
}

std::unique_ptr<GpFont> SurfaceFont(const TFont& Font) {
  int style = FontStyleRegular;
  if (Font.Style().Contains(fsBold)) style |= FontStyleBold;
  if (Font.Style().Contains(fsItalic)) style |= FontStyleItalic;
  if (Font.Style().Contains(fsUnderline)) style |= FontStyleUnderline;
  GpFontFamily family(Font.Name());
  if (family.Status() == Ok) {
    auto f = std::make_unique<GpFont>(family, float(Font.Size()), style, UnitPoint);
    if (f->Status() == Ok) return f;
  }
  return std::make_unique<GpFont>(GpFontFamily("Arial"), float(Font.Size()), style, UnitPoint);
}
