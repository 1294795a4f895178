#include "DesktopSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <thread>

extern char** environ;

namespace {

std::vector<char*> Pointers(std::vector<std::string>& v) {
  std::vector<char*> out;
  for (auto& s : v) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

std::vector<std::string> EnvironmentWith(const std::string& display, const std::string& runtimeDir) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::string_view(*e).rfind("DISPLAY=", 0) != 0 && std::string_view(*e).rfind("QT_QPA_PLATFORM=", 0) != 0 &&
        std::string_view(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0)
      env.emplace_back(*e);
  env.push_back("DISPLAY=" + display);
  if (!runtimeDir.empty()) env.push_back("XDG_RUNTIME_DIR=" + runtimeDir);
  return env;
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

std::optional<int> WaitFor(pid_t Pid, int TimeoutMs) {
  for (int waited = 0; waited <= TimeoutMs; waited += 20) {
    int status = 0;
    pid_t r = waitpid(Pid, &status, WNOHANG);
    if (r == Pid) return status;
    if (r < 0) return std::nullopt;
    Pause(20);
  }
  return std::nullopt;
}

bool DesktopSession::Installed(const char* Program) {
  const char* path = std::getenv("PATH");
  std::string p = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find(':', start);
    std::string dir = p.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!dir.empty() && access((dir + "/" + Program).c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

DesktopSession::DesktopSession(TWindowManagerMode Mode) {
  for (const char* tool : {"Xvfb", "xdotool", "import", "convert", "xprop", "xwininfo"}) {
    if (!Installed(tool)) {
      why_ = std::string(tool) +
             " is not installed (the set-up installs xvfb, xdotool, imagemagick and x11-utils)";
      return;
    }
  }
  if (Mode == TWindowManagerMode::Openbox && !Installed("openbox")) {
    why_ = "openbox is not installed (the set-up installs it)";
    return;
  }
  char tmpl[] = "/tmp/morvane-e2e-XXXXXX";
  if (char* d = mkdtemp(tmpl)) dir_ = d;
  // Xvfb picks a free display itself and writes its number to the pipe, so
  // sessions started side by side never share one.
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) {
    why_ = "no pipe for Xvfb";
    return;
  }
  int writeEnd = fcntl(ready[1], F_DUPFD, 10);  // without close-on-exec: Xvfb inherits it
  // -noreset: a server that resets when its last client leaves turns away
  // the clients that connect meanwhile.
  std::vector<std::string> argv = {"Xvfb", "-displayfd", std::to_string(writeEnd), "-screen", "0",
                                   "1280x1024x24", "-nolisten", "tcp", "-noreset"};
  auto args = Pointers(argv);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  const std::string log = dir_ + "/xvfb.log";
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  int rc = writeEnd < 0 ? -1 : posix_spawnp(&pid, "Xvfb", &fa, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  if (writeEnd >= 0) close(writeEnd);
  close(ready[1]);
  std::string number;
  if (rc == 0) {
    pollfd item{ready[0], POLLIN, 0};
    char c;
    while (poll(&item, 1, 10000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  }
  close(ready[0]);
  if (rc == 0 && !number.empty()) {
    xvfb_ = pid;
    display_ = ":" + number;
    // The number comes as soon as Xvfb listens; it takes clients a little
    // later (a display that never does fails the tests that use it, and
    // shows what Xvfb said).
    int waited = 0;
    for (; waited < 10000 && !Run({"xdotool", "getdisplaygeometry"}); waited += 50) Pause(50);
    if (waited >= 10000) {
      std::ifstream said(log);
      std::fprintf(stderr, "display %s took no client; Xvfb said:\n%s\n", display_.c_str(),
                   std::string(std::istreambuf_iterator<char>(said), {}).c_str());
    }
    if (Mode == TWindowManagerMode::Openbox) StartWindowManager();
    return;
  }
  if (rc == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  why_ = "Xvfb did not start";
}

DesktopSession::~DesktopSession() {
  Stop();
  if (!dir_.empty()) std::filesystem::remove_all(dir_);
}

void DesktopSession::Stop() {
  while (!started_.empty()) WaitOrKill(started_.back(), 0);
  if (xvfb_ > 0) {
    kill(xvfb_, SIGTERM);
    if (!WaitFor(xvfb_, 5000)) {
      kill(xvfb_, SIGKILL);
      waitpid(xvfb_, nullptr, 0);
    }
    xvfb_ = -1;
  }
}

pid_t DesktopSession::Start(const std::vector<std::string>& Argv, const std::vector<std::string>& Env) {
  std::vector<std::string> argv = Argv;
  std::vector<std::string> env = EnvironmentWith(display_, dir_);
  for (const std::string& entry : Env) {
    std::string name = entry.substr(0, entry.find('=') + 1);
    std::erase_if(env, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
    env.push_back(entry);
  }
  auto args = Pointers(argv);
  auto envp = Pointers(env);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addchdir_np(&fa, dir_.c_str());
  pid_t pid = -1;
  int rc = posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&fa);
  if (rc != 0) return -1;
  started_.push_back(pid);
  return pid;
}

std::optional<int> DesktopSession::WaitOrKill(pid_t Pid, int TimeoutMs) {
  auto it = std::find(started_.begin(), started_.end(), Pid);
  if (it == started_.end()) return std::nullopt;
  started_.erase(it);
  if (std::optional<int> status = WaitFor(Pid, TimeoutMs)) return status;
  kill(Pid, SIGKILL);
  waitpid(Pid, nullptr, 0);
  return std::nullopt;
}

std::optional<std::string> DesktopSession::Run(const std::vector<std::string>& Argv) {
  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  std::vector<std::string> argv = Argv;
  std::vector<std::string> env = EnvironmentWith(display_, dir_);
  auto args = Pointers(argv);
  auto envp = Pointers(env);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_addclose(&fa, out[0]);
  posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  int rc = posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    return std::nullopt;
  }
  std::string text;
  char buf[4096];
  ssize_t n;
  while ((n = read(out[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

std::optional<std::string> DesktopSession::FindWindow(const std::string& Title) {
  for (int waited = 0; waited < 20000; waited += 100) {
    auto out = Run({"xdotool", "search", "--onlyvisible", "--name", "^" + Title + "$"});
    if (out && !out->empty()) return out->substr(0, out->find('\n'));
    Pause(100);
  }
  return std::nullopt;
}

void DesktopSession::StartWindowManager() {
  if (Start({"openbox", "--sm-disable"}) < 0) {
    why_ = "openbox would not start";
    Stop();
    return;
  }
  // Running once it has announced itself on the root window.
  for (int waited = 0; waited < 10000; waited += 50) {
    auto out = Run({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"});
    if (out && out->find("window id") != std::string::npos) return;
    Pause(50);
  }
  why_ = "openbox did not take the display";
  Stop();
}

void DesktopSession::MoveMouse(int X, int Y) { Run({"xdotool", "mousemove", std::to_string(X), std::to_string(Y)}); }

std::optional<std::string> DesktopSession::ScreenShot(const std::string& Name) {
  std::string shot = dir_ + "/" + Name + ".png";
  if (!Run({"import", "-window", "root", shot})) return std::nullopt;
  return shot;
}

std::string DesktopSession::PixelOf(const std::string& Shot, int X, int Y) {
  auto out = Run({"convert", Shot, "-format", "%[pixel:p{" + std::to_string(X) + "," + std::to_string(Y) + "}]", "info:"});
  return out ? *out : std::string();
}

std::string DesktopSession::RegionOf(const std::string& Shot, int X, int Y, int Width, int Height) {
  const std::string crop =
      std::to_string(Width) + "x" + std::to_string(Height) + "+" + std::to_string(X) + "+" + std::to_string(Y);
  auto out = Run({"convert", Shot, "-crop", crop, "+repage", "txt:-"});
  return out ? *out : std::string();
}

TWindowGeometry DesktopSession::Geometry(const std::string& WindowId) {
  TWindowGeometry g;
  auto out = Run({"xwininfo", "-id", WindowId});
  if (!out) return g;
  auto field = [&](const char* Name) {
    size_t at = out->find(Name);
    return at == std::string::npos ? 0 : std::atoi(out->c_str() + at + std::strlen(Name));
  };
  g.X = field("Absolute upper-left X:");
  g.Y = field("Absolute upper-left Y:");
  g.Width = field("Width:");
  g.Height = field("Height:");
  return g;
}

void DesktopSession::Drag(int FromX, int FromY, int ToX, int ToY) {
  Run({"xdotool", "mousemove", std::to_string(FromX), std::to_string(FromY), "mousedown", "1"});
  for (int step = 1; step <= 4; ++step) {
    Pause(50);
    MoveMouse(FromX + (ToX - FromX) * step / 4, FromY + (ToY - FromY) * step / 4);
  }
  Pause(100);
  Run({"xdotool", "mouseup", "1"});
  Pause(100);
}

void DesktopSession::Click(int X, int Y) {
  Run({"xdotool", "mousemove", std::to_string(X), std::to_string(Y), "click", "1"});
}

void DesktopSession::Key(const std::string& Name) { Run({"xdotool", "key", Name}); }

bool DesktopSession::WaitForColours(const std::string& WindowId, int Colours) {
  for (int waited = 0; waited < 5000; waited += 100) {
    if (ColoursOf(WindowId) > Colours) return true;
    Pause(100);
  }
  return false;
}

bool PrivatePidNamespaces(std::string& Why) {
  std::vector<std::string> argv = {"unshare", "--pid", "--fork", "--mount-proc", "true"};
  auto args = Pointers(argv);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  int rc = posix_spawnp(&pid, "unshare", &fa, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  int status = 0;
  if (rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0)
    return true;
  Why = rc != 0 ? "unshare is not installed (util-linux)"
                : "a private PID namespace was refused (unshare --pid --mount-proc needs root); "
                  "the program is not run where its Kill could reach other processes";
  return false;
}

int DesktopSession::ColoursOf(const std::string& WindowId) {
  std::string shot = dir_ + "/shot.png";
  if (!Run({"import", "-window", WindowId, shot})) return 0;
  auto out = Run({"convert", shot, "-format", "%k", "info:"});
  return out ? std::atoi(out->c_str()) : 0;
}

std::string ProgramUnderTest() {
  const char* chosen = std::getenv("MORVANE_BINARY");
  return chosen && *chosen ? chosen : MORVANE_BINARY;
}
