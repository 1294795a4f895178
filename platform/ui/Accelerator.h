// Accelerator characters: the character after a single "&" in a caption.
#pragma once

#include <string>

// True when Ch is the accelerator of Caption, compared without regard to
// case ("&&" stands for a plain "&").
bool IsAccel(char32_t Ch, const std::string& Caption);
