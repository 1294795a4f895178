// A windowed panel whose client area its background paints, with an
// inner margin for aligned children. A see-through or blended background
// shows the image of the controls behind the item.
#pragma once

#include <memory>
#include <string>

#include "TmxBackground.h"
#include "TmxBorder.h"
#include "core/TSet.h"
#include "ui/TCustomControl.h"

enum TmxTaskPaneOption { tiSetStyle };
using TmxTaskPaneOptions = TSet<TmxTaskPaneOption>;

class TmxCustomTaskPaneItem : public TCustomControl {
 public:
  explicit TmxCustomTaskPaneItem(TComponent* AOwner);
  ~TmxCustomTaskPaneItem() override;
  std::string ClassName() const override { return "TmxCustomTaskPaneItem"; }
  void WndProc(TMessage& Message) override;
  void AdjustClientRect(TRect& Rect) const override;

  // Kept for the layout; changing it repaints and does nothing else.
  TmxTaskPaneOptions Options() const { return options_; }
  void SetOptions(TmxTaskPaneOptions Value);
  TmxBorder* Border() const { return border_.get(); }
  void SetBorder(const TmxBorder* Value) { border_->Assign(Value); }
  TmxBackground* Background() const { return background_.get(); }
  void SetBackground(const TmxBackground* Value) { background_->Assign(Value); }

  // Paints into Target, aligned with this item's client area, what lies
  // behind the item: its first ancestor that is not a see-through item,
  // then that ancestor's graphic children over the item.
  void PaintParentImage(TCanvas* Target);

  // Rect less the border's widths, and Extra pixels more on every side.
  static TRect InsideBorder(const TRect& Rect, const TmxBorder& Border, int Extra);

 protected:
  void Paint() override;
  // The rectangle the background paints.
  virtual TRect GetPaintRect() const { return ClientRect(); }
  virtual void DoBeforePaint() {}
  virtual void DoAfterPaint() {}
  virtual void DoBeforeBackground() {}
  // The border, the background or its gradient changed.
  virtual void ParameterChanged();
  void Changed() override;
  // Invalidates this item and every item nested in it through items, as
  // they show this one's image.
  virtual void RepaintItems();

 private:
  TmxTaskPaneOptions options_{tiSetStyle};
  // In this order, so that the background is freed first.
  std::unique_ptr<TmxBorder> border_;
  std::unique_ptr<TmxBackground> background_;
};
