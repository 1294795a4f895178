// How text is laid out in its rectangle: alignment across (Alignment) and
// down (LineAlignment), the format flags (no wrap, line limit, no clip,
// ...), trimming of text that does not fit, and what an "&" does. The
// default format pads each line by a sixth of the em on both ends; the
// typographic one does not pad and neither clips nor trims.
#pragma once

#include "GdiPlusTypes.h"

class GpStringFormat {
 public:
  explicit GpStringFormat(int FormatFlags = 0);
  static GpStringFormat GenericDefault();
  static GpStringFormat GenericTypographic();

  int GetFormatFlags() const { return flags_; }
  GpStatus SetFormatFlags(int Flags);
  StringAlignment GetAlignment() const { return align_; }
  GpStatus SetAlignment(StringAlignment Align);
  StringAlignment GetLineAlignment() const { return lineAlign_; }
  GpStatus SetLineAlignment(StringAlignment Align);
  StringTrimming GetTrimming() const { return trimming_; }
  GpStatus SetTrimming(StringTrimming Trimming);
  HotkeyPrefix GetHotkeyPrefix() const { return hotkey_; }
  GpStatus SetHotkeyPrefix(HotkeyPrefix Prefix);
  bool Padded() const { return padded_; }

 private:
  int flags_;
  StringAlignment align_ = StringAlignmentNear;
  StringAlignment lineAlign_ = StringAlignmentNear;
  StringTrimming trimming_ = StringTrimmingCharacter;
  HotkeyPrefix hotkey_ = HotkeyPrefixNone;
  bool padded_ = true;
};
