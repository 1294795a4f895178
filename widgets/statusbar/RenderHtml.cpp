#include "RenderHtml.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <optional>
#include <vector>

#include "HtmlEntities.h"
#include "HtmlValues.h"
#include "IHtmlPictureContainer.h"
#include "draw/OfficeGradients.h"
#include "graphics/TCanvas.h"
#include "graphics/TGraphic.h"
#include "ui/TCustomImageList.h"

namespace {

constexpr size_t npos = std::string_view::npos;
constexpr int kListIndent = 12;
constexpr int kMaxListLevel = kHtmlCoordLimit / kListIndent;
constexpr int kGradientSteps = 64;

enum TParaAlign { paLeft, paRight, paCenter };
enum TTagOutcome { toGoOn, toEndsLine, toStopsLine };

struct TRunFont {
  std::string Name;
  int Height = 0;
  TFontStyles Style;
  TColor Color = clBlack;
};

// What flows from tag to tag and from line to line within one call.
struct THtmlState {
  TRunFont Font;
  // The fonts in force before each rotation tag still open, innermost last.
  std::vector<TRunFont> Turned;
  TColor Brush = clNone;  // clNone: runs are drawn without a background
  bool InAnchor = false;
  std::string Anchor;
  bool Shadow = false;
  bool Sub = false;
  bool Sup = false;
  bool Hidden = false;
  bool ErrorMark = false;
  bool ParaBackground = false;
  TColor FontBrushSaved = clNone;
  TColor HiFontSaved = clNone;
  TColor HiBrushSaved = clNone;
  TColor ParaBrushSaved = clNone;
  int ListLevel = 0;
  TParaAlign Align = paLeft;
  int Indent = 0;
  int Offset = 0;
};

struct TLineMetrics {
  int Gh = 0;      // height of "gh" in the font the line starts with
  int Height = 0;  // of the tallest run or image
  int Width = 0;
  int Rise = 0;  // superscript
  int Drop = 0;  // subscript
  int Lift = 0;  // how far an aligned image lifts the text's base line
};

// One pass over a line: the layout pass decides where the line ends, the
// second pass draws (or, measuring only, hit-tests) exactly what it kept.
struct TPass {
  bool Layout = false;
  bool Draw = false;
  TRect D;
  int X = 0;
  int W = 0;
  int Trailing = 0;
  int LineBottom = 0;
  bool ListItemSeen = false;
  bool TextHit = false;
  bool ImageHit = false;
  std::string HitAnchor;
};

struct TImageSource {
  const TGraphic* Picture = nullptr;
  int ListIndex = -1;
  int Width = 0;  // natural size, before scaling to the device
  int Height = 0;
  bool Found() const { return Picture || ListIndex >= 0; }
};

int Clamp(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -kHtmlCoordLimit, kHtmlCoordLimit)); }

bool StartsWith(std::string_view Text, std::string_view Prefix) { return Text.substr(0, Prefix.size()) == Prefix; }

