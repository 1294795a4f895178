// Opening files and addresses with the desktop's opener, xdg-open.
#pragma once

#include <string>
#include <vector>

#include "IShell.h"

// The opener runs detached: in a new session, as a grandchild that is
// never waited for, started without a shell so File reaches it as one
// argument whatever it holds.
class TLinuxShell : public IShell {
 public:
  // Opener is looked up in PATH unless it holds a '/'. A bare file name
  // (no '/' or ':') that is not in the folder the opener starts in is
  // looked for in Folders, in order, so that the program's own files open
  // wherever it was started from.
  explicit TLinuxShell(std::string Opener = "xdg-open", std::vector<std::string> Folders = {});

  // The folders of the running program's own files: its executable's
  // folder (a build tree) and ../share/morvane beside it (an installation).
  static std::vector<std::string> ProgramFolders();

  // Verb "open" (or empty, the default verb) opens File; Parameters and
  // ShowCmd mean nothing to the opener. A non-empty Directory is where the
  // opener starts, so a relative File is taken from there.
  void ShellExecute(const std::string& Verb, const std::string& File,
                    const std::string& Parameters, const std::string& Directory,
                    int ShowCmd) override;

 private:
  std::string Locate(const std::string& File, const std::string& Directory) const;

  std::string opener_;
  std::vector<std::string> folders_;
};
