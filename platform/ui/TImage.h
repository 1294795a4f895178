// A picture on its parent: the picture container's graphic, at its own
// size (AutoSize takes it), centred or stretched.
#pragma once

#include <memory>

#include "TGraphicControl.h"
#include "graphics/TPicture.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }

  TPicture* Picture() const { return picture_.get(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  bool Center() const { return center_; }
  void SetCenter(bool Value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value);
  bool Transparent() const { return transparent_; }
  // Passed on to the graphic, which may have no transparent parts.
  void SetTransparent(bool Value);

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  TRect DestRect() const;
  std::unique_ptr<TPicture> picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool stretch_ = false;
  bool transparent_ = false;
};