size_t Utf8Length(char Lead) {
  auto c = static_cast<unsigned char>(Lead);
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

// BGCOLOR, skipping the BGCOLORTO that may come first.
std::optional<std::string_view> BgColorAttribute(std::string_view Upper) {
  for (size_t at = Upper.find("BGCOLOR"); at != npos; at = Upper.find("BGCOLOR", at + 1))
    if (Upper.substr(at + 7, 2) != "TO") return HtmlAttribute(Upper.substr(at), "BGCOLOR");
  return std::nullopt;
}

class THtmlRenderer {
 public:
  THtmlRenderer(TCanvas& Canvas, const TRect& R, const THtmlRenderOptions& Options)
      : canvas_(Canvas), r_(R), options_(Options) {}

  THtmlRenderResult Render(std::string_view Markup);

 private:
  std::string Prepare(std::string_view Markup);
  size_t LinePass(TPass& P, TLineMetrics& M, size_t Pos, size_t End);
  TTagOutcome ApplyTag(std::string_view Tag, TPass& P, TLineMetrics& M, bool CanStop);
  TTagOutcome ApplyClosingTag(const std::string& Up);
  void ApplyFontTag(std::string_view Tag, const std::string& Up);
  void ApplyParagraph(std::string_view Tag, const std::string& Up, TPass& P);
  void ApplyBody(std::string_view Tag, const std::string& Up, TPass& P);
  TTagOutcome ApplyImage(std::string_view Tag, const std::string& Up, TPass& P, TLineMetrics& M, bool CanStop);

  TImageSource Resolve(std::string_view Value) const;
  // A size given for 96 pixels per inch on this device, rounded.
  int Scaled(int V) const { return Clamp((int64_t{std::max(V, 0)} * ppi_ + 48) / 96); }
  void DrawSource(const TImageSource& S, int X, int Y);
  void TilePicture(const TGraphic& Picture);

  void SelectFont();
  void SelectBrush();
  TSize RunExtent(const std::string& Run);
  void DrawRun(const std::string& Run, const TRect& C, TColor Color);
  void Zigzag(int X0, int X1, int Bottom);
  void FillBand(const TRect& Band, TColor Color);

  TCanvas& canvas_;
  const TRect r_;
  const THtmlRenderOptions& options_;
  int ppi_ = 96;
  std::string text_;
  uint32_t runFlags_ = DT_EXPANDTABS | DT_SINGLELINE | DT_BOTTOM;
  TRunFont base_;
  TColor b0_ = clWhite;
  THtmlState st_;
  int width_ = 0;
};

std::string THtmlRenderer::Prepare(std::string_view Markup) {
  std::string text(Markup);
  // A bare ampersand is text only when the whole text is drawn without
  // accelerator marks; otherwise "&&" is how one ampersand is written.
  if (text.find(" & ") != npos) runFlags_ |= DT_NOPREFIX;
  ReplaceTextEntities(text);
  if (size_t at = text.find("<#"); at != npos) {
    size_t gt = text.find('>', at + 2);
    if (gt != npos) text.erase(gt, 1);
    text.erase(at, 2);
  }
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') continue;
    if (c == '\r') out += "<BR>";
    else out += c;
  }
  return out;
}

void THtmlRenderer::SelectFont() {
  TFont& f = *canvas_.Font();
  f.SetName(st_.Font.Name);
  f.SetHeight(st_.Font.Height);
  f.SetStyle(st_.Font.Style);
  f.SetColor(st_.Font.Color);
}

void THtmlRenderer::SelectBrush() {
  if (st_.Brush == clNone) canvas_.Brush()->SetStyle(bsClear);
  else canvas_.Brush()->SetColor(st_.Brush);
}

TSize THtmlRenderer::RunExtent(const std::string& Run) {
  SelectFont();
  TRect r{0, 0, 0, 0};
  canvas_.DrawText(Run, r, runFlags_ | DT_CALCRECT | DT_EXTERNALLEADING);
  return {r.Width(), r.Height()};
}

void THtmlRenderer::DrawRun(const std::string& Run, const TRect& C, TColor Color) {
  SelectFont();
  canvas_.Font()->SetColor(Color);
  SelectBrush();
  TRect c = C;
  canvas_.DrawText(Run, c, runFlags_);
}

void THtmlRenderer::FillBand(const TRect& Band, TColor Color) {
  canvas_.Brush()->SetColor(Color);
  canvas_.FillRect(Band);
}

// A red zigzag under a run; its phase follows x, so runs drawn one after
// another join into one even line. Only the part over R is walked.
void THtmlRenderer::Zigzag(int X0, int X1, int Bottom) {
  int x = std::max(X0, (r_.Left & ~3) - 4) & ~1;
  X1 = std::min(X1, r_.Right);
  int phase = (x & 3) == 0 ? 2 : 0;
  canvas_.Pen()->SetColor(clRed);
  canvas_.Pen()->SetWidth(1);
  canvas_.Pen()->SetStyle(psSolid);
  canvas_.MoveTo(x, Bottom - 1 + phase);
  while (x < X1) {
    phase = 2 - phase;
    canvas_.LineTo(x + 2, Bottom - 1 + phase);
    x += 2;
  }
}

