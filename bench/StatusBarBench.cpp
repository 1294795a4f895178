// The status bar's clock: one tick's repaint of the main window (only the
// clock's panel changes), and the running program's CPU use while idle
// with the clock ticking, over 30 seconds, as a share of one core.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "TdlgMain.h"
#include "host/THeadlessHost.h"
#include "os/TFakeProcessSnapshotService.h"
#include "os/TFakeProcessTermination.h"
#include "os/TFakeShell.h"
#include "picture/TJPEGImage.h"
#include "statusbar/TAdvOfficeStatusBar.h"
#include "ui/TApplication.h"

namespace {

void ClockTickRepaint(benchmark::State& State) {
  RegisterJPEGImage();
  {
    THeadlessHost host;
    TVirtualClock clock;
    TApplication app(host, clock);
    TVirtualWallClock wall(&clock);
    app.SetWallClock(&wall);
    TFakeProcessSnapshotService snapshots;
    TFakeProcessTermination termination;
    TFakeShell shell;
    auto* form = app.CreateForm<TdlgMain>(TMainServices{snapshots, termination, shell});
    form->Show();
    app.ProcessMessages();
    int second = 0;
    for (auto _ : State) {
      TSystemTime t;
      t.Hour = 15;
      t.Minute = 29;
      t.Second = second = (second + 1) % 60;
      wall.Set(t);
      form->AdvOfficeStatusBar1->Tick();
      app.Windows().PaintWindow(form);
    }
  }
  UnregisterJPEGImage();
}
BENCHMARK(ClockTickRepaint)->Unit(benchmark::kMicrosecond);

// User plus system time of a process, in clock ticks.
long CpuTicks(pid_t Pid) {
  std::ifstream in("/proc/" + std::to_string(Pid) + "/stat");
  std::string line;
  std::getline(in, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string skip;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 13; ++i) fields >> skip;
  fields >> utime >> stime;
  return utime + stime;
}

void IdleCpuWithTheClockTicking(benchmark::State& State) {
  for (auto _ : State) {
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      execl(MORVANE_BINARY, MORVANE_BINARY, static_cast<char*>(nullptr));
      _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::seconds(3));  // started and settled
    const long before = CpuTicks(pid);
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(30));
    const long used = CpuTicks(pid) - before;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    State.counters["cpu_percent_of_one_core"] = 100.0 * used / sysconf(_SC_CLK_TCK) / seconds;
  }
}
BENCHMARK(IdleCpuWithTheClockTicking)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
