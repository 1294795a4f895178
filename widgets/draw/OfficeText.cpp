#include "OfficeText.h"

#include "graphics/TCanvas.h"
#include "graphics/TGraphicsRuntime.h"

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
