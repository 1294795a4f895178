// A page toolbar's rectangles as pure functions of its size and caption
// settings, in its client coordinates: the caption band, the body, the
// option button at the band's far end and the caption text's room.
#pragma once

#include <cstdint>

#include "core/Geometry.h"

enum TCaptionPosition : uint8_t { cpTop, cpBottom };

struct TToolBarMetrics {
  int Width = 0;
  int Height = 0;
  int CaptionHeight = 16;
  TCaptionPosition CaptionPosition = cpTop;
  bool ShowCaption = false;
  bool ShowOptionIndicator = true;
  // The handle of a docked toolbar holds the option button instead.
  bool ShowRightHandle = true;
};

// Empty (all zero) without a caption band.
TRect ToolBarCaptionRect(const TToolBarMetrics& M);
// The whole client area without a caption band.
TRect ToolBarBodyRect(const TToolBarMetrics& M);
// Within the caption band, CaptionHeight wide at its right end; empty when
// there is no band, no indicator or the right handle carries it.
TRect ToolBarOptionRect(const TToolBarMetrics& M);
// The caption band from 3 pixels in to the option button's left edge.
TRect ToolBarCaptionTextRect(const TToolBarMetrics& M);
