#include "GpStringFormat.h"

GpStringFormat::GpStringFormat(int FormatFlags) : flags_(FormatFlags) {}

GpStringFormat GpStringFormat::GenericDefault() { return GpStringFormat(0); }

GpStringFormat GpStringFormat::GenericTypographic() {
  GpStringFormat f(StringFormatFlagsNoFitBlackBox | StringFormatFlagsLineLimit | StringFormatFlagsNoClip);
  f.trimming_ = StringTrimmingNone;
  f.padded_ = false;
  return f;
}

GpStatus GpStringFormat::SetFormatFlags(int Flags) {
  flags_ = Flags;
  return Ok;
}

namespace {
bool ValidAlignment(StringAlignment a) { return a >= StringAlignmentNear && a <= StringAlignmentFar; }
}  // namespace

GpStatus GpStringFormat::SetAlignment(StringAlignment Align) {
  if (!ValidAlignment(Align)) return InvalidParameter;
  align_ = Align;
  return Ok;
}

GpStatus GpStringFormat::SetLineAlignment(StringAlignment Align) {
  if (!ValidAlignment(Align)) return InvalidParameter;
  lineAlign_ = Align;
  return Ok;
}

GpStatus GpStringFormat::SetTrimming(StringTrimming Trimming) {
  if (Trimming < StringTrimmingNone || Trimming > StringTrimmingEllipsisPath) return InvalidParameter;
  trimming_ = Trimming;
  return Ok;
}

GpStatus GpStringFormat::SetHotkeyPrefix(HotkeyPrefix Prefix) {
  if (Prefix < HotkeyPrefixNone || Prefix > HotkeyPrefixHide) return InvalidParameter;
  hotkey_ = Prefix;
  return Ok;
}
