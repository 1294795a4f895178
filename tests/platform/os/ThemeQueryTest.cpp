// The theme query: no theme on Linux, and the override tests use.
#include <gtest/gtest.h>

#include "os/ThemeQuery.h"

TEST(ThemeQuery, AnswersNoThemeUnlessOneIsPretended) {
  struct Case {
    const char* name;
    std::optional<TThemeName> theme;
    bool active;
    int32_t result;
  };
  const TThemeName luna{"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", "HomeStead", "NormalSize"};
  const Case cases[] = {
      {"the desktop's answer", std::nullopt, false, E_FAIL},
      {"a pretended theme", luna, true, S_OK},
      {"the override taken back", std::nullopt, false, E_FAIL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetThemeOverride(c.theme);
    EXPECT_EQ(IsThemeActive(), c.active);
    // Whatever the caller's strings held is replaced.
    std::string file = "stale", color = "stale", size = "stale";
    EXPECT_EQ(GetCurrentThemeName(file, color, size), c.result);
    const TThemeName want = c.theme.value_or(TThemeName{});
    EXPECT_EQ(file, want.FileName);
    EXPECT_EQ(color, want.ColorName);
    EXPECT_EQ(size, want.SizeName);
  }
  SetThemeOverride(std::nullopt);
}
