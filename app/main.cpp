// Morvane: lists the machine's processes, shows the selected one's record
// and ends it at once.
#include "Resources.h"
#include "TdlgMain.h"
#include "graphics/TGraphicsRuntime.h"
#include "host/TQtHost.h"
#include "os/TLinuxProcessProvider.h"
#include "os/TLinuxShell.h"
#include "picture/TJPEGImage.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"

int main(int argc, char** argv) {
  // Before the application: the 2-D graphics and the JPEG picture format;
  // after it, the other way round.
  TGraphicsRuntime graphics(argc, argv, false);
  RegisterJPEGImage();
  TQtHost host;
  TMonotonicClock clock;
  TLinuxProcessProvider processes;
  TLinuxShell shell("xdg-open", TLinuxShell::ProgramFolders());
  {
    TApplication app(host, clock);
    app.Initialize();
    app.SetTitle("Morvane");
    app.SetIcon(FindResource("morvane.png"));
    app.CreateForm<TdlgMain>(TMainServices{processes, processes, shell});
    app.Run();
  }
  UnregisterJPEGImage();
  return 0;
}
