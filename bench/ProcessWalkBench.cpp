// The main window's list fill (snapshot, records, list items) and a full
// snapshot walk through TLinuxProcessProvider against a bare /proc walk,
// at the machine's own process count and at 2,000 processes.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SpawnedProcesses.h"
#include "TdlgMain.h"
#include "graphics/TGraphicsRuntime.h"
#include "host/THeadlessHost.h"
#include "os/TFakeShell.h"
#include "os/TLinuxProcessProvider.h"
#include "picture/TJPEGImage.h"
#include "ui/TApplication.h"
#include "ui/TListBox.h"

namespace {

constexpr int CROWDED = 2000;

std::unique_ptr<SpawnedProcesses> crowd;

void ReachProcessCount(int Total) {
  if (Total > 0 && !crowd) crowd = std::make_unique<SpawnedProcesses>(Total);
}

void ProviderWalk(benchmark::State& State, int Total) {
  ReachProcessCount(Total);
  TLinuxProcessProvider provider;
  size_t listed = 0;
  for (auto _ : State) {
    THandle snapshot = provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    listed = 0;
    for (bool more = provider.Process32First(snapshot, entry); more;
         more = provider.Process32Next(snapshot, entry)) {
      benchmark::DoNotOptimize(entry);
      ++listed;
    }
    provider.CloseHandle(snapshot);
  }
  State.counters["processes"] = static_cast<double>(listed);
  State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * listed));
}

// What the Refresh action does: a snapshot into the list box's items, one
// record each, on a window that is shown.
void ListFill(benchmark::State& State, int Total) {
  ReachProcessCount(Total);
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app(host, clock);
  TLinuxProcessProvider provider;
  TFakeShell shell;
  auto* form = app.CreateForm<TdlgMain>(TMainServices{provider, provider, shell});
  form->Show();
  for (auto _ : State) {
    form->FillProcessList();
    app.ProcessMessages();
  }
  State.counters["processes"] = static_cast<double>(form->ListBox1->Count());
  State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * form->ListBox1->Count()));
}

struct TRawProcess {
  int Pid;
  std::string Stat;
  std::string Exe;
};

// The least a walk can do: list /proc, read each stat, read each exe link.
std::vector<TRawProcess> DirectWalk() {
  std::vector<TRawProcess> processes;
  DIR* proc = opendir("/proc");
  if (!proc) return processes;
  char path[300];
  char stat[4096];
  char exe[4096];
  while (dirent* item = readdir(proc)) {
    if (item->d_name[0] < '0' || item->d_name[0] > '9') continue;
    std::snprintf(path, sizeof path, "/proc/%s/stat", item->d_name);
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    ssize_t statLength = read(fd, stat, sizeof stat);
    close(fd);
    if (statLength <= 0) continue;
    std::snprintf(path, sizeof path, "/proc/%s/exe", item->d_name);
    ssize_t exeLength = readlink(path, exe, sizeof exe);
    processes.push_back({std::atoi(item->d_name), std::string(stat, size_t(statLength)),
                         exeLength > 0 ? std::string(exe, size_t(exeLength)) : std::string()});
  }
  closedir(proc);
  return processes;
}

void BareWalk(benchmark::State& State, int Total) {
  ReachProcessCount(Total);
  size_t listed = 0;
  for (auto _ : State) {
    std::vector<TRawProcess> processes = DirectWalk();
    listed = processes.size();
    benchmark::DoNotOptimize(processes.data());
  }
  State.counters["processes"] = static_cast<double>(listed);
  State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * listed));
}

// The console report, followed by the provider's time over the bare walk's
// for each process count.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  TRatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    for (const Run& run : Runs) {
      bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
      if (!run.error_occurred && (run.run_type == Run::RT_Iteration || mean))
        times_[run.run_name.str()] = run.GetAdjustedRealTime();
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* count : {"machine", "2000"}) {
      auto bare = times_.find(std::string("BareWalk/") + count);
      if (bare == times_.end() || bare->second <= 0) continue;
      for (const char* name : {"ListFill", "ProviderWalk"}) {
        auto measured = times_.find(std::string(name) + "/" + count);
        if (measured != times_.end())
          std::printf("%s / BareWalk at %s processes: %.2f\n", name, count, measured->second / bare->second);
      }
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  TGraphicsRuntime graphics(argc, argv, true);
  RegisterJPEGImage();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Registered in this order so that both machine-count runs come before the
  // children are spawned.
  benchmark::RegisterBenchmark("ListFill/machine", ListFill, 0)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ProviderWalk/machine", ProviderWalk, 0)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BareWalk/machine", BareWalk, 0)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ListFill/2000", ListFill, CROWDED)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ProviderWalk/2000", ProviderWalk, CROWDED)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BareWalk/2000", BareWalk, CROWDED)->Unit(benchmark::kMicrosecond);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  crowd.reset();
  benchmark::Shutdown();
  return 0;
}