TImageSource THtmlRenderer::Resolve(std::string_view Value) const {
  TImageSource s;
  std::string up = UpperAscii(Value);
  if (StartsWith(up, "IDX:")) {
    int n = ReadHtmlInt(Value.substr(4)).Value;
    if (options_.Images && n >= 0 && n < options_.Images->Count()) {
      s.ListIndex = n;
      s.Width = options_.Images->Width();
      s.Height = options_.Images->Height();
    }
    return s;
  }
  // The shell's system icon lists do not exist here ("SSYS:", "LSYS:"),
  // there is no picture cache for URLs, and nothing names a file to read.
  if (Value.find(':') != npos || !options_.Pictures) return s;
  const TGraphic* g = options_.Pictures->FindPicture(Value);
  if (g && !g->Empty()) {
    s.Picture = g;
    s.Width = std::clamp(g->Width(), 0, kHtmlCoordLimit);
    s.Height = std::clamp(g->Height(), 0, kHtmlCoordLimit);
  }
  return s;
}

void THtmlRenderer::DrawSource(const TImageSource& S, int X, int Y) {
  if (S.ListIndex >= 0) options_.Images->Draw(&canvas_, X, Y, S.ListIndex, true);
  else if (S.Picture) canvas_.Draw(X, Y, const_cast<TGraphic*>(S.Picture));
}

void THtmlRenderer::TilePicture(const TGraphic& Picture) {
  int w = std::clamp(Picture.Width(), 0, kHtmlCoordLimit), h = std::clamp(Picture.Height(), 0, kHtmlCoordLimit);
  if (w <= 0 || h <= 0) return;
  for (int y = r_.Top; y < r_.Bottom; y += h)
    for (int x = r_.Left; x < r_.Right; x += w) canvas_.Draw(x, y, const_cast<TGraphic*>(&Picture));
}

void THtmlRenderer::ApplyFontTag(std::string_view Tag, const std::string& Up) {
  if (Up.size() <= 5) return;
  std::string_view attrs = std::string_view(Up).substr(5);
  if (auto face = HtmlAttribute(attrs, "FACE"))
    st_.Font.Name = std::string(Tag.substr(face->data() - Up.data(), face->size()));
  if (auto color = HtmlAttribute(attrs, " COLOR")) st_.Font.Color = ParseHtmlColor(*color);
  if (auto bg = BgColorAttribute(attrs)) {
    st_.FontBrushSaved = st_.Brush;
    st_.Brush = ParseHtmlColor(*bg);
  }
  if (auto points = HtmlFontSize(attrs)) st_.Font.Height = -(*points * TFont::PixelsPerInch + 36) / 72;
}

void THtmlRenderer::ApplyParagraph(std::string_view Tag, const std::string& Up, TPass& P) {
  if (auto align = HtmlAttribute(Up, "ALIGN")) {
    if (align->find("RIGHT") != npos) st_.Align = paRight;
    if (align->find("LEFT") != npos) st_.Align = paLeft;
    if (align->find("CENTER") != npos) st_.Align = paCenter;
  }
  if (auto indent = HtmlAttribute(Up, "INDENT")) st_.Indent = ReadHtmlInt(*indent).Value;
  auto bg = BgColorAttribute(Up);
  if (!bg) return;
  st_.ParaBackground = true;
  TColor from = ParseHtmlColor(*bg);
  if (auto to = HtmlAttribute(Up, "BGCOLORTO")) {
    if (P.Draw)
      DrawHtmlStepGradient(canvas_, from, ParseHtmlColor(*to), clNone, kGradientSteps,
                           {r_.Left, P.D.Top, r_.Right, P.LineBottom + 2}, true);
    st_.Brush = clNone;
    return;
  }
  st_.ParaBrushSaved = st_.Brush;
  st_.Brush = from;
  if (P.Draw) FillBand({r_.Left, P.D.Top, r_.Right, P.LineBottom}, from);
}

