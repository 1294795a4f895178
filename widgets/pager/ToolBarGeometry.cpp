#include "ToolBarGeometry.h"

TRect ToolBarCaptionRect(const TToolBarMetrics& M) {
  if (!M.ShowCaption) return {};
  if (M.CaptionPosition == cpBottom) return {0, M.Height - M.CaptionHeight, M.Width, M.Height};
  return {0, 0, M.Width, M.CaptionHeight};
}

TRect ToolBarBodyRect(const TToolBarMetrics& M) {
  if (!M.ShowCaption) return {0, 0, M.Width, M.Height};
  if (M.CaptionPosition == cpBottom) return {0, 0, M.Width, M.Height - M.CaptionHeight};
  return {0, M.CaptionHeight, M.Width, M.Height};
}

TRect ToolBarOptionRect(const TToolBarMetrics& M) {
  if (!M.ShowCaption || !M.ShowOptionIndicator || M.ShowRightHandle) return {};
  const TRect band = ToolBarCaptionRect(M);
  return {M.Width - M.CaptionHeight + 1, band.Top + 2, M.Width - 1, band.Bottom - 1};
}

TRect ToolBarCaptionTextRect(const TToolBarMetrics& M) {
  TRect r = ToolBarCaptionRect(M);
  if (r.IsEmpty()) return r;
  r.Left += 3;
  if (const TRect option = ToolBarOptionRect(M); !option.IsEmpty()) r.Right = option.Left;
  return r;
}
