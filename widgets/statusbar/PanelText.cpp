#include "PanelText.h"

#include <memory>

#include "draw/OfficeColors.h"
#include "graphics/TCanvas.h"
#include "graphics/TFont.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpSolidFill.h"
#include "graphics/gdiplus/GpStringFormat.h"

namespace {

// The first Bytes of S, less a UTF-8 character they would cut in two.
std::string HeadOf(const std::string& S, size_t Bytes) {
  while (Bytes > 0 && Bytes < S.size() && (static_cast<unsigned char>(S[Bytes]) & 0xC0) == 0x80) --Bytes;
  return S.substr(0, Bytes);
}

bool UseSurface(TCanvas& Canvas, TAntiAlias AntiAlias) { return AntiAlias != aaNone && CanDrawGdipText(Canvas); }

float SurfaceWidth(GpGraphics& G, const GpFont& Font, const std::string& Text) {
  GpStringFormat format;
  format.SetHotkeyPrefix(HotkeyPrefixNone);
  GpRectF box{};
  G.MeasureString(Text, Font, {0, 0, 1000, 100}, &format, &box);
  return box.Width;
}

}  // namespace

std::string ShortenPath(std::string Text, const std::function<bool(const std::string&)>& Fits) {
  const size_t slash = Text.find_last_of("\\:");
  std::string dir = slash == std::string::npos ? "" : Text.substr(0, slash + 1);
  const std::string file = slash == std::string::npos ? Text : Text.substr(slash + 1);
  std::string drive;
  if (dir.size() >= 2 && dir[1] == ':') {
    drive = dir.substr(0, 2);
    dir.erase(0, 2);
  }
  auto joined = [&] { return drive + dir + file; };
  while (!Fits(joined()) && (!drive.empty() || !dir.empty())) {
    if (dir == "\\...\\") {
      drive.clear();
      dir = "...\\";
    } else if (!dir.empty()) {
      if (dir == "\\") {
        dir.clear();
        continue;
      }
      const bool lead = dir[0] == '\\';
      if (lead) dir.erase(0, 1);
      if (!dir.empty() && dir[0] == '.') dir.erase(0, std::min<size_t>(4, dir.size()));
      const size_t next = dir.find('\\');
      dir = next == std::string::npos ? "" : "...\\" + dir.substr(next + 1);
      if (lead) dir = "\\" + dir;
    } else {
      drive.clear();
    }
  }
  return joined();
}

int MeasurePanelText(TCanvas& Canvas, TAntiAlias AntiAlias, const TFont& Font, const std::string& Text) {
  if (Text.empty()) return 0;
  Canvas.Font()->Assign(&Font);
  if (UseSurface(Canvas, AntiAlias)) {
    GpGraphics g(Canvas);
    return static_cast<int>(SurfaceWidth(g, *SurfaceFont(Font), Text) + 0.5f);
  }
  return Canvas.TextWidth(Text);
}

void DrawPanelText(TCanvas& Canvas, TAlignment Alignment, TPanelEllipsis Ellipsis, TAntiAlias AntiAlias, bool Enabled,
                   const TFont& Font, const std::string& Text, const TRect& R) {
  if (Text.empty() || R.Width() <= 0) return;
  Canvas.Font()->Assign(&Font);
  if (!Enabled) Canvas.Font()->SetColor(0x808080);
  if (!UseSurface(Canvas, AntiAlias)) {
    Canvas.Brush()->SetStyle(bsClear);
    const uint32_t align = Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
    const std::string text =
        Ellipsis == pePath ? ShortenPath(Text, [&](const std::string& S) { return Canvas.TextWidth(S) <= R.Width(); })
                           : Text;
    TRect r = R;
    Canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align);
    Canvas.Brush()->SetStyle(bsSolid);
    return;
  }
  GpGraphics g(Canvas);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  g.SetTextRenderingHint(TextRenderingHintOf(AntiAlias));
  const std::unique_ptr<GpFont> font = SurfaceFont(Font);
  const float room = static_cast<float>(R.Width());
  auto fits = [&](const std::string& S) { return SurfaceWidth(g, *font, S) <= room; };
  std::string text = Ellipsis == pePath ? ShortenPath(Text, fits) : Text;
  if (!fits(text)) {
    // The longest head, in whole characters, that fits with the mark: a
    // halving search over its length in bytes.
    const std::string mark = Ellipsis == pePath ? "" : "...";
    size_t lo = 0, hi = text.size();
    while (lo < hi) {
      const size_t mid = (lo + hi + 1) / 2;
      if (fits(HeadOf(text, mid) + mark)) lo = mid;
      else hi = mid - 1;
    }
    text = HeadOf(text, lo) + mark;
  }
  GpStringFormat format;
  format.SetAlignment(Alignment == taRightJustify ? StringAlignmentFar
                      : Alignment == taCenter     ? StringAlignmentCenter
                                                  : StringAlignmentNear);
  format.SetLineAlignment(StringAlignmentCenter);
  format.SetHotkeyPrefix(HotkeyPrefixNone);
  const GpSolidFill brush(ColorToArgb(Enabled ? Font.Color() : 0x808080));
  g.DrawString(text, *font, {float(R.Left), float(R.Top), room, float(R.Height())}, &format, brush);
}