void THtmlRenderer::ApplyBody(std::string_view Tag, const std::string& Up, TPass& P) {
  if (Up.size() <= 5) return;
  std::string_view attrs = std::string_view(Up).substr(5);
  // Picture names keep their case: the same bytes of the tag as given.
  auto source = [&](std::string_view Name) -> TImageSource {
    auto v = HtmlAttribute(attrs, Name);
    if (!v) return {};
    return Resolve(Tag.substr(v->data() - Up.data(), v->size()));
  };
  if (TImageSource s = source("BACKGROUND"); s.Found()) {
    if (s.Picture) TilePicture(*s.Picture);
    else DrawSource(s, P.X, P.D.Top);
  }
  if (TImageSource s = source("BGTOPLEFT"); s.Found()) DrawSource(s, s.Picture ? r_.Left : P.X, s.Picture ? r_.Top : P.D.Top);
  if (TImageSource s = source("BGTOPRIGHT"); s.Found()) {
    if (s.Picture) DrawSource(s, r_.Right - s.Width, r_.Top);
    else DrawSource(s, P.D.Right - options_.Images->Width(), P.D.Top);
  }
  auto bg = BgColorAttribute(attrs);
  if (!bg) return;
  TColor from = ParseHtmlColor(*bg);
  if (auto to = HtmlAttribute(attrs, "BGCOLORTO")) {
    auto dir = HtmlAttribute(attrs, "DIR");
    bool horizontal = !dir || *dir == "H";
    DrawHtmlStepGradient(canvas_, from, ParseHtmlColor(*to), clNone, kGradientSteps, r_, horizontal);
    st_.Brush = clNone;
    return;
  }
  st_.Brush = from;
  FillBand({r_.Left - 2, r_.Top, r_.Right, r_.Bottom}, from);
}

TTagOutcome THtmlRenderer::ApplyImage(std::string_view Tag, const std::string& Up, TPass& P, TLineMetrics& M,
                                      bool CanStop) {
  auto src = HtmlAttribute(Up, "SRC");
  if (!src) return toGoOn;
  TImageSource s = Resolve(Tag.substr(src->data() - Up.data(), src->size()));
  if (!s.Found()) return toGoOn;
  int width = 0, height = 0;
  if (auto v = HtmlAttribute(Up, "WIDTH")) width = ReadHtmlInt(*v).Value;
  if (auto v = HtmlAttribute(Up, "HEIGHT")) height = ReadHtmlInt(*v).Value;
  bool sized = width > 0 && height > 0;
  int iw = Scaled(sized ? width : s.Width);
  int ih = Scaled(sized ? height : s.Height);
  int lineWidth = P.D.Right - P.D.Left;
  if (CanStop && P.W + iw > lineWidth && iw < lineWidth) return toStopsLine;
  const TPoint& hit = options_.Hit;
  if (!P.Layout && st_.InAnchor && P.X < hit.X && hit.X < P.X + iw && P.D.Top < hit.Y && hit.Y < P.D.Top + ih) {
    P.ImageHit = true;
    P.HitAnchor = st_.Anchor;
  }
  if (P.Draw) {
    if (s.Picture && width >= 1 && height >= 1)
      canvas_.StretchDraw({P.X, P.D.Top, P.X + width, P.D.Top + height}, const_cast<TGraphic*>(s.Picture));
    else DrawSource(s, P.X, P.D.Top);
  }
  P.W = Clamp(int64_t{P.W} + iw);
  P.X = Clamp(int64_t{P.X} + iw);
  M.Height = std::max(M.Height, ih);
  if (Up.find("ALIGN") != npos) {
    if (Up.find("\"TOP") != npos) M.Lift = M.Height - M.Gh;
    else if (Up.find("\"MIDDLE") != npos) M.Lift = (M.Height - M.Gh) / 2;
  }
  if (Up.find("WRAP") != npos) {
    M.Height = M.Gh;
    M.Lift = 0;
  }
  return toGoOn;
}

