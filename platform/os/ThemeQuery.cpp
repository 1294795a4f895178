#include "ThemeQuery.h"

namespace {
std::optional<TThemeName> overrideTheme;
}

bool IsThemeActive() { return overrideTheme.has_value(); }

int32_t GetCurrentThemeName(std::string& FileName, std::string& ColorName, std::string& SizeName) {
  const TThemeName none;
  const TThemeName& theme = overrideTheme ? *overrideTheme : none;
  FileName = theme.FileName;
  ColorName = theme.ColorName;
  SizeName = theme.SizeName;
  return overrideTheme ? S_OK : E_FAIL;
}

void SetThemeOverride(std::optional<TThemeName> Theme) { overrideTheme = std::move(Theme); }
