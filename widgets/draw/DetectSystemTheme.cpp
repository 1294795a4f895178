#include "DetectSystemTheme.h"

#include <string>

#include "os/ThemeQuery.h"

int DetectSystemTheme() {
  if (!IsThemeActive()) return 0;
  std::string file, color, size;
  if (GetCurrentThemeName(file, color, size) != S_OK) return 0;
  if (color == "NormalColor") return 1;
  if (color == "HomeStead") return 2;
  if (color == "Metallic") return 3;
  return 0;
}