TTagOutcome THtmlRenderer::ApplyClosingTag(const std::string& Up) {
  char c = Up[2], c2 = Up.size() > 3 ? Up[3] : '\0';
  TRunFont& f = st_.Font;
  switch (c) {
    case 'A':
      f.Style.Exclude(fsUnderline);
      f.Color = base_.Color;
      st_.InAnchor = false;
      break;
    case 'B':
      if (c2 == '>') f.Style.Exclude(fsBold);
      else f.Color = base_.Color;
      break;
    case 'E': st_.ErrorMark = false; break;
    case 'F':
      f.Name = base_.Name;
      f.Height = base_.Height;
      f.Color = base_.Color;
      st_.Brush = st_.FontBrushSaved;
      break;
    case 'H':
      if (st_.HiFontSaved != clNone) f.Color = st_.HiFontSaved;
      st_.Brush = st_.HiBrushSaved;
      break;
    case 'I': f.Style.Exclude(fsItalic); break;
    case 'L': return toEndsLine;
    case 'O': st_.Offset = 0; break;
    case 'P':
      st_.Brush = st_.ParaBrushSaved;
      st_.ParaBackground = false;
      return toEndsLine;
    case 'R':
      // A close without an open rotation names nothing to restore.
      if (!st_.Turned.empty()) {
        f = st_.Turned.back();
        st_.Turned.pop_back();
      }
      break;
    case 'S':
      if (c2 == 'U') st_.Sub = st_.Sup = false;
      else if (c2 == 'H') st_.Shadow = false;
      else f.Style.Exclude(fsStrikeOut);
      break;
    case 'U':
      if (c2 == '>' || st_.ListLevel < 1) f.Style.Exclude(fsUnderline);
      else --st_.ListLevel;
      break;
    case 'Z': st_.Hidden = false; break;
    default: break;
  }
  return toGoOn;
}

TTagOutcome THtmlRenderer::ApplyTag(std::string_view Tag, TPass& P, TLineMetrics& M, bool CanStop) {
  std::string up = UpperAscii(Tag);
  if (up.size() > 3 && up[1] == '/') return ApplyClosingTag(up);
  char c = up[1], c2 = up[2];
  TRunFont& f = st_.Font;
  switch (c) {
    case 'A':
      f.Style.Include(fsUnderline);
      f.Color = options_.AnchorColor;
      st_.Anchor = std::string(FirstQuoted(Tag));
      st_.InAnchor = true;
      break;
    case 'B':
      if (c2 == '>') f.Style.Include(fsBold);
      else if (c2 == 'L') {
        if (!options_.BlinkOn) f.Color = b0_;
      } else if (c2 == 'O') {
        if (P.Draw) ApplyBody(Tag, up, P);
      } else if (c2 == 'R') {
        return toEndsLine;
      }
      break;
    case 'E': st_.ErrorMark = true; break;
    case 'F': ApplyFontTag(Tag, up); break;
    case 'H':
      if (c2 == 'I') {
        st_.HiFontSaved = f.Color;
        st_.HiBrushSaved = st_.Brush;
        st_.Brush = clHighlight;
        f.Color = clHighlightText;
      } else if (c2 == 'R') {
        if (P.Draw) {
          canvas_.Pen()->SetColor(clBlack);
          canvas_.Pen()->SetWidth(1);
          canvas_.Pen()->SetStyle(psSolid);
          canvas_.MoveTo(P.D.Left, P.LineBottom);
          canvas_.LineTo(P.D.Right, P.LineBottom);
        }
        return toEndsLine;
      }
      break;
    case 'I':
      if (c2 == '>') {
        f.Style.Include(fsItalic);
      } else if (c2 == 'N') {
        size_t x = up.find('X');
        THtmlInt n = ReadHtmlInt(x == npos ? std::string_view{} : FirstQuoted(std::string_view(up).substr(x)));
        if (n.Whole && n.Value > P.W) {
          P.W = n.Value;
          P.X = Clamp(int64_t{r_.Left} + n.Value);
        }
      } else if (c2 == 'M') {
        return ApplyImage(Tag, up, P, M, CanStop);
      }
      break;
    case 'L': {
      if (P.ListItemSeen && CanStop) return toStopsLine;
      P.ListItemSeen = true;
      P.W = Clamp(int64_t{P.W} + st_.ListLevel * kListIndent);
      P.X = Clamp(int64_t{P.X} + (st_.ListLevel - 1) * kListIndent);
      if (P.Draw && !st_.Hidden) {
        SelectFont();
        SelectBrush();
        canvas_.TextOut(P.X, P.D.Top, st_.ListLevel % 2 ? "\u2022" : "o");
      }
      P.X = Clamp(int64_t{P.X} + kListIndent);
      break;
    }
    case 'O':
      if (c2 == 'F') {
        size_t x = up.find('X');
        int n = ReadHtmlInt(x == npos ? std::string_view{} : FirstQuoted(std::string_view(up).substr(x))).Value;
        st_.Offset = n;
        P.X = n;
        P.W = n;
      }
      break;
    case 'P': ApplyParagraph(Tag, up, P); break;
    case 'R':
      // The canvas draws text upright only: the turned copy is the font
      // itself, kept so that the closing tag restores the one before.
      st_.Turned.push_back(f);
      break;
    case 'S':
      if (c2 == '>') f.Style.Include(fsStrikeOut);
      else if (c2 == 'H') st_.Shadow = true;
      else if (up == "<SUB>") st_.Sub = true;
      else if (up == "<SUP>") st_.Sup = true;
      break;
    case 'U':
      if (c2 == '>') {
        f.Style.Include(fsUnderline);
      } else {
        st_.ListLevel = std::min(st_.ListLevel + 1, kMaxListLevel);
        return toEndsLine;
      }
      break;
    case 'Z': st_.Hidden = true; break;
    default: break;
  }
  return toGoOn;
}

