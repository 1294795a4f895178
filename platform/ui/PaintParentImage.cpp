#include "PaintParentImage.h"

#include <cassert>
#include <cstdint>
#include <utility>
#include <vector>

#include "TWinControl.h"
#include "graphics/TCanvas.h"
#include "graphics/TSavedCanvasState.h"

namespace {

// Marks controls as painting a copy for the length of a scope, and gives
// each back the mark it had.
class PaintCopyMarks {
 public:
  PaintCopyMarks() = default;
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

void PaintParentImage(const TControl& Control, TWinControl& Parent, TCanvas& Canvas,
                      std::initializer_list<TRect> Excluded, TParentImageOptions Options) {
  if (!Canvas.HandleAllocated()) return;
  // Control in Parent's client coordinates.
  TRect self = Control.BoundsRect();
  const TWinControl* p = Control.Parent();
  for (; p && p != &Parent; p = p->Parent()) self = self.Offset(p->Left(), p->Top());
  assert(p && "Parent is the control's parent or an ancestor of it");
  if (!p) return;

  // Parent's WM_PAINT paints its graphic children as well, those over the
  // control among them, once, in z-order. Windowed children are windows of
  // their own and do not show.
  PaintCopyMarks marks;
  if (Options.Contains(piMarkCopies)) {
    marks.Add(&Parent);
    for (int i = 0; i < Parent.ControlCount(); ++i) {
      TControl* c = Parent.Controls(i);
      if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->BoundsRect().Intersects(self)) marks.Add(c);
    }
  }
  TSavedCanvasState saved(&Canvas);
  Canvas.IntersectClipRect({0, 0, self.Width(), self.Height()});
  for (const TRect& r : Excluded) Canvas.ExcludeClipRect(r);
  Canvas.MoveWindowOrg(-self.Left, -self.Top);
  if (Options.Contains(piClipToParent)) Canvas.IntersectClipRect({0, 0, Parent.ClientWidth(), Parent.ClientHeight()});
  const intptr_t dc = reinterpret_cast<intptr_t>(Canvas.Handle());
  Parent.Perform(WM_ERASEBKGND, dc);
  Parent.Perform(WM_PAINT, dc);
}
