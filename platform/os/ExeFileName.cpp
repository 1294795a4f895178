// Fitting an executable's path into a process entry.
#include "ExeFileName.h"

#include <cstring>

std::string_view StripDeletedSuffix(std::string_view Link) {
  constexpr std::string_view suffix = " (deleted)";
  if (Link.size() > suffix.size() && Link.substr(Link.size() - suffix.size()) == suffix)
    Link.remove_suffix(suffix.size());
  return Link;
}

void FitExeFile(std::string_view Name, char (&Out)[MAX_PATH]) {
  constexpr size_t room = MAX_PATH - 1;
  std::string_view kept = Name;
  if (Name.size() > room) {
    size_t lastSlash = Name.rfind('/');
    if (lastSlash == std::string_view::npos) {
      kept = Name.substr(0, room);
    } else if (Name.size() - lastSlash > room) {
      Out[0] = '/';
      std::memcpy(Out + 1, Name.data() + lastSlash + 1, room - 1);
      Out[room] = '\0';
      return;
    } else {
      // The first '/' at or after the earliest start that leaves a tail of
      // at most room bytes; lastSlash qualifies, so one is always found.
      size_t start = Name.find('/', Name.size() - room);
      kept = Name.substr(start);
    }
  }
  std::memcpy(Out, kept.data(), kept.size());
  Out[kept.size()] = '\0';
}
