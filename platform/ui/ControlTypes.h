// Small value types shared by the controls: alignment, mouse buttons,
// shift state, cursors, control style and state flags, window styles.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/Geometry.h"
#include "core/TObject.h"
#include "core/TSet.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

enum TControlStyleFlag {
  csAcceptsControls, csCaptureMouse, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csReplicatable, csNoStdEvents, csActionClient
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag { csLButtonDown, csClicked, csAlignmentNeeded, csFocusing, csCreating, csPaintCopy };
using TControlState = TSet<TControlStateFlag>;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Window styles, read by the host when it makes a top-level window.
constexpr uint32_t WS_POPUP = 0x80000000u;
constexpr uint32_t WS_CHILD = 0x40000000u;
constexpr uint32_t WS_VISIBLE = 0x10000000u;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000u;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000u;
constexpr uint32_t WS_CAPTION = 0x00C00000u;
constexpr uint32_t WS_BORDER = 0x00800000u;
constexpr uint32_t WS_DLGFRAME = 0x00400000u;
constexpr uint32_t WS_VSCROLL = 0x00200000u;
constexpr uint32_t WS_SYSMENU = 0x00080000u;
constexpr uint32_t WS_THICKFRAME = 0x00040000u;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000u;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000u;
constexpr uint32_t WS_TABSTOP = 0x00010000u;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008u;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020u;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080u;
constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200u;
constexpr uint32_t WS_EX_APPWINDOW = 0x00040000u;
constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000u;
constexpr uint32_t CS_DBLCLKS = 0x0008u;
constexpr uint32_t CS_SAVEBITS = 0x0800u;
constexpr uint32_t CS_DROPSHADOW = 0x00020000u;

class TWinControl;

struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  uint32_t WindowClassStyle = 0;
  TWinControl* WndParent = nullptr;
};

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

// The shift state carried by a mouse message's WParam.
TShiftState MouseKeysToShift(intptr_t Keys);
