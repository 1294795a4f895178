#include "TdlgMain.h"

#include <cstring>
#include <optional>
#include <string_view>

#include "draw/TAdvOfficeStatusBarOfficeStyler.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "pager/TAdvToolBarPager.h"
#include "procObject.h"
#include "statusbar/TAdvOfficeStatusBar.h"
#include "ui/TAction.h"
#include "ui/TApplication.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"

TdlgMain::TdlgMain(TComponent* AOwner, TMainServices Services) : TAdvToolBarForm(AOwner), services_(Services) {
  BeginLoading();
  CreateLayout();
  EndLoading();
  AdvToolBarPager1->SetActivePage(AdvPage1);
  DoCreate();
}

TdlgMain::~TdlgMain() { FreeProcessObjects(); }

std::string TdlgMain::ItemText(const PROCESSENTRY32& Entry) {
  std::string_view name(Entry.szExeFile, strnlen(Entry.szExeFile, MAX_PATH));
  // A path of this system: its last part. A kernel thread's name (it has
  // a "/" inside, never in front) stands whole. Anything else keeps the
  // rule for names with drive and folders: what follows the last "\" or
  // ":".
  if (!name.empty() && name.front() == '/') return std::string(name.substr(name.rfind('/') + 1));
  if (name.find('/') != std::string_view::npos) return std::string(name);
  size_t cut = name.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

void TdlgMain::FreeProcessObjects() {
  TStringList* items = ListBox1->Items();
  int count = items->Count();
  for (int i = 0; i < count; ++i) {
    delete items->Objects(i);
    items->SetObject(i, nullptr);
  }
}

void TdlgMain::FillProcessList() {
  FreeProcessObjects();
  TStringList* items = ListBox1->Items();
  bool failed = false;
  {
    items->BeginUpdate();
    struct ResumeRedraw {
      TStringList* items;
      ~ResumeRedraw() { items->EndUpdate(); }
    } resume{items};
    items->Clear();
    THandle snapshot = 0;
    try {
      snapshot = services_.Snapshots.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
      PROCESSENTRY32 entry{};
      entry.dwSize = sizeof(PROCESSENTRY32);
      if (services_.Snapshots.Process32First(snapshot, entry)) {
        do {
          auto record = std::make_unique<procObject>(entry);
          items->AddObject(ItemText(entry), record.get());
          record.release();
        } while (services_.Snapshots.Process32Next(snapshot, entry));
      }
    } catch (const std::exception&) {
      failed = true;
    }
    if (snapshot != 0) services_.Snapshots.CloseHandle(snapshot);
  }
  if (failed) Application->MessageBox(WalkFailedText, Application->Title(), MB_OK);
}

void TdlgMain::ShowProcessInfo() {
  int index = ListBox1->ItemIndex();
  if (index < 0) return;
  PROCESSENTRY32 entry{};
  static_cast<procObject*>(ListBox1->Items()->Objects(index))->GetEntry(entry);
  AdvOfficeStatusBar1->Panels(1).SetText(ListBox1->Items()->Strings(index));
  TheFlags->SetCaption(std::to_string(entry.dwFlags));
  Thecount->SetCaption(std::to_string(entry.cntUsage));
  TheProcID->SetCaption(std::to_string(entry.th32ProcessID));
  TheHeapId->SetCaption(std::to_string(entry.th32DefaultHeapID));
  TheModID->SetCaption(std::to_string(entry.th32ModuleID));
  TheThreads->SetCaption(std::to_string(entry.cntThreads));
  Theparent->SetCaption(std::to_string(entry.th32ParentProcessID));
  ThePrio->SetCaption(std::to_string(entry.pcPriClassBase));
}

void TdlgMain::FormCreate(TObject*) {
  // Another style first, so that Luna is applied afresh.
  AdvToolBarOfficeStyler1->SetStyle(bsOffice2007Obsidian);
  AdvToolBarOfficeStyler1->SetStyle(bsOffice2007Luna);
  AdvOfficeStatusBarOfficeStyler1->SetStyle(psOffice2007Luna);
  gbtnKillProcess->SetEnabled(false);
}

void TdlgMain::FormShow(TObject*) { FillProcessList(); }

void TdlgMain::RefreshActionExecute(TObject*) { FillProcessList(); }

void TdlgMain::ShowKillFailure(uint32_t Error) {
  Application->MessageBox(KillFailedText + std::to_string(Error), Application->Title(), MB_OK);
}

void TdlgMain::KillActionExecute(TObject*) {
  int index = ListBox1->ItemIndex();
  std::optional<uint32_t> failure;
  if (index >= 0) {
    try {
      PROCESSENTRY32 entry{};
      static_cast<procObject*>(ListBox1->Items()->Objects(index))->GetEntry(entry);
      IProcessTermination& t = services_.Termination;
      // No confirmation: the selected process ends at once. A refusal
      // (no right to it, or already gone) is reported with its error
      // number; a failure raised on the way with the exit code passed, 0.
      THandle process = t.OpenProcess(PROCESS_TERMINATE, false, entry.th32ProcessID);
      if (!process) {
        failure = t.GetLastError();
      } else {
        if (!t.TerminateProcess(process, 0))
          failure = t.GetLastError();
        else  // so that the rebuilt list no longer holds it
          t.WaitForSingleObject(process, KillWaitMs);
        t.CloseHandle(process);
      }
    } catch (const std::exception&) {
      failure = 0;
    }
  }
  if (failure) ShowKillFailure(*failure);
  FillProcessList();
}

void TdlgMain::HelpActionExecute(TObject*) {
  services_.Shell.ShellExecute("open", HelpFile, "", "", SW_SHOWMAXIMIZED);
}

void TdlgMain::CloseActionExecute(TObject*) { Close(); }

void TdlgMain::gbtnInternetClick(TObject*) { services_.Shell.ShellExecute("open", MakerSite, "", "", SW_SHOWNORMAL); }

void TdlgMain::Image1Click(TObject*) { services_.Shell.ShellExecute("open", MakerSite, "", "", SW_SHOWNORMAL); }

void TdlgMain::ListBox1Click(TObject*) {
  gbtnKillProcess->SetEnabled(true);
  ShowProcessInfo();
}
