#include "OfficeHintLayout.h"

#include <algorithm>

namespace {

// The notes' box starts 2 in and is narrowed by 8 on both sides.
constexpr int kNotesInset = 2 + 8 + 8;
// Between the picture and the measured notes.
constexpr int kPictureGap = 2;

}  // namespace

TRect OfficeHintRect(TRect R, int HintWidth, const TOfficeHintContent& Content, int LineHeight,
                     const THintTextMeasure& Measure) {
  R.Right += 4 + HintWidth;
  const int pw = Content.Picture.cx, ph = Content.Picture.cy;
  const int pictureSpan = pw > 0 ? pw + kPictureGap : 0;
  int notesWidth = R.Width() - 16 - pictureSpan;

  std::string_view notes = Content.Notes;
  // Without a title the last line break is not measured.
  if (notes.size() > 1 && !Content.Title) notes.remove_suffix(2);
  int nh = 0;
  if (!Content.Notes.empty()) {
    const TSize m = Measure(notes, notesWidth);
    notesWidth = m.cx;
    nh = std::max(m.cy, ph);
  } else if (!Content.WideNotes.empty()) {
    const TSize m = Measure(Content.WideNotes, notesWidth);
    notesWidth = m.cx;
    nh = std::max(m.cy, ph);
  }

  int c = LineHeight;
  if (!Content.Title && !Content.WideTitle) {
    // As wide as the notes need, right of the picture and its gap.
    R.Right = R.Left + pictureSpan + notesWidth + 24;
  } else {
    c = LineHeight + LineHeight / 3;
    nh += c;
  }
  if (Content.ShowHelp) nh += std::max(c, Content.HelpPictureHeight);
  R.Bottom += nh;
  return R;
}

TRect PlainHintRect(TRect R, bool HasControl) {
  R.Right += 4;
  if (HasControl) R.Bottom += 8;
  return R;
}

int OfficeHintNotesWidth(int Width, int PictureWidth) { return Width - kNotesInset - PictureWidth; }

TRect KeepOnWorkArea(TRect R, const TRect& WorkArea) {
  R = R.Offset(std::min(0, WorkArea.Right - R.Right), std::min(0, WorkArea.Bottom - R.Bottom));
  return R.Offset(std::max(0, WorkArea.Left - R.Left), std::max(0, WorkArea.Top - R.Top));
}
