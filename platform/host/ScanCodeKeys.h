// The virtual key of a key by where it lies on the keyboard.
#pragma once

#include <cstdint>

// The virtual key ('A'..'Z', '0'..'9') that the key with this native scan
// code (an X keycode: the kernel's key code plus 8, as X11 and Wayland
// report it) has on a US keyboard; 0 for every other key. Used for keys
// that produce no Latin letter on the user's layout, so that access keys
// and shortcuts still work on, say, a Cyrillic layout.
uint16_t VirtualKeyFromScanCode(uint32_t NativeScanCode);
