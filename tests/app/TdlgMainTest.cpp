// The main window's controller with scripted processes: list building,
// the details shown for a selection, the Kill button's state, killing,
// and the shell opens.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "TdlgMain.h"
#include "desktop/HeadlessDesktop.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "os/TFakeProcessSnapshotService.h"
#include "os/TFakeProcessTermination.h"
#include "os/TFakeShell.h"
#include "procObject.h"
#include "statusbar/TAdvOfficeStatusBar.h"
#include "glowbutton/TAdvGlowButton.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"
#include "container/TmxContainer.h"

namespace {

PROCESSENTRY32 Entry(uint32_t pid, const char* exe, int32_t prio = 8) {
  PROCESSENTRY32 e = TFakeProcessSnapshotService::MakeEntry(pid, 1, exe, 3, prio);
  return e;
}

struct MainWindow : ::testing::Test {
  HeadlessDesktop desk;
  TFakeProcessSnapshotService snapshots;
  TFakeProcessTermination termination;
  TFakeShell shell;
  TdlgMain* form = nullptr;

  void SetUp() override {
    desk.App().SetTitle("Morvane");
    snapshots.Entries = {Entry(1, "/sbin/init"), Entry(42, "C:\\Windows\\System32\\svchost.exe"),
                         Entry(43, "C:\\Windows\\System32\\svchost.exe", -2), Entry(2147483648u, "big")};
  }
  void Open() {
    form = desk.App().CreateForm<TdlgMain>(TMainServices{snapshots, termination, shell});
    form->Show();
    desk.Paint();
  }
  TListBox* List() { return form->ListBox1; }
  std::vector<std::string> Items() {
    std::vector<std::string> out;
    for (int i = 0; i < List()->Count(); ++i) out.push_back(List()->Items()->Strings(i));
    return out;
  }
  void Select(int index) { desk.Click(List(), List()->ItemRect(index).TopLeft() + TPoint{3, 3}); }
};

}  // namespace

