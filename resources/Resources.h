// The files the program carries inside its binary, looked up by file name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The bytes of the embedded file called Name (e.g. "iml_normal.png"), or an
// empty span when there is none. The bytes live as long as the program.
std::span<const uint8_t> FindResource(std::string_view Name);