size_t THtmlRenderer::LinePass(TPass& P, TLineMetrics& M, size_t Pos, size_t End) {
  const size_t start = Pos;
  const int offset = st_.Offset;
  const int available = P.D.Right - P.D.Left - offset;
  P.LineBottom = P.D.Bottom - M.Drop;
  P.X = Clamp(int64_t{P.D.Left} + (P.Layout ? 0 : offset));
  if (P.Draw && st_.ParaBackground && st_.Brush != clNone)
    FillBand({r_.Left, P.D.Top, r_.Right, P.D.Top + M.Height}, st_.Brush);
  const std::string_view text = text_;
  char lastRunChar = '\0';
  bool ended = false;
  while (Pos < End && !ended) {
    std::string_view rest = text.substr(Pos);
    size_t lt = rest.find('<'), sp = rest.find(' ');
    size_t runLength = sp != npos && (lt == npos || sp < lt) ? sp + 1 : std::min(lt, rest.size());
    if (runLength > 0) {
      std::string run(rest.substr(0, runLength));
      ReplaceRunEntities(run);
      TSize extent = RunExtent(run);
      if (st_.Sub) M.Drop = std::max(M.Drop, extent.cy / 4);
      if (st_.Sup) M.Rise = std::max(M.Rise, extent.cy / 4);
      M.Height = std::max(M.Height, extent.cy);
      if (!st_.Hidden) {
        int rw = extent.cx;
        if (P.Layout) {
          // A run stays when it fits, when it is wider than a whole line
          // (no line would take it), or when it goes on a word that a tag
          // split; a line always takes its first run.
          int w = P.W + rw;
          bool continuesWord = lastRunChar != '\0' && lastRunChar != ' ';
          if (!(w < available || rw >= available || continuesWord || Pos == start)) {
            ended = true;
            break;
          }
        } else {
          const TPoint& hit = options_.Hit;
          if (st_.InAnchor && hit.X >= P.X && hit.X <= P.X + rw) {
            P.TextHit = true;
            P.HitAnchor = st_.Anchor;
          }
          if (P.Draw) {
            int bottom = P.LineBottom - M.Lift;
            if (st_.Sup) bottom -= M.Rise;
            if (st_.Sub) bottom += M.Drop;
            TRect c{P.X, P.D.Top, P.D.Right, bottom};
            if (st_.Shadow) DrawRun(run, c.Offset(1, 1), options_.ShadowColor);
            DrawRun(run, c, st_.Font.Color);
            if (st_.ErrorMark) Zigzag(P.X, P.X + rw, bottom);
          }
        }
        P.W = Clamp(int64_t{P.W} + rw);
        P.X = Clamp(int64_t{P.X} + rw);
        lastRunChar = run.empty() ? lastRunChar : run.back();
        P.Trailing = lastRunChar == ' ' ? (SelectFont(), canvas_.TextWidth(" ")) : 0;
      }
      Pos += runLength;
      rest = text.substr(Pos);
    }
    if (Pos >= End || rest[0] != '<') continue;
    size_t gt = rest.find('>');
    if (rest.size() <= 2 || gt == npos) {
      // A broken tag at the end: the rest is no markup that can be drawn.
      Pos = text.size();
      break;
    }
    TTagOutcome outcome = ApplyTag(rest.substr(0, gt + 1), P, M, P.Layout && Pos != start);
    if (outcome == toStopsLine) break;
    Pos += gt + 1;
    ended = outcome == toEndsLine;
  }
  if (P.Layout && Pos == start && Pos < text.size()) {
    // Nothing fitted: the line takes one character, so every line advances.
    Pos += std::min(Utf8Length(text[Pos]), text.size() - Pos);
  }
  P.W -= P.Trailing;
  M.Width = P.W;
  return Pos;
}