TEST(ItemText, TakesTheFileNamePartOfAnyKindOfName) {
  struct Case { const char* exe; const char* item; };
  const Case cases[] = {
      {"C:\\Windows\\System32\\notepad.exe", "notepad.exe"},
      {"C:notepad.exe", "notepad.exe"},
      {"notepad.exe", "notepad.exe"},
      {"/usr/bin/bash", "bash"},
      {"/init", "init"},
      {"kworker/0:1H", "kworker/0:1H"},
      {"(sd-pam)", "(sd-pam)"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TdlgMain::ItemText(Entry(1, c.exe)), c.item) << c.exe;
}

TEST(ItemText, ANameWithoutTerminatorStopsAtTheFieldsEnd) {
  PROCESSENTRY32 e = Entry(1, "");
  std::memset(e.szExeFile, 'x', sizeof e.szExeFile);
  EXPECT_EQ(TdlgMain::ItemText(e), std::string(260, 'x'));
}

TEST_F(MainWindow, ShowingFillsTheListInSnapshotOrderWithOneRecordEach) {
  Open();
  EXPECT_EQ(Items(), (std::vector<std::string>{"init", "svchost.exe", "svchost.exe", "big"}));
  EXPECT_EQ(procObject::LiveCount(), 4);
  EXPECT_EQ(List()->ItemIndex(), -1);
  EXPECT_FALSE(form->gbtnKillProcess->Enabled());
  EXPECT_EQ(form->TheProcID->Caption(), "");
  EXPECT_EQ(snapshots.SnapshotsOpen(), 0);
  auto* info = desk.Host().Info(form->HostWindow());
  EXPECT_EQ(info->Title, "Morvane");
  EXPECT_EQ(form->Caption(), "");
}

TEST_F(MainWindow, EveryRebuildFreesTheOldRecordsFirstAndLeavesNoSelection) {
  Open();
  Select(1);
  snapshots.Entries.pop_back();
  desk.Click(form->gbtnRefreshList);
  EXPECT_EQ(procObject::LiveCount(), 3);
  EXPECT_EQ(List()->ItemIndex(), -1);
  desk.Click(form->gbtnRefreshList);
  EXPECT_EQ(procObject::LiveCount(), List()->Count());
  EXPECT_EQ(snapshots.SnapshotsTaken(), 3);
  EXPECT_EQ(snapshots.SnapshotsOpen(), 0);
}

TEST_F(MainWindow, AWalkThatFailsPartWayKeepsWhatItListedAndSaysSo) {
  snapshots.ThrowAtRecord = 2;
  Open();
  EXPECT_EQ(Items(), (std::vector<std::string>{"init", "svchost.exe"}));
  ASSERT_EQ(desk.Messages().size(), 1u);
  EXPECT_EQ(desk.Messages()[0].Text, "Massive Failure ... Contact Technical Support!");
  EXPECT_EQ(desk.Messages()[0].Caption, "Morvane");
  EXPECT_EQ(snapshots.SnapshotsOpen(), 0);
  EXPECT_EQ(procObject::LiveCount(), 2);
}

TEST_F(MainWindow, NoSnapshotOrNoFirstRecordGivesAnEmptyListSilently) {
  for (bool noSnapshot : {true, false}) {
    snapshots.NoSnapshot = noSnapshot;
    snapshots.FailFirst = !noSnapshot;
    Open();
    EXPECT_EQ(List()->Count(), 0);
    EXPECT_TRUE(desk.Messages().empty());
    EXPECT_EQ(snapshots.SnapshotsOpen(), 0);
    delete form;
  }
}

TEST_F(MainWindow, SelectingShowsTheRecordTheSameByMouseAndByKeyboard) {
  Open();
  Select(2);
  std::vector<std::string> byMouse = {form->AdvOfficeStatusBar1->Panels(1).Text(), form->TheProcID->Caption(),
                                      form->ThePrio->Caption(), form->TheThreads->Caption(),
                                      form->Theparent->Caption(), form->TheFlags->Caption()};
  EXPECT_EQ(byMouse, (std::vector<std::string>{"svchost.exe", "43", "-2", "3", "1", "0"}));
  Select(0);
  desk.Key(VK_DOWN);
  desk.Key(VK_DOWN);
  std::vector<std::string> byKeys = {form->AdvOfficeStatusBar1->Panels(1).Text(), form->TheProcID->Caption(),
                                     form->ThePrio->Caption(), form->TheThreads->Caption(),
                                     form->Theparent->Caption(), form->TheFlags->Caption()};
  EXPECT_EQ(byKeys, byMouse);
  EXPECT_TRUE(form->gbtnKillProcess->Enabled());
  desk.Key(VK_DOWN);
  EXPECT_EQ(form->TheProcID->Caption(), "2147483648");
}

TEST_F(MainWindow, KillEndsTheSelectedProcessAtOnceAndRebuilds) {
  Open();
  Select(1);
  snapshots.Entries.erase(snapshots.Entries.begin() + 1);
  desk.Click(form->gbtnKillProcess);
  EXPECT_EQ(termination.Terminated, (std::vector<uint32_t>{42}));
  // The rebuild waits for the process to have ended.
  using K = TFakeProcessTermination::TCallKind;
  EXPECT_EQ(termination.Calls, (std::vector<TFakeProcessTermination::TCall>{
                                   {K::Open, 42, 1}, {K::Terminate, 42, 1}, {K::Wait, 42, 1}, {K::Close, 42, 1}}));
  EXPECT_EQ(termination.OpenHandles(), 0);
  EXPECT_TRUE(desk.Messages().empty());
  EXPECT_EQ(Items(), (std::vector<std::string>{"init", "svchost.exe", "big"}));
  // The button stays on, the details keep the killed process.
  EXPECT_EQ(List()->ItemIndex(), -1);
  EXPECT_TRUE(form->gbtnKillProcess->Enabled());
  EXPECT_EQ(form->TheProcID->Caption(), "42");
  EXPECT_EQ(form->AdvOfficeStatusBar1->Panels(1).Text(), "svchost.exe");
  // Pressed again with nothing selected it only rebuilds.
  desk.Click(form->gbtnKillProcess);
  EXPECT_EQ(termination.Terminated.size(), 1u);
  EXPECT_EQ(snapshots.SnapshotsTaken(), 3);
}

TEST_F(MainWindow, ARefusedKillReportsItsErrorNumberAndStillRebuilds) {
  struct Case { bool atOpen; uint32_t error; };
  for (Case c : {Case{true, ESRCH}, Case{false, EPERM}}) {
    termination.RefuseOpen.reset();
    termination.RefuseTerminate.reset();
    (c.atOpen ? termination.RefuseOpen : termination.RefuseTerminate) = c.error;
    Open();
    desk.ClearMessages();
    Select(0);
    int before = snapshots.SnapshotsTaken();
    desk.Click(form->gbtnKillProcess);
    ASSERT_EQ(desk.Messages().size(), 1u);
    EXPECT_EQ(desk.Messages()[0].Text, "Failed:  Returned Error: " + std::to_string(c.error));
    EXPECT_EQ(desk.Messages()[0].Caption, "Morvane");
    EXPECT_EQ(snapshots.SnapshotsTaken(), before + 1);
    EXPECT_EQ(termination.OpenHandles(), 0);
    for (const auto& call : termination.Calls) EXPECT_NE(call.Kind, TFakeProcessTermination::TCallKind::Wait);
    delete form;
  }
}

TEST_F(MainWindow, ClickOnTheDetailsBackgroundSwitchesKillOffUntilTheNextSelection) {
  Open();
  Select(0);
  EXPECT_TRUE(form->gbtnKillProcess->Enabled());
  desk.Click(form->mxContainer2, {200, 255});
  EXPECT_FALSE(form->gbtnKillProcess->Enabled());
  desk.Click(form->TheFlags);  // a label is not the background
  EXPECT_FALSE(form->gbtnKillProcess->Enabled());
  desk.Click(form->gbtnRefreshList);
  EXPECT_FALSE(form->gbtnKillProcess->Enabled());
  Select(1);
  EXPECT_TRUE(form->gbtnKillProcess->Enabled());
}

TEST_F(MainWindow, HelpInternetAndLogoOpenThroughTheShell) {
  Open();
  desk.Click(form->gbtnHelp);
  desk.Click(form->gbtnInternet);
  desk.Click(form->Image1);
  std::vector<TFakeShell::TCall> expected = {
      {"open", "morvane.chm", "", "", SW_SHOWMAXIMIZED},
      {"open", "https://www.tolvaris.example/", "", "", SW_SHOWNORMAL},
      {"open", "https://www.tolvaris.example/", "", "", SW_SHOWNORMAL},
  };
  EXPECT_EQ(shell.Calls, expected);
}

TEST_F(MainWindow, CloseEndsTheProgram) {
  Open();
  desk.Click(form->AdvGlowButton4);
  EXPECT_TRUE(desk.App().Terminated());
}

TEST_F(MainWindow, ProcessesAndDetailsSitInBorderedContainersUnderTheLogo) {
  Open();
  // The list and the details fill their container inside its border.
  EXPECT_EQ(form->mxContainer1->BoundsRect(), TRect::Bounds(0, 133, 574, 556 - 133));
  TmxContainer* details = form->mxContainer2;
  EXPECT_EQ(desk.Pixel(details, 0, 100), ColorToRGB(clSkyBlue));
  EXPECT_EQ(desk.Pixel(details, 221, 100), ColorToRGB(clSkyBlue));
  EXPECT_EQ(desk.Pixel(details, 100, 0), ColorToRGB(clSkyBlue));
  EXPECT_EQ(desk.Pixel(details, 100, 265), ColorToRGB(clSkyBlue));
  EXPECT_EQ(desk.Pixel(details, 200, 255), ColorToRGB(clWindow));
  EXPECT_EQ(desk.Pixel(form->mxContainer1, 2, 2), ColorToRGB(clWindow));
  // The logo is the stored JPEG, at its own size.
  EXPECT_EQ(form->Image1->BoundsRect(), TRect::Bounds(320, 313, 179, 100));
  std::set<TColor> colours;
  for (int x = 0; x < 179; x += 7) colours.insert(desk.Pixel(form->Image1, x, 50));
  EXPECT_GT(colours.size(), 3u);
}

TEST_F(MainWindow, TheActionButtonsAreGlowButtonsAndKillLightsUpOnSelection) {
  Open();
  EXPECT_EQ(form->gbtnRefreshList->Caption(), "Refresh List");
  EXPECT_EQ(form->gbtnKillProcess->ImageIndex(), 1);
  EXPECT_EQ(form->AdvGlowButton4->Caption(), "Close");
  // Disabled: the flat upper half and the frame in the styler's disabled
  // glow colours, which the toolbar gave the button over its own.
  const TStylerGlowSet& disabled = form->AdvToolBarOfficeStyler1->GlowButtonAppearance().Values().Disabled;
  EXPECT_EQ(desk.Pixel(form->gbtnKillProcess, 40, 2), disabled.Color);
  EXPECT_EQ(desk.Pixel(form->gbtnKillProcess, 40, 0), disabled.BorderColor);
  Select(0);
  // Enabled: the Luna face starts at its top colour inside the frame.
  EXPECT_EQ(desk.Pixel(form->gbtnKillProcess, 40, 1), desk.Pixel(form->gbtnHelp, 40, 1));
  EXPECT_NE(desk.Pixel(form->gbtnKillProcess, 40, 2), 0xF2F2F2);
}
