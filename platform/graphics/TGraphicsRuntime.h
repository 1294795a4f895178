// Starts the rasteriser the graphics types draw with (one per program),
// and registers the kit's face (Tahoma from fonts-wine when present; its
// bold is the regular face emboldened).
// Offscreen: no display is needed, as in tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TGraphicsRuntime {
 public:
  TGraphicsRuntime(int& Argc, char** Argv, bool Offscreen);
  ~TGraphicsRuntime();
  TGraphicsRuntime(const TGraphicsRuntime&) = delete;
  TGraphicsRuntime& operator=(const TGraphicsRuntime&) = delete;

  // True when a face of this name is installed for the screen.
  static bool IsScreenFont(const std::string& Name);

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};
