// A progress panel's gauge settings: range and position, the indication
// text, and the four level colours by percentage.
#pragma once

#include <functional>
#include <string>

#include "core/TPersistent.h"
#include "graphics/TColor.h"

enum TProgressIndication : uint8_t { piPercentage, piAbsolute, piNone };

struct TProgressValues {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  TColor BackGround = clNone;
  TProgressIndication Indication = piPercentage;
  TColor Level0Color = 0x00FF00, Level0ColorTo = 14811105;
  TColor Level1Color = 0x00FFFF, Level1ColorTo = 0xCAFFFF;
  TColor Level2Color = 5483007, Level2ColorTo = 11064319;
  TColor Level3Color = 0x0000FF, Level3ColorTo = 13290239;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  bool CompletionSmooth = false;
  bool ShowGradient = true;
  std::string Prefix, Suffix;
  friend bool operator==(const TProgressValues&, const TProgressValues&) = default;
};

class TProgressStyle : public TPersistent {
 public:
  std::string ClassName() const override { return "TProgressStyle"; }
  void Assign(const TPersistent* Source) override {
    if (auto* s = dynamic_cast<const TProgressStyle*>(Source)) return Set(s->v_);
    TPersistent::Assign(Source);
  }
  const TProgressValues& Values() const { return v_; }
  void Set(const TProgressValues& Value) {
    if (v_ == Value) return;
    v_ = Value;
    if (OnChange) OnChange();
  }
  std::function<void()> OnChange;

 private:
  TProgressValues v_;
};
