// What a hint is about to show: the record the hinted control receives
// with CM_HINTSHOW (LParam points to it) and TApplication::OnShowHint
// after it, either of which may change it; and the replaceable class of
// the window hints are shown in.
#pragma once

#include <string>

#include "core/Geometry.h"
#include "graphics/TColor.h"

class TComponent;
class TControl;
class THintWindow;

// Creates a hint window owned by Owner. A class is named by its function,
// so two requests for the same class compare equal.
using THintWindowClass = THintWindow* (*)(TComponent* Owner);

template <class T>
THintWindow* CreateHintWindow(TComponent* Owner) {
  return new T(Owner);
}

template <class T>
inline constexpr THintWindowClass HintWindowClassOf = &CreateHintWindow<T>;

struct THintInfo {
  TControl* HintControl = nullptr;
  // The class of the window this hint is shown in.
  THintWindowClass HintWindowClass = nullptr;
  // The window's top-left corner, on the screen.
  TPoint HintPos;
  // The text wraps at this width.
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  // In HintControl's client coordinates: while the hint shows, the mouse
  // leaving this rectangle ends it and offers the control's hint anew.
  TRect CursorRect;
  // The mouse, in HintControl's client coordinates.
  TPoint CursorPos;
  std::string HintStr;
  // Milliseconds: above 0, the hint is asked for and shown anew after
  // that long while the mouse stays.
  int ReshowTimeout = 0;
  // Milliseconds until the hint hides; 0 or less keeps it until the
  // mouse leaves.
  int HideTimeout = 0;
};
