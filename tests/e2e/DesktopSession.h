// A real X display for end-to-end tests: a private Xvfb on a free display
// number, programs started on it without a shell, and the xdotool and
// ImageMagick commands that drive and photograph its windows.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class DesktopSession {
 public:
  // Starts Xvfb; Available() is false when it is not installed or would not start.
  DesktopSession();
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
  void Click(int X, int Y);
  void Key(const std::string& Name);
  // Number of distinct colours in a screenshot of the window.
  int ColoursOf(const std::string& WindowId);
  // Waits up to five seconds for the window to show more than Colours colours.
  bool WaitForColours(const std::string& WindowId, int Colours);

 private:
  static bool Installed(const char* Program);
  pid_t xvfb_ = -1;
  std::string display_;
  std::string why_;
  std::string dir_;
  std::vector<pid_t> started_;
};

// Waits up to TimeoutMs for the process to end; its wait status.
std::optional<int> WaitFor(pid_t Pid, int TimeoutMs);

// Whether unshare can start a program in a private PID namespace with its
// own /proc (it needs root or user namespaces); Why says why not.
bool PrivatePidNamespaces(std::string& Why);
