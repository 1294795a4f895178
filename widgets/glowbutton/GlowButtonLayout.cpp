#include "GlowButtonLayout.h"

#include <algorithm>
#include <cmath>

#include "draw/OfficeRounding.h"

TGlowParts GlowParts(const TRect& R, bool DropDownButton, TDropDownPosition Position) {
  if (!DropDownButton) return {R, {}};
  if (Position == dpRight)
    return {{R.Left, R.Top, R.Right - GlowDropDownWidth, R.Bottom}, {R.Right - GlowDropDownWidth, R.Top, R.Right, R.Bottom}};
  return {{R.Left, R.Top, R.Right, R.Bottom - GlowDropDownWidth}, {R.Left, R.Bottom - GlowDropDownWidth, R.Right, R.Bottom}};
}

TButtonLayout GlowEffectiveLayout(TButtonLayout Layout, bool HasNotes) {
  return HasNotes ? blGlyphLeftAdjusted : Layout;
}

TSize GlowContentSize(TButtonLayout Layout, const TGlowTextBoxes& B, int IW, int IH, int Spacing) {
  const int cW = RoundHalfEven(B.CaptionWidth), cH = RoundHalfEven(B.CaptionHeight);
  const int nW = RoundHalfEven(B.NotesWidth), nH = RoundHalfEven(B.NotesHeight);
  switch (Layout) {
    case blGlyphLeft:
    case blGlyphLeftAdjusted:
    case blGlyphRightAdjusted:
      return {std::max(cW, nW) + IW + Spacing, std::max(IH + Spacing, cH + Spacing + nH)};
    case blGlyphTop:
    case blGlyphTopAdjusted:
    case blGlyphBottomAdjusted:
      return {std::max(cW + Spacing, IW + Spacing), cH + IH + Spacing};
    case blGlyphRight:
    case blGlyphBottom:
    default:
      return {IW, IH};
  }
}

TSize GlowAutoSize(TSize Content, int Spacing, int MarginHorz, int MarginVert, bool DropDownButton,
                   TDropDownPosition Position) {
  TSize s{3 * Spacing + Content.cx + 2 * MarginHorz + 2, 2 * Spacing + Content.cy + 2 * MarginVert};
  if (DropDownButton) (Position == dpBottom ? s.cy : s.cx) += GlowDropDownWidth;
  return s;
}

