// The desktop's visual theme, as the stylers ask for it. A Linux desktop
// has none in this sense: the stylers then use their own schemes. Tests
// may pretend that one is active to reach the themed paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

constexpr int32_t S_OK = 0;
constexpr int32_t E_FAIL = static_cast<int32_t>(0x80004005u);

struct TThemeName {
  std::string FileName;   // the theme file, "...\\Luna.msstyles"
  std::string ColorName;  // the colour scheme, "NormalColor", "HomeStead", "Metallic"
  std::string SizeName;   // the size, "NormalSize"
};

// Whether a visual theme is active: false here.
bool IsThemeActive();
// The active theme's names and S_OK; without a theme, E_FAIL and the
// three names empty.
int32_t GetCurrentThemeName(std::string& FileName, std::string& ColorName, std::string& SizeName);
// Makes the queries answer as if Theme were active; nullopt for none.
void SetThemeOverride(std::optional<TThemeName> Theme);
