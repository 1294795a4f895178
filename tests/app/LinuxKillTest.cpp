// The controller on the real process providers: a child of this test is
// listed with its own record and ends when Kill is pressed on it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../platform/os/ChildProcess.h"
#include "TdlgMain.h"
#include "desktop/HeadlessDesktop.h"
#include "os/TFakeShell.h"
#include "os/TLinuxProcessProvider.h"
#include "procObject.h"
#include "glowbutton/TAdvGlowButton.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"

namespace {
int IndexOfPid(TListBox* list, pid_t pid) {
  for (int i = 0; i < list->Count(); ++i)
    if (static_cast<procObject*>(list->Items()->Objects(i))->Entry.th32ProcessID == static_cast<uint32_t>(pid))
      return i;
  return -1;
}
}  // namespace

TEST(LinuxProcesses, AChildIsListedWithItsRecordAndKillEndsIt) {
  TChildProcess child = TChildProcess::Threaded(3);
  HeadlessDesktop desk;
  TLinuxProcessProvider processes;
  TFakeShell shell;
  auto* form = desk.App().CreateForm<TdlgMain>(TMainServices{processes, processes, shell});
  form->Show();
  TListBox* list = form->ListBox1;
  int index = IndexOfPid(list, child.Pid());
  ASSERT_GE(index, 0);
  const PROCESSENTRY32& e = static_cast<procObject*>(list->Items()->Objects(index))->Entry;
  EXPECT_EQ(e.th32ParentProcessID, static_cast<uint32_t>(getpid()));
  EXPECT_EQ(e.cntThreads, 3u);

  list->SetTopIndex(index);
  desk.Click(list, list->ItemRect(index).TopLeft() + TPoint{3, 3});
  ASSERT_EQ(list->ItemIndex(), index);
  EXPECT_EQ(form->TheProcID->Caption(), std::to_string(child.Pid()));
  desk.Click(form->gbtnKillProcess);
  // Rebuilt once the child had ended, before this test, its parent, reaped it.
  EXPECT_EQ(IndexOfPid(list, child.Pid()), -1);
  int status = child.Wait();
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  EXPECT_TRUE(desk.Messages().empty());
}
