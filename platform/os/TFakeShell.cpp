// A recording shell.
#include "TFakeShell.h"

void TFakeShell::ShellExecute(const std::string& Verb, const std::string& File,
                              const std::string& Parameters, const std::string& Directory,
                              int ShowCmd) {
  Calls.push_back({Verb, File, Parameters, Directory, ShowCmd});
}
