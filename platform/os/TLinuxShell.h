// Opening files and addresses with the desktop's opener, xdg-open.
#pragma once

#include <string>

#include "IShell.h"

// The opener runs detached: in a new session, as a grandchild that is
// never waited for, started without a shell so File reaches it as one
// argument whatever it holds.
class TLinuxShell : public IShell {
 public:
  // Opener is looked up in PATH unless it holds a '/'.
  explicit TLinuxShell(std::string Opener = "xdg-open");

  // Verb "open" (or empty, the default verb) opens File; Parameters and
  // ShowCmd mean nothing to the opener. A non-empty Directory is where the
  // opener starts, so a relative File is taken from there.
  void ShellExecute(const std::string& Verb, const std::string& File,
                    const std::string& Parameters, const std::string& Directory,
                    int ShowCmd) override;

 private:
  std::string opener_;
};
