// Handing a file or an address to the desktop's default opener.
#pragma once

#include <string>

constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;

class IShell {
 public:
  virtual ~IShell() = default;
  // Opens File with Verb ("open"); failures are not reported.
  virtual void ShellExecute(const std::string& Verb, const std::string& File,
                            const std::string& Parameters, const std::string& Directory,
                            int ShowCmd) = 0;
};