THtmlRenderResult THtmlRenderer::Render(std::string_view Markup) {
  text_ = Prepare(Markup);
  ppi_ = std::clamp(options_.PixelsPerInch, 1, 96 * 16);
  TFont& font = *canvas_.Font();
  TFont savedFont;
  savedFont.Assign(&font);
  TColor savedBrush = canvas_.Brush()->Color();
  TBrushStyle savedBrushStyle = canvas_.Brush()->Style();
  TColor savedPen = canvas_.Pen()->Color();
  int savedPenWidth = canvas_.Pen()->Width();
  TPenStyle savedPenStyle = canvas_.Pen()->Style();
  base_ = {font.Name(), font.Height(), font.Style(), font.Color()};
  b0_ = savedBrush;
  st_.Font = base_;

  int clip = canvas_.SaveDC();
  canvas_.IntersectClipRect(r_);
  THtmlRenderResult result;
  TRect l = r_;
  l.Left += 1;
  int height = 0;
  size_t pos = 0;
  while (pos < text_.size()) {
    TLineMetrics m;
    SelectFont();
    m.Gh = canvas_.TextHeight("gh");
    m.Height = m.Gh;
    const THtmlState lineStart = st_;
    TPass layout;
    layout.Layout = true;
    layout.D = l;
    size_t end = LinePass(layout, m, pos, text_.size());
    assert(end > pos);
    width_ = width_ < m.Width ? m.Width + 2 : width_;

    TPass second;
    second.Draw = !options_.MeasureOnly;
    second.D = l;
    second.D.Bottom = l.Top + m.Height + m.Drop + m.Rise;
    int spare = l.Right - l.Left - m.Width;
    if (st_.Align == paRight && spare > 0) second.D.Left = l.Right - m.Width;
    else if (st_.Align == paCenter && spare > 0) second.D.Left = l.Left + spare / 2;
    second.D.Left = Clamp(int64_t{second.D.Left} + st_.Indent);
    st_ = lineStart;
    TLineMetrics drawn = m;
    size_t drawnEnd = LinePass(second, drawn, pos, end);
    assert(drawnEnd == end);
    (void)drawnEnd;
    const int hy = options_.Hit.Y;
    const int base = second.D.Bottom - drawn.Lift;
    if (!result.OverAnchor &&
        (second.ImageHit || (second.TextHit && base - m.Gh < hy && hy < base))) {
      result.OverAnchor = true;
      result.Anchor = second.HitAnchor;
    }
    int lineHeight = m.Height + m.Drop + m.Rise;
    l.Top = Clamp(int64_t{l.Top} + lineHeight);
    height = Clamp(int64_t{height} + lineHeight);
    pos = end;
    if (l.Top + m.Gh > r_.Bottom) break;
  }
  if (height == 0) {
    SelectFont();
    height = canvas_.TextHeight("gh");
  }
  result.Width = width_;
  result.Height = height + 2;

  canvas_.RestoreDC(clip);
  font.Assign(&savedFont);
  canvas_.Brush()->SetColor(savedBrush);
  canvas_.Brush()->SetStyle(savedBrushStyle);
  canvas_.Pen()->SetColor(savedPen);
  canvas_.Pen()->SetWidth(savedPenWidth);
  canvas_.Pen()->SetStyle(savedPenStyle);
  return result;
}

}  // namespace

THtmlRenderResult RenderHtml(TCanvas& Canvas, std::string_view Text, const TRect& R,
                             const THtmlRenderOptions& Options) {
  return THtmlRenderer(Canvas, R, Options).Render(Text);
}
