// A shell that records what it is asked to open, for tests.
#pragma once

#include <string>
#include <vector>

#include "IShell.h"

class TFakeShell : public IShell {
 public:
  struct TCall {
    std::string Verb;
    std::string File;
    std::string Parameters;
    std::string Directory;
    int ShowCmd;
    bool operator==(const TCall&) const = default;
  };

  std::vector<TCall> Calls;

  void ShellExecute(const std::string& Verb, const std::string& File,
                    const std::string& Parameters, const std::string& Directory,
                    int ShowCmd) override;
};
