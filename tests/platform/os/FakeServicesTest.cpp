// The fakes that stand in for the process services in other folders' tests.
#include <gtest/gtest.h>

#include <cerrno>

#include "core/Exceptions.h"
#include "os/TFakeProcessSnapshotService.h"
#include "os/TFakeProcessTermination.h"

namespace {

TEST(FakeProcessSnapshotService, ThrowsAtTheScriptedRecordAndCountsHandles) {
  TFakeProcessSnapshotService service;
  service.Entries = {TFakeProcessSnapshotService::MakeEntry(1, 0, "/sbin/init"),
                     TFakeProcessSnapshotService::MakeEntry(2, 1, "/usr/bin/bash"),
                     TFakeProcessSnapshotService::MakeEntry(3, 2, "/usr/bin/top")};
  service.ThrowAtRecord = 2;
  THandle snapshot = service.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  service.Entries.clear();  // the snapshot keeps what it was taken with

  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  ASSERT_TRUE(service.Process32First(snapshot, entry));
  EXPECT_EQ(entry.th32ProcessID, 1u);
  ASSERT_TRUE(service.Process32Next(snapshot, entry));
  EXPECT_STREQ(entry.szExeFile, "/usr/bin/bash");
  EXPECT_THROW(service.Process32Next(snapshot, entry), EPlatformError);
  EXPECT_EQ(service.SnapshotsOpen(), 1);
  EXPECT_TRUE(service.CloseHandle(snapshot));
  EXPECT_EQ(service.SnapshotsOpen(), 0);
  EXPECT_EQ(service.SnapshotsTaken(), 1);

  entry.dwSize = 100;
  snapshot = service.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  EXPECT_FALSE(service.Process32First(snapshot, entry));
  service.NoSnapshot = true;
  EXPECT_EQ(service.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), 0u);
  EXPECT_EQ(service.SnapshotsTaken(), 2);
}

TEST(FakeProcessTermination, RefusesTheChosenPidAndRecordsCalls) {
  using Kind = TFakeProcessTermination::TCallKind;
  TFakeProcessTermination termination;
  termination.RefuseTerminate = EPERM;
  termination.RefusedPid = 20;

  THandle ten = termination.OpenProcess(PROCESS_TERMINATE, false, 10);
  THandle twenty = termination.OpenProcess(PROCESS_TERMINATE, false, 20);
  EXPECT_TRUE(termination.TerminateProcess(ten, 0));
  EXPECT_FALSE(termination.TerminateProcess(twenty, 0));
  EXPECT_EQ(termination.GetLastError(), uint32_t(EPERM));
  EXPECT_EQ(termination.OpenHandles(), 2);
  EXPECT_TRUE(termination.CloseHandle(ten));
  EXPECT_TRUE(termination.CloseHandle(twenty));

  EXPECT_EQ(termination.Terminated, std::vector<uint32_t>{10});
  EXPECT_EQ(termination.OpenHandles(), 0);
  using Call = TFakeProcessTermination::TCall;
  EXPECT_EQ(termination.Calls,
            (std::vector<Call>{{Kind::Open, 10, ten},
                               {Kind::Open, 20, twenty},
                               {Kind::Terminate, 10, ten},
                               {Kind::Terminate, 20, twenty},
                               {Kind::Close, 10, ten},
                               {Kind::Close, 20, twenty}}));

  termination.RefuseOpen = ESRCH;
  EXPECT_EQ(termination.OpenProcess(PROCESS_TERMINATE, false, 20), 0u);
  EXPECT_EQ(termination.GetLastError(), uint32_t(ESRCH));
  EXPECT_NE(termination.OpenProcess(PROCESS_TERMINATE, false, 30), 0u);
}

}  // namespace