TGlowPlacement GlowPlacement(const TGlowPlacementInputs& In) {
  const TRect& R = In.R;
  const int cw = In.CW, ch = In.CH, iw = In.IW, ih = In.IH;
  const float cx0 = In.Boxes.CaptionX, cW = In.Boxes.CaptionWidth, cH = In.Boxes.CaptionHeight;
  const int centreW = cw - (In.DropDownButton && In.DropDownPosition == dpRight ? 8 : 0);
  const int centreH = ch - (In.DropDownButton && In.DropDownPosition == dpBottom ? 8 : 0);
  const int centredX = R.Left + std::max(0, (centreW - iw) / 2);
  const int centredY = R.Top + std::max(0, (centreH - ih) / 2);

  TGlowPlacement p;
  p.Text = {float(R.Left), float(R.Top), float(cw), float(ch)};
  p.Image = {centredX, centredY};
  switch (In.Layout) {
    case blGlyphLeft:
    case blGlyphLeftAdjusted:
      if (In.Gdi && In.Layout == blGlyphLeft) {
        // The canvas path centres image and caption as one group.
        const int gx = (cw - RoundHalfEven(cW) - iw) / 2;
        p.Text.X = float(iw + gx);
        p.Text.Width = float(cw - iw - gx);
        p.Image.X = std::max(2, gx);
      } else {
        p.Text.X = float(R.Left + 2 + iw);
        p.Text.Width = float(cw - 2 - iw);
        p.Image.X = std::max(2, RoundHalfEven(cx0 - iw / 2));
      }
      break;
    case blGlyphRight:
    case blGlyphRightAdjusted: {
      p.Text.X = 2;
      p.Text.Width = float(cw - 4 - iw);
      if (In.Layout == blGlyphRightAdjusted) {
        p.Image.X = cw - iw - 2;
      } else {
        int x = std::max(0, RoundHalfEven(p.Text.Width - cW) / 2) + RoundHalfEven(cW) + 4;
        p.Image.X = x > cw - iw ? cw - iw - 2 : x;
      }
      break;
    }
    case blGlyphTop:
    case blGlyphTopAdjusted: {
      p.Text.Y = float(R.Top + ih);
      p.Text.Height = float(ch - 2 - ih);
      int y = In.Layout == blGlyphTop ? R.Top + std::max(0, RoundHalfEven(p.Text.Height - cH) / 2) : R.Top;
      if (In.Gdi && In.Layout == blGlyphTop) y -= 4;
      p.Image.Y = std::max(2, y);
      break;
    }
    case blGlyphBottom: {
      p.Text.Y = 2;
      p.Text.Height = float(ch - 2 - ih);
      int y = std::max(0, RoundHalfEven(p.Text.Height - cH) / 2) + RoundHalfEven(cH + (In.Gdi ? 5 : 2));
      p.Image.Y = y > ch - ih ? ch - ih - 2 : y;
      break;
    }
    case blGlyphBottomAdjusted: {
      p.Text.Y = 2;
      p.Text.Height = float(ch - (In.Gdi ? 4 : 2) - ih);
      if (In.Gdi) {
        p.Image.Y = ch - ih - 2;
      } else {
        int y = ch / 2 + RoundHalfEven(cH + 2);
        p.Image.Y = y > ch - ih ? ch - ih - 2 : y;
      }
      break;
    }
  }
  return p;
}

TPoint GlowCentredImage(const TRect& Content, int IW, int IH, bool DropDownButton, TDropDownPosition Position) {
  const int w = Content.Width() - (DropDownButton && Position == dpRight ? 8 : 0);
  const int h = Content.Height() - (DropDownButton && Position == dpBottom ? 8 : 0);
  return {Content.Left + std::max(0, (w - IW) / 2), Content.Top + std::max(0, (h - IH) / 2)};
}

bool InGlowDropDownPart(TPoint P, TSize Client, bool DropDownButton, TDropDownPosition Position, int Edge) {
  if (!DropDownButton) return false;
  return Position == dpRight ? P.X > Client.cx - Edge : P.Y > Client.cy - Edge;
}

std::string GlowCaptionLineBreaks(const std::string& Caption, bool ForcedImageSize) {
  std::string out;
  out.reserve(Caption.size());
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '\\' && i + 1 < Caption.size() && (Caption[i + 1] == 'n' || Caption[i + 1] == 'N')) {
      out += ForcedImageSize ? " " : "\n\r";
      ++i;
      continue;
    }
    out += Caption[i];
  }
  return out;
}

TPoint KeyTipPosition(TShortCutHintPos Position, const TRect& A, TSize Tip) {
  const int W = A.Width(), H = A.Height(), w = Tip.cx, h = Tip.cy;
  switch (Position) {
    case shpLeft: return {A.Left - w / 2, A.Top + (H - h) / 2};
    case shpRight: return {A.Left + W - w / 2, A.Top + (H - h) / 2};
    case shpBottom: return {A.Left + (W - w) / 2, A.Top + H - h / 2};
    case shpTop:
    default: return {A.Left + (W - w) / 2, A.Top - h / 2};
  }
}

TPoint DropDownMenuPoint(TDropDownDirection Direction, const TRect& ButtonScreen) {
  return Direction == ddRight ? TPoint{ButtonScreen.Right, ButtonScreen.Top}
                              : TPoint{ButtonScreen.Left, ButtonScreen.Bottom};
}
