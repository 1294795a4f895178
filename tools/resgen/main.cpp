// morvane_resgen <output-folder>: draws every picture the program carries and
// writes it, with the desktop entry, into the folder. The output depends on
// nothing but this code and the fonts, so runs give the same bytes.
#include "Brand.h"
#include "Encoders.h"
#include "Glyphs.h"
#include "Icons.h"
#include "Painting.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct GeneratedFile {
  std::string Name;
  Bytes Content;
};

Bytes TextBytes(std::string_view Text)
{
  return Bytes(Text.begin(), Text.end());
}

constexpr std::string_view DesktopEntry = "[Desktop Entry]\n"
                                          "Type=Application\n"
                                          "Version=1.0\n"
                                          "Name=Morvane\n"
                                          "GenericName=Process Killer\n"
                                          "Comment=List the running processes and end the ones "
                                          "that hang\n"
                                          "Exec=morvane\n"
                                          "Icon=morvane\n"
                                          "Terminal=false\n"
                                          "Categories=System;Monitor;\n";

// Backgrounds that the keyed pictures are shown on, so that their soft edges
// blend into what surrounds them.
const QColor PanelGrey(0xE0, 0xE0, 0xE0);
const QColor TitleBlue(0xC5, 0xD8, 0xEF);
const QColor MenuWhite(0xFF, 0xFF, 0xFF);
const QColor HintBlue(0xEE, 0xF3, 0xFA);
constexpr int EdgeThreshold = 96;

std::vector<GeneratedFile> DrawAll()
{
  const QImage Kill = DrawToolIcon(ToolIcon::Kill);
  return {
      {"morvane.png", EncodePng(DrawAppIcon())},
      {"iml_normal.png", EncodePng(ToolStrip(false))},
      {"iml_hot.png", EncodePng(ToolStrip(true))},
      {"kill_disabled.bmp", EncodeBmp(FlattenOnKey(Greyed(Kill), PanelGrey, EdgeThreshold), 8)},
      {"internet.png", EncodePng(DrawGlobe())},
      {"appbutton.bmp", EncodeBmp(FlattenOnKey(DrawOrb(false), TitleBlue, EdgeThreshold), 24)},
      {"appbutton_hot.bmp", EncodeBmp(FlattenOnKey(DrawOrb(true), TitleBlue, EdgeThreshold), 24)},
      {"appmenu_close.bmp",
       EncodeBmp(FlattenOnKey(DrawToolIcon(ToolIcon::Close), MenuWhite, EdgeThreshold), 24)},
      {"hint_help.bmp", EncodeBmp(FlattenOnKey(DrawSmallHelp(), HintBlue, EdgeThreshold), 8)},
      {"toolbar_option.bmp", EncodeBmp(LauncherGlyph(), 8)},
      {"menu_submenu.bmp", EncodeBmp(SubMenuArrowGlyph(), 1)},
      {"menu_check.bmp", EncodeBmp(CheckGlyph(), 1)},
      {"menu_radio.bmp", EncodeBmp(RadioGlyph(), 1)},
      {"tolvaris_logo.jpg", EncodeJpeg(DrawLogo(), 90)},
      {"sample_keyed.bmp", EncodeBmp(KeyedSample(), 24)},
      {"sample_alpha.png", EncodePng(AlphaSample())},
      {"sample_pattern.png", EncodePng(PatternSample())},
      {"morvane.desktop", TextBytes(DesktopEntry)},
  };
}

// Leaves a file that already holds these bytes untouched, so that its time
// stamp does not make the build embed it again.
bool WriteIfChanged(const std::filesystem::path& Path, const Bytes& Content)
{
  {
    std::ifstream In(Path, std::ios::binary);
    if (In && Bytes(std::istreambuf_iterator<char>(In), {}) == Content)
      return false;
  }
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(reinterpret_cast<const char*>(Content.data()), std::streamsize(Content.size()));
  if (!Out)
    throw std::runtime_error("cannot write " + Path.string());
  return true;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvane_resgen <output-folder>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);

  try {
    LoadFonts();
    const std::filesystem::path Folder(argv[1]);
    std::filesystem::create_directories(Folder);
    for (const GeneratedFile& File : DrawAll()) {
      const bool Changed = WriteIfChanged(Folder / File.Name, File.Content);
      std::printf("%-20s %6zu bytes%s\n", File.Name.c_str(), File.Content.size(),
                  Changed ? "" : " (unchanged)");
    }
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "morvane_resgen: %s\n", Error.what());
    return 1;
  }
  return 0;
}
