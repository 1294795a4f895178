// Arbitrary markup through the status bar's HTML renderer: drawn, measured
// and hit-tested in a panel-sized and in a large rectangle, with an image
// list and a picture container at hand, as the status bar calls it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graphics/TBitmap.h"
#include "graphics/TGraphicsRuntime.h"
#include "statusbar/IHtmlPictureContainer.h"
#include "statusbar/RenderHtml.h"
#include "ui/TCustomImageList.h"

namespace {

// Markup longer than a few panels' worth only repeats what shorter inputs
// already reach, and slows every run down.
constexpr size_t kMaxInput = 4096;

class TFuzzPictures : public IHtmlPictureContainer {
 public:
  TFuzzPictures() : picture_(7, 5), empty_(0, 0) {
    picture_.Canvas()->Brush()->SetColor(clFuchsia);
    picture_.Canvas()->FillRect({0, 0, 7, 5});
  }
  TGraphic* FindPicture(std::string_view Name) const override {
    if (Name == "pic") return &picture_;
    if (Name == "empty") return &empty_;
    return nullptr;
  }

 private:
  mutable TBitmap picture_;
  mutable TBitmap empty_;
};

struct TFuzzWorld {
  TFuzzWorld() : images(nullptr) {
    TBitmap cell(16, 16);
    images.Add(cell);
  }
  TCustomImageList images;
  TFuzzPictures pictures;
  TBitmap small{160, 24};
  TBitmap large{400, 120};
};

TFuzzWorld* World = nullptr;

void Exercise(TBitmap& Target, std::string_view Markup, const TRect& R, TPoint Hit, bool Blink) {
  THtmlRenderOptions o;
  o.Images = &World->images;
  o.Pictures = &World->pictures;
  o.BlinkOn = Blink;
  RenderHtml(*Target.Canvas(), Markup, R, o);
  o.MeasureOnly = true;
  RenderHtml(*Target.Canvas(), Markup, {0, 0, 1000, 100}, o);
  o.Hit = Hit;
  RenderHtml(*Target.Canvas(), Markup, R, o);
}

}  // namespace

// fontconfig keeps blocks for the life of the process that nothing points
// to; the leak check at exit would blame them on the last input.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Qt keeps the argument count it is given; these outlive the run, and the
  // fuzzer's own arguments stay out of Qt's parsing.
  static int argc = 1;
  static char name[] = "html_fuzzer";
  static char* argv[] = {name, nullptr};
  static TGraphicsRuntime* runtime = new TGraphicsRuntime(argc, argv, true);
  (void)runtime;
  World = new TFuzzWorld;
  // The font caches are filled once, here, so that the leak check of each
  // input does not count them.
  Exercise(World->small, "<B>b</B><I>i</I><FONT FACE=\"Symbol\" SIZE=\"5\">x</FONT>\u2022", {2, 2, 150, 17}, {5, 5},
           true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 3 || Size > kMaxInput) return 0;
  // The first bytes choose the hit point and the blink phase; the rest is
  // the markup.
  TPoint hit{Data[0] % 160, Data[1] % 24};
  bool blink = Data[2] & 1;
  std::string_view markup(reinterpret_cast<const char*>(Data + 3), Size - 3);
  Exercise(World->small, markup, {2, 2, 150, 17}, hit, blink);
  Exercise(World->large, markup, {5, 5, 395, 115}, {hit.X * 2, hit.Y * 4}, !blink);
  return 0;
}
