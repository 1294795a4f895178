#include "GlowFace.h"

#include <memory>

#include "GlowButtonLayout.h"
#include "draw/OfficeColors.h"
#include "draw/OfficeGlyphs.h"
#include "draw/OfficeGradients.h"
#include "draw/OfficeRounding.h"
#include "draw/OfficeText.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TFont.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpSolidFill.h"
#include "graphics/gdiplus/GpStringFormat.h"
#include "picture/PictureDrawing.h"
#include "picture/TGDIPPicture.h"
#include "ui/TCustomImageList.h"

namespace {

constexpr int kSplitWidth = 12;
constexpr float kMeasureBox = 4096;

void FillBackground(GpGraphics& G, const TGlowFace& F) {
  const TGlowColorSet& c = F.Colors;
  const TRect& R = F.R;
  if (!F.DropDownButton || !F.Highlighted || !F.DropDownSplit) {
    FillMirrorGradient(G, R, c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo, c.Gradient, c.GradientMirror);
    return;
  }
  // A split face: the main part and the drop-down part, the hot one
  // undarkened.
  const bool partHot = F.DropDownState == 2;
  auto dark = [&](TColor col) { return ScaleColor(col, -10); };
  const TColor mainFrom = partHot ? c.Color : dark(c.Color), mainTo = partHot ? c.ColorTo : dark(c.ColorTo);
  const TColor mainMirror = partHot ? c.ColorMirror : dark(c.ColorMirror);
  const TColor mainMirrorTo = partHot ? c.ColorMirrorTo : dark(c.ColorMirrorTo);
  const TColor partFrom = partHot ? dark(c.Color) : c.Color, partTo = partHot ? dark(c.ColorTo) : c.ColorTo;
  const TGDIPGradient partKind = partHot ? c.Gradient : ggRadial;
  if (F.DropDownPosition == dpRight) {
    const TRect main{R.Left, R.Top, R.Right - kSplitWidth, R.Bottom};
    const TRect part{R.Right - kSplitWidth, R.Top, R.Right, R.Bottom};
    FillMirrorGradient(G, main, mainFrom, mainTo, mainMirror, mainMirrorTo, c.Gradient, c.GradientMirror);
    const TMirrorHalves halves = MirrorGradientHalves(part);
    const TColor partMirror = partHot ? dark(c.ColorMirror) : c.ColorMirror;
    const TColor partMirrorTo = partHot ? dark(c.ColorMirrorTo) : c.ColorMirrorTo;
    FillHalfGradient(G, halves.Lower, partMirrorTo, partMirror, c.GradientMirror, false);
    FillHalfGradient(G, halves.Upper, partFrom, partTo, partKind, true);
  } else {
    const TRect main{R.Left, R.Top, R.Right, R.Bottom - kSplitWidth};
    const TRect part{R.Left, R.Bottom - kSplitWidth, R.Right, R.Bottom};
    FillMirrorGradient(G, main, mainFrom, mainTo, mainMirror, mainMirrorTo, c.Gradient, c.GradientMirror);
    FillHalfGradient(G, part, partFrom, partTo, partKind, true);
  }
}

void DrawFrames(GpGraphics& G, const TGlowFace& F, int Radius) {
  const TRect& R = F.R;
  if (!F.SkipBackground && F.BorderVisible) {
    const TColor b = F.Colors.BorderColor;
    const int x = R.Left, y = R.Top, w = R.Right - 1, h = R.Bottom - 1;
    switch (F.Position) {
      case bpStandalone: DrawRoundedFrame(G, b, x, y, w, h, Radius); break;
      case bpLeft: DrawGroupFrameLeft(G, b, x, y, w, h, Radius); break;
      case bpMiddle: DrawGroupFrameMiddle(G, b, x, y, w, h, Radius, F.HotOrDown); break;
      case bpRight: DrawGroupFrameRight(G, b, x, y, w, h, Radius, F.HotOrDown); break;
    }
  }
  if (F.FocusFrame) {
    DrawRoundedFrame(G, GlowFocusFrameColor, R.Left + 1, R.Top + 1, R.Right - 3, R.Bottom - 3, Radius);
    DrawDottedRoundedFrame(G, clGray, R.Left + 2, R.Top + 2, R.Right - 5, R.Bottom - 5, Radius);
  }
}

enum TImageSource { isNone, isGlyph, isPicture, isList };

// Canvas text: vertical centring and bottom alignment also for wrapped
// lines, which the canvas itself places only for single lines.
void DrawCanvasText(TCanvas& C, const std::string& Text, TRect R, uint32_t Flags) {
  if (!(Flags & DT_SINGLELINE) && (Flags & (DT_VCENTER | DT_BOTTOM))) {
    TRect calc{R.Left, R.Top, R.Right, R.Top};
    C.DrawText(Text, calc, (Flags & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int free = R.Height() - calc.Height();
    R.Top += (Flags & DT_VCENTER) ? free / 2 : free;
    Flags &= ~(DT_VCENTER | DT_BOTTOM);
  }
  C.DrawText(Text, R, Flags);
}

TRect ToRect(const GpRectF& r) {
  return {RoundHalfEven(r.X), RoundHalfEven(r.Y), RoundHalfEven(r.X + r.Width), RoundHalfEven(r.Y + r.Height)};
}

}  // namespace

TSize DrawGlowFace(TCanvas& Canvas, const TGlowFace& F, bool Measuring) {
  const std::string& notes = F.Notes;
  const bool hasNotes = !notes.empty() && F.NotesFont;
  const TButtonLayout layout = GlowEffectiveLayout(F.Layout, hasNotes);
  const TGlowParts parts = GlowParts(F.R, F.DropDownButton, F.DropDownPosition);
  const TRect& C = parts.Content;
  const int cw = C.Width(), ch = C.Height();
  const int radius = F.Rounded ? 3 : 0;
  GpGraphics g(Canvas);

  if (!Measuring) {
    if (!F.SkipBackground) FillBackground(g, F);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawFrames(g, F, radius);
  }

  // Image size.
  TImageSource source = isNone;
  int iw = 0, ih = 0;
  const bool forced = F.ForcedImageSize.cx > 0 && F.ForcedImageSize.cy > 0;
  if (F.Glyph && !F.Glyph->Empty() && (F.Glyph->Width() > 1 || F.Glyph->Height() > 1)) {
    source = isGlyph;
    iw = F.Glyph->Width();
    ih = F.Glyph->Height();
  } else if (F.Picture && !F.Picture->Empty()) {
    if (F.Picture->Width() <= 0 || F.Picture->Height() <= 0) F.Picture->UpdateSize();
    source = isPicture;
    iw = F.Picture->Width();
    ih = F.Picture->Height();
  } else if (F.Images && F.ImageIndex >= 0) {
    source = isList;
    iw = F.Images->Width();
    ih = F.Images->Height();
  }
  if (forced && (source == isGlyph || source == isPicture)) {
    iw = F.ForcedImageSize.cx;
    ih = F.ForcedImageSize.cy;
  }
  if (!F.Caption.empty() && iw > 0) iw += F.Spacing;
  const std::string caption = GlowCaptionLineBreaks(F.Caption, forced);

  // Text measuring.
  Canvas.Font()->Assign(F.Font);
  const bool surfaceText = F.AntiAlias != aaNone && CanDrawGdipText(Canvas);
  GpStringFormat format(F.WordWrap ? 0 : StringFormatFlagsNoWrap);
  format.SetAlignment(layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                      : layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                       : StringAlignmentCenter);
  format.SetLineAlignment(layout == blGlyphTopAdjusted      ? StringAlignmentNear
                          : layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                            : StringAlignmentCenter);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  format.SetTrimming(F.Trimming);
  std::unique_ptr<GpFont> captionFont, notesFont;
  TGlowTextBoxes boxes;
  const GpRectF layoutBox{float(F.R.Left), float(F.R.Top), Measuring ? kMeasureBox : float(cw),
                          Measuring ? kMeasureBox : float(ch)};
  const uint32_t lineFlags = F.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (surfaceText) {
    captionFont = SurfaceFont(*F.Font);
    if (!caption.empty()) {
      GpRectF box;
      g.MeasureString(caption, *captionFont, layoutBox, &format, &box);
      boxes.CaptionX = box.X;
      boxes.CaptionY = box.Y;
      boxes.CaptionWidth = box.Width;
      boxes.CaptionHeight = box.Height;
    }
    if (hasNotes) {
      notesFont = SurfaceFont(*F.NotesFont);
      GpRectF box;
      g.MeasureString(notes, *notesFont, layoutBox, &format, &box);
      boxes.NotesWidth = box.Width;
      boxes.NotesHeight = box.Height;
    }
  } else {
    const int width = Measuring ? int(kMeasureBox) : cw;
    if (!caption.empty()) {
      TRect r{0, 0, width, 0};
      Canvas.DrawText(caption, r, lineFlags | DT_CALCRECT);
      const int free = Measuring ? 0 : cw - r.Width();
      boxes.CaptionX = float(F.R.Left + (layout == blGlyphLeftAdjusted    ? 0
                                         : layout == blGlyphRightAdjusted ? free
                                                                          : free / 2));
      boxes.CaptionWidth = float(r.Width());
      boxes.CaptionHeight = float(r.Height());
    }
    if (hasNotes) {
      Canvas.Font()->Assign(F.NotesFont);
      TRect r{0, 0, width, 0};
      Canvas.DrawText(notes, r, DT_WORDBREAK | DT_CALCRECT);
      boxes.NotesWidth = float(r.Width());
      boxes.NotesHeight = float(r.Height());
      Canvas.Font()->Assign(F.Font);
    }
  }
  const TSize content = GlowContentSize(layout, boxes, iw, ih, F.Spacing);
  if (Measuring) return content;

  TGlowPlacementInputs in;
  in.Layout = layout;
  in.R = F.R;
  in.CW = cw;
  in.CH = ch;
  in.IW = iw;
  in.IH = ih;
  in.Boxes = boxes;
  in.Gdi = !surfaceText;
  in.DropDownButton = F.DropDownButton;
  in.DropDownPosition = F.DropDownPosition;
  const TGlowPlacement place = GlowPlacement(in);

  // Text.
  const TColor captionColor = F.Enabled ? F.Font->Color() : clGray;
  if (surfaceText) {
    GpRectF L = place.Text;
    g.SetTextRenderingHint(TextRenderingHintOf(F.AntiAlias));
    if (hasNotes) {
      // Caption and notes as one block, centred in the text rectangle.
      format.SetLineAlignment(StringAlignmentNear);
      L.Y += (L.Height - RoundHalfEven(boxes.CaptionHeight) - RoundHalfEven(boxes.NotesHeight)) / 2;
    }
    if (!caption.empty()) g.DrawString(caption, *captionFont, L, &format, GpSolidFill(ColorToArgb(captionColor)));
    if (hasNotes) {
      L.Y += RoundHalfEven(boxes.CaptionHeight);
      g.DrawString(notes, *notesFont, L, &format, GpSolidFill(ColorToArgb(F.NotesFont->Color())));
    }
  } else {
    TRect L = ToRect(place.Text);
    uint32_t align = DT_VCENTER | DT_CENTER;
    switch (layout) {
      case blGlyphLeft:
      case blGlyphLeftAdjusted:
        align = DT_VCENTER | DT_LEFT;
        L.Left += 2;
        break;
      case blGlyphRightAdjusted: align = DT_VCENTER | DT_RIGHT; break;
      case blGlyphBottomAdjusted: align = DT_BOTTOM | DT_CENTER; break;
      default: break;
    }
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Font()->SetColor(captionColor);
    if (hasNotes) {
      const int cH = RoundHalfEven(boxes.CaptionHeight), nH = RoundHalfEven(boxes.NotesHeight);
      const int top = L.Top + (L.Height() - cH - nH) / 2;
      const uint32_t h = align & (DT_LEFT | DT_CENTER | DT_RIGHT);
      if (!caption.empty()) DrawCanvasText(Canvas, caption, {L.Left, top, L.Right, top + cH}, lineFlags | h);
      Canvas.Font()->Assign(F.NotesFont);
      DrawCanvasText(Canvas, notes, {L.Left, top + cH, L.Right, L.Bottom}, DT_WORDBREAK | h);
    } else if (!caption.empty()) {
      DrawCanvasText(Canvas, caption, L, lineFlags | align);
    }
  }

  // Image.
  const TPoint at = caption.empty() ? GlowCentredImage(C, iw, ih, F.DropDownButton, F.DropDownPosition) : place.Image;
  switch (source) {
    case isGlyph: {
      TBitmap glyph;
      glyph.Assign(F.Glyph);
      glyph.SetTransparent(true);
      if (forced) Canvas.StretchDraw(TRect::Bounds(at.X, at.Y, F.ForcedImageSize.cx, F.ForcedImageSize.cy), &glyph);
      else Canvas.Draw(at.X, at.Y, &glyph);
      break;
    }
    case isPicture:
      if (forced)
        DrawPictureGdip(g, Canvas, TRect::Bounds(at.X, at.Y, F.ForcedImageSize.cx, F.ForcedImageSize.cy), *F.Picture);
      else
        Canvas.Draw(at.X, at.Y, F.Picture);
      break;
    case isList: F.Images->Draw(&Canvas, at.X, at.Y, F.ImageIndex, F.ImageEnabled); break;
    case isNone: break;
  }

  // Drop-down part.
  if (F.DropDownButton) {
    const TRect& part = parts.DropDown;
    Canvas.Brush()->SetStyle(bsClear);
    if (F.Highlighted && F.DropDownSplit) {
      Canvas.Pen()->SetColor(F.Colors.BorderColor);
      Canvas.MoveTo(part.Left, part.Top);
      if (F.DropDownPosition == dpRight) Canvas.LineTo(part.Left, part.Bottom);
      else Canvas.LineTo(part.Right, part.Top);
    }
    DrawDropArrow(Canvas, {part.Left + (part.Width() - 5) / 2, part.Top + (part.Height() - 3) / 2 + 1},
                  F.Enabled ? clBlack : clGray, F.DropDownDirection == ddDown, clWhite);
  }
  return content;
}
