// The enumerations of the application button: how a click treats Down.
#pragma once

#include <cstdint>

// tasCheck makes every click toggle Down.
enum TAdvToolButtonStyle : uint8_t { tasButton, tasCheck };
