// The message model: every control receives its input, painting, timer
// and notification traffic as TMessage values with the window system's
// message numbers, so a host can hook a control's messages by replacing
// its WindowProc.
#pragma once

#include <cstdint>

#include "core/Geometry.h"

struct TMessage {
  uint32_t Msg = 0;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

// Window messages.
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_SHOWWINDOW = 0x0018;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr uint32_t WM_NCHITTEST = 0x0084;
// Mouse messages outside the client area: WParam the hit-test code,
// LParam the screen point.
constexpr uint32_t WM_NCMOUSEMOVE = 0x00A0;
constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t WM_NCLBUTTONUP = 0x00A2;
constexpr uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr uint32_t WM_NCRBUTTONDOWN = 0x00A4;
constexpr uint32_t WM_NCRBUTTONUP = 0x00A5;
constexpr uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr uint32_t WM_NCMBUTTONDOWN = 0x00A7;
constexpr uint32_t WM_NCMBUTTONUP = 0x00A8;
constexpr uint32_t WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_MOUSEFIRST = 0x0200;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_MOUSELAST = 0x020A;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
// The desktop's visual theme changed (never sent on Linux, which has none).
constexpr uint32_t WM_THEMECHANGED = 0x031A;
constexpr uint32_t WM_USER = 0x0400;

// Control messages of the kit.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
constexpr uint32_t CM_INVALIDATE = CM_BASE + 52;
constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
constexpr uint32_t CM_CHANGED = CM_BASE + 55;
constexpr uint32_t CM_ACTIONUPDATE = CM_BASE + 63;
constexpr uint32_t CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr uint32_t CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr uint32_t CM_MOUSEWHEEL = CM_BASE + 67;

// Notifications reflected back to the control that caused them.
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr uint32_t CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr uint32_t CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr uint32_t CN_CHAR = CN_BASE + WM_CHAR;
constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr uint32_t CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Hit-test results.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTCLOSE = 20;

// WM_SIZE kinds.
constexpr int SIZE_RESTORED = 0;
constexpr int SIZE_MINIMIZED = 1;
constexpr int SIZE_MAXIMIZED = 2;

// What WM_GETMINMAXINFO asks of a top-level window (LParam points at it):
// the size and the position, from its monitor's top-left corner, that it
// takes when maximised, and the smallest and largest size it may have.
struct MINMAXINFO {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

// WM_SYSCOMMAND commands.
constexpr int SC_SIZE = 0xF000;
constexpr int SC_MOVE = 0xF010;
constexpr int SC_MINIMIZE = 0xF020;
constexpr int SC_MAXIMIZE = 0xF030;
constexpr int SC_CLOSE = 0xF060;
constexpr int SC_RESTORE = 0xF120;
constexpr int SC_MOUSEMENU = 0xF090;  // the system menu at LParam's screen point
constexpr int SC_KEYMENU = 0xF100;    // LParam ' ': the system menu from the keyboard

// WM_GETDLGCODE answers.
constexpr int DLGC_WANTARROWS = 0x0001;
constexpr int DLGC_WANTTAB = 0x0002;
constexpr int DLGC_WANTALLKEYS = 0x0004;
constexpr int DLGC_WANTCHARS = 0x0080;

// Mouse key flags carried in WParam.
constexpr int MK_LBUTTON = 0x0001;
constexpr int MK_RBUTTON = 0x0002;
constexpr int MK_SHIFT = 0x0004;
constexpr int MK_CONTROL = 0x0008;
constexpr int MK_MBUTTON = 0x0010;

// Mouse positions travel in LParam as two signed 16-bit halves.
constexpr intptr_t PointToLParam(TPoint P) {
  return static_cast<intptr_t>((static_cast<uint32_t>(P.Y & 0xFFFF) << 16) | static_cast<uint32_t>(P.X & 0xFFFF));
}
constexpr TPoint LParamToPoint(intptr_t L) {
  return {static_cast<int16_t>(L & 0xFFFF), static_cast<int16_t>((L >> 16) & 0xFFFF)};
}

// Virtual key codes.
constexpr uint16_t VK_LBUTTON = 0x01;
constexpr uint16_t VK_RBUTTON = 0x02;
constexpr uint16_t VK_MBUTTON = 0x04;
constexpr uint16_t VK_BACK = 0x08;
constexpr uint16_t VK_TAB = 0x09;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_SHIFT = 0x10;
constexpr uint16_t VK_CONTROL = 0x11;
constexpr uint16_t VK_MENU = 0x12;
constexpr uint16_t VK_CAPITAL = 0x14;
constexpr uint16_t VK_ESCAPE = 0x1B;
constexpr uint16_t VK_SPACE = 0x20;
constexpr uint16_t VK_PRIOR = 0x21;
constexpr uint16_t VK_NEXT = 0x22;
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;
constexpr uint16_t VK_INSERT = 0x2D;
constexpr uint16_t VK_DELETE = 0x2E;
constexpr uint16_t VK_F1 = 0x70;
constexpr uint16_t VK_F4 = 0x73;
constexpr uint16_t VK_F10 = 0x79;
constexpr uint16_t VK_APPS = 0x5D;
constexpr uint16_t VK_NUMLOCK = 0x90;
constexpr uint16_t VK_SCROLL = 0x91;

// Key messages carry this in LParam's bit 29 when Alt is held.
constexpr intptr_t KF_ALTDOWN_LPARAM = intptr_t{1} << 29;

constexpr int MB_OK = 0x0;
constexpr int MB_ICONERROR = 0x10;
constexpr int IDOK = 1;
