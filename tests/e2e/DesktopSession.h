// A real X display for end-to-end tests: a private Xvfb on a free display
// number, programs started on it without a shell, and the xdotool and
// ImageMagick commands that drive and photograph its windows.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Whether a window manager runs on the display: without one, as on a bare
// X server, the program must move and place its windows itself.
enum class TWindowManagerMode { None, Openbox };
inline void PrintTo(TWindowManagerMode Mode, std::ostream* Out) {
  *Out << (Mode == TWindowManagerMode::None ? "no window manager" : "openbox");
}

// Runs each test of a suite parametrised by TWindowManagerMode on a bare X
// server and under openbox, named Bare and Openbox.
#define MORVANE_ON_EVERY_DESKTOP(Suite)                                                                 \
  INSTANTIATE_TEST_SUITE_P(Desktops, Suite,                                                             \
                           ::testing::Values(TWindowManagerMode::None, TWindowManagerMode::Openbox),   \
                           [](const auto& Info) { return Info.param == TWindowManagerMode::None ? "Bare" : "Openbox"; })

// Where a window's client area lies on the screen, and its size.
struct TWindowGeometry {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

class DesktopSession {
 public:
  // Starts Xvfb, and openbox on it when asked; Available() is false when
  // either is not installed or would not start.
  explicit DesktopSession(TWindowManagerMode Mode = TWindowManagerMode::None);
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  bool Available() const { return xvfb_ > 0; }
  std::string Why() const { return why_; }
  const std::string& Display() const { return display_; }
  // A private folder that goes with the session.
  std::string Folder() const { return dir_; }

  // Starts a program on the display, in the session's folder, with the
  // environment entries of Env added or replaced; returns its process id.
  // Whatever is still running when the session ends is killed and reaped.
  pid_t Start(const std::vector<std::string>& Argv, const std::vector<std::string>& Env = {});
  // Waits up to TimeoutMs for a started program to end: its wait status;
  // a program still running then is killed, reaped, and nullopt returned.
  std::optional<int> WaitOrKill(pid_t Pid, int TimeoutMs);
  // Runs a program on the display to its end; its standard output, or
  // nothing when it failed.
  std::optional<std::string> Run(const std::vector<std::string>& Argv);

  // The id of the visible top-level window with this exact title.
  std::optional<std::string> FindWindow(const std::string& Title);
  // Read with xwininfo, which is right under a reparenting window manager
  // (xdotool's position is off by the frame there).
  TWindowGeometry Geometry(const std::string& WindowId);
  void Click(int X, int Y);
  // Presses the left button at From, moves the pointer to To in steps and
  // releases it there.
  void Drag(int FromX, int FromY, int ToX, int ToY);
  // Moves the pointer without pressing anything.
  void MoveMouse(int X, int Y);
  void Key(const std::string& Name);
  // Number of distinct colours in a screenshot of the window.
  int ColoursOf(const std::string& WindowId);
  // Waits up to five seconds for the window to show more than Colours colours.
  bool WaitForColours(const std::string& WindowId, int Colours);
  // A screenshot of the whole screen (menus and hints are windows of their
  // own) into the session's folder; its path, or nothing.
  std::optional<std::string> ScreenShot(const std::string& Name);
  // The colour of one pixel of a screenshot, as "srgb(r,g,b)".
  std::string PixelOf(const std::string& Shot, int X, int Y);
  // Every pixel of a region of a screenshot, as text, in one call.
  std::string RegionOf(const std::string& Shot, int X, int Y, int Width, int Height);

 private:
  static bool Installed(const char* Program);
  void StartWindowManager();
  // Ends what the session started, then the display.
  void Stop();
  pid_t xvfb_ = -1;
  std::string display_;
  std::string why_;
  std::string dir_;
  std::vector<pid_t> started_;
};

// Waits up to TimeoutMs for the process to end; its wait status.
std::optional<int> WaitFor(pid_t Pid, int TimeoutMs);

// The program under test: the build's own, or the one MORVANE_BINARY names
// (the release build that the run command ships).
std::string ProgramUnderTest();

// Whether unshare can start a program in a private PID namespace with its
// own /proc (it needs root or user namespaces); Why says why not.
bool PrivatePidNamespaces(std::string& Why);
