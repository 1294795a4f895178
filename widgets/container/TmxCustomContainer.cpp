#include "TmxCustomContainer.h"

#include "graphics/TCanvas.h"

TmxCustomContainer::TmxCustomContainer(TComponent* AOwner) : TmxCustomTaskPaneItem(AOwner) {
  SetControlStyle(ControlStyle().Include(csAcceptsControls));
  SetBounds(Left(), Top(), 50, 50);
  Border()->SetLeft(5);
  Border()->SetTop(5);
  Border()->SetRight(5);
  Border()->SetBottom(5);
  Background()->SetColor(0xF6F6F6);
}

void TmxCustomContainer::AdjustClientRect(TRect& Rect) const { Rect = InsideBorder(Rect, *Border(), 1); }

void TmxCustomContainer::SetLineColor(TColor Value) {
  if (lineColor_ == Value) return;
  lineColor_ = Value;
  Changed();
}

void TmxCustomContainer::SetLines(TmxBorderLines Value) {
  if (lines_ == Value) return;
  lines_ = Value;
  Changed();
}

void TmxCustomContainer::Changed() {
  TmxCustomTaskPaneItem::Changed();
  Realign();
}

std::vector<TmxLineSegment> TmxCustomContainer::LineSegments(TmxBorderLines Lines, int W, int H) {
  std::vector<TmxLineSegment> out;
  if (Lines.Contains(blLeft)) out.push_back({{0, -5}, {0, H + 5}});
  if (Lines.Contains(blRight)) out.push_back({{W - 1, -5}, {W - 1, H + 5}});
  if (Lines.Contains(blTop)) out.push_back({{-5, 0}, {W, 0}});
  if (Lines.Contains(blBottom)) out.push_back({{-5, H - 1}, {W + 5, H - 1}});
  return out;
}

void TmxCustomContainer::Paint() {
  TmxCustomTaskPaneItem::Paint();
  if (lineColor_ == clNone) return;
  const std::vector<TmxLineSegment> lines = LineSegments(lines_, ClientWidth(), ClientHeight());
  if (lines.empty()) return;
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(lineColor_);
  for (const TmxLineSegment& s : lines) {
    c->MoveTo(s.From.X, s.From.Y);
    c->LineTo(s.To.X, s.To.Y);
  }
}
