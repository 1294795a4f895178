// The name shown for a process: its executable's path, fitted into the
// fixed-size szExeFile field of a process entry.
#pragma once

#include <string_view>

#include "ProcessEntry.h"

// The /proc/PID/exe target without the " (deleted)" the kernel appends once
// the file has been removed.
std::string_view StripDeletedSuffix(std::string_view Link);

// Copies Name into Out, NUL-terminated. A name longer than MAX_PATH - 1
// bytes keeps its file name, since the list shows the part after the last
// '/': the longest tail that starts at a '/' and fits, or "/" plus the
// start of the file name when that alone is too long. Bytes are copied as
// they are, whatever their encoding.
void FitExeFile(std::string_view Name, char (&Out)[MAX_PATH]);
