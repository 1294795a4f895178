#include "TGraphicsRuntime.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>

struct TGraphicsRuntime::Impl {
  std::unique_ptr<QGuiApplication> app;
};

TGraphicsRuntime::TGraphicsRuntime(int& Argc, char** Argv, bool Offscreen) : d_(std::make_unique<Impl>()) {
  if (Offscreen) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Pixel constants are for 96 pixels per inch; keep Qt from scaling.
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  QGuiApplication::setDesktopSettingsAware(false);
  d_->app = std::make_unique<QGuiApplication>(Argc, Argv);
  // Only the regular Tahoma: the bold file beside it draws the regular
  // glyphs on bold spacing, as light as regular text. Without a bold face
  // of the family the rasteriser emboldens the regular one.
  const char* tahoma = "/usr/share/wine/fonts/tahoma.ttf";
  if (std::filesystem::exists(tahoma)) QFontDatabase::addApplicationFont(QString::fromUtf8(tahoma));
}

TGraphicsRuntime::~TGraphicsRuntime() = default;

bool TGraphicsRuntime::IsScreenFont(const std::string& Name) {
  // Asked on every paint that draws text; the faces are all registered
  // at start, so the list is read once.
  static const QStringList families = QFontDatabase::families();
  return families.contains(QString::fromStdString(Name), Qt::CaseInsensitive);
}
