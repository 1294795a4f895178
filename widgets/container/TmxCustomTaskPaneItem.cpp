#include "TmxCustomTaskPaneItem.h"

#include <utility>
#include <vector>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TSavedCanvasState.h"

namespace {

// Marks controls as painting a copy for the length of a scope, and
// gives each back the mark it had.
class PaintCopyMarks {
 public:
  explicit PaintCopyMarks(TControl* C) { Add(C); }
  ~PaintCopyMarks() {
    for (auto it = marked_.rbegin(); it != marked_.rend(); ++it) it->first->SetStateFlag(csPaintCopy, it->second);
  }
  PaintCopyMarks(const PaintCopyMarks&) = delete;
  PaintCopyMarks& operator=(const PaintCopyMarks&) = delete;
  void Add(TControl* C) {
    marked_.emplace_back(C, C->ControlState().Contains(csPaintCopy));
    C->SetStateFlag(csPaintCopy, true);
  }

 private:
  std::vector<std::pair<TControl*, bool>> marked_;
};

}  // namespace

TmxCustomTaskPaneItem::TmxCustomTaskPaneItem(TComponent* AOwner)
    : TCustomControl(AOwner),
      border_(std::make_unique<TmxBorder>([this] { ParameterChanged(); })),
      background_(std::make_unique<TmxBackground>()) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
  background_->SetOnChangeParameter([this](TObject*) { ParameterChanged(); });
}

TmxCustomTaskPaneItem::~TmxCustomTaskPaneItem() = default;

void TmxCustomTaskPaneItem::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND:
      // Paint covers the whole client area.
      M.Result = 0;
      return;
    case WM_SIZE:
      TCustomControl::WndProc(M);
      Invalidate();
      return;
    default: TCustomControl::WndProc(M); return;
  }
}

TRect TmxCustomTaskPaneItem::InsideBorder(const TRect& Rect, const TmxBorder& Border, int Extra) {
  return {Rect.Left + Border.Left() + Extra, Rect.Top + Border.Top() + Extra, Rect.Right - Border.Right() - Extra,
          Rect.Bottom - Border.Bottom() - Extra};
}

void TmxCustomTaskPaneItem::AdjustClientRect(TRect& Rect) const { Rect = InsideBorder(Rect, *border_, 0); }

void TmxCustomTaskPaneItem::SetOptions(TmxTaskPaneOptions Value) {
  if (options_ == Value) return;
  options_ = Value;
  Changed();
}

void TmxCustomTaskPaneItem::ParameterChanged() { Changed(); }

void TmxCustomTaskPaneItem::Changed() { RepaintItems(); }

void TmxCustomTaskPaneItem::RepaintItems() {
  Invalidate();
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* item = dynamic_cast<TmxCustomTaskPaneItem*>(Controls(i))) item->RepaintItems();
}

void TmxCustomTaskPaneItem::Paint() {
  DoBeforePaint();
  if (background_->Style() == btTransparent) {
    PaintParentImage(Canvas());
  } else {
    // Rendered on every paint, whether or not the background blends it.
    background_->GrowParentImage(Width(), Height());
    PaintParentImage(background_->ParentImage()->Canvas());
    DoBeforeBackground();
    background_->Draw(Canvas(), GetPaintRect());
  }
  DoAfterPaint();
}

void TmxCustomTaskPaneItem::PaintParentImage(TCanvas* Target) {
  if (!Target || !Target->HandleAllocated()) return;
  // See-through items are skipped: the first solid one behind paints.
  TWinControl* p = Parent();
  TPoint shift;
  for (auto* item = dynamic_cast<TmxCustomTaskPaneItem*>(p); item && item->background_->Style() == btTransparent;
       item = dynamic_cast<TmxCustomTaskPaneItem*>(p)) {
    shift = shift + TPoint{item->Left(), item->Top()};
    p = item->Parent();
  }
  if (!p) return;
  // This item in the client coordinates of the one that paints.
  const TRect self = BoundsRect().Offset(shift.X, shift.Y);
  // Its WM_PAINT paints its graphic children as well, those over this
  // item among them, once, in z-order; they are marked as painting a
  // copy meanwhile. Windowed siblings are windows of their own.
  PaintCopyMarks marks(p);
  for (int i = 0; i < p->ControlCount(); ++i) {
    TControl* c = p->Controls(i);
    if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->BoundsRect().Intersects(self)) marks.Add(c);
  }
  const intptr_t dc = reinterpret_cast<intptr_t>(Target->Handle());
  TSavedCanvasState saved(Target);
  Target->MoveWindowOrg(-self.Left, -self.Top);
  Target->IntersectClipRect({0, 0, p->ClientWidth(), p->ClientHeight()});
  Target->IntersectClipRect(self);
  p->Perform(WM_ERASEBKGND, dc);
  p->Perform(WM_PAINT, dc);
}
