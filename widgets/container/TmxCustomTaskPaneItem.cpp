#include "TmxCustomTaskPaneItem.h"

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "ui/PaintParentImage.h"

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
  if (!Target) return;
  // See-through items are skipped: the first solid one behind paints.
  TWinControl* p = Parent();
  for (auto* item = dynamic_cast<TmxCustomTaskPaneItem*>(p); item && item->background_->Style() == btTransparent;
       item = dynamic_cast<TmxCustomTaskPaneItem*>(p))
    p = item->Parent();
  if (!p) return;
  // Only its client area shows; its graphic controls over this item paint
  // into the image as copies.
  ::PaintParentImage(*this, *p, *Target, {}, {piClipToParent, piMarkCopies});
}
