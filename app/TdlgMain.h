// The main window and its controller: the process list with one record
// per process, the selected process's record in the details panel, and
// the commands that refresh the list, end the selected process at once,
// open the help file and the maker's site, and close the program.
#pragma once

#include <cstdint>
#include <string>

#include "os/IProcessSnapshotService.h"
#include "os/IProcessTermination.h"
#include "os/IShell.h"
#include "pager/TAdvToolBarForm.h"

class TAction;
class TActionList;
class TAdvGlowButton;
class TAdvMenuOfficeStyler;
class TAdvOfficeStatusBar;
class TAdvOfficeStatusBarOfficeStyler;
class TAdvToolBarOfficeStyler;
class TAdvPage;
class TAdvToolBar;
class TAdvToolBarPager;
class TCustomImageList;
class TImage;
class TLabel;
class TListBox;
class TmxContainer;

// The operating-system services the window works with.
struct TMainServices {
  IProcessSnapshotService& Snapshots;
  IProcessTermination& Termination;
  IShell& Shell;
};

class TdlgMain : public TAdvToolBarForm {
 public:
  TdlgMain(TComponent* AOwner, TMainServices Services);
  ~TdlgMain() override;
  std::string ClassName() const override { return "TdlgMain"; }

  static constexpr const char* HelpFile = "morvane.chm";
  static constexpr const char* MakerSite = "https://www.tolvaris.example/";
  static constexpr const char* WalkFailedText = "Massive Failure ... Contact Technical Support!";
  static constexpr const char* KillFailedText = "Failed:  Returned Error: ";
  // How long a Kill waits for its process to end before the list is rebuilt.
  static constexpr uint32_t KillWaitMs = 500;

  // Empties the list and fills it from a fresh snapshot.
  void FillProcessList();
  // Frees the record of every item; the items stay for the caller to clear.
  void FreeProcessObjects();
  // Shows the selected item's record in the details labels and the status text.
  void ShowProcessInfo();
  // An item's text: the file-name part of the entry's executable name.
  static std::string ItemText(const PROCESSENTRY32& Entry);

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void RefreshActionExecute(TObject* Sender);
  void KillActionExecute(TObject* Sender);
  void HelpActionExecute(TObject* Sender);
  void CloseActionExecute(TObject* Sender);
  void gbtnInternetClick(TObject* Sender);
  void Image1Click(TObject* Sender);
  void ListBox1Click(TObject* Sender);

  TActionList* ActionList1 = nullptr;
  TAction* RefreshAction = nullptr;
  TAction* KillAction = nullptr;
  TAction* HelpAction = nullptr;
  TAction* CloseAction = nullptr;

  TCustomImageList* imlNormal = nullptr;
  TCustomImageList* imlHot = nullptr;
  TCustomImageList* ImageList2 = nullptr;

  TAdvToolBarOfficeStyler* AdvToolBarOfficeStyler1 = nullptr;
  TAdvMenuOfficeStyler* AdvMenuOfficeStyler1 = nullptr;
  TAdvToolBarPager* AdvToolBarPager1 = nullptr;
  TAdvPage* AdvPage1 = nullptr;
  TAdvToolBar* AdvToolBar1 = nullptr;
  TAdvToolBar* AdvToolBar12 = nullptr;
  TAdvGlowButton* gbtnRefreshList = nullptr;
  TAdvGlowButton* gbtnKillProcess = nullptr;
  TAdvGlowButton* gbtnHelp = nullptr;
  TAdvGlowButton* AdvGlowButton4 = nullptr;
  TAdvGlowButton* gbtnInternet = nullptr;

  TmxContainer* mxContainer1 = nullptr;
  TLabel* Label6 = nullptr;
  TListBox* ListBox1 = nullptr;
  TmxContainer* mxContainer2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Flagslbl = nullptr;
  TLabel* ucountlbl = nullptr;
  TLabel* procidlbl = nullptr;
  TLabel* heaplbl = nullptr;
  TLabel* modlbl = nullptr;
  TLabel* threadlbl = nullptr;
  TLabel* parentlbl = nullptr;
  TLabel* priolbl = nullptr;
  TLabel* TheFlags = nullptr;
  TLabel* Thecount = nullptr;
  TLabel* TheProcID = nullptr;
  TLabel* TheHeapId = nullptr;
  TLabel* TheModID = nullptr;
  TLabel* TheThreads = nullptr;
  TLabel* Theparent = nullptr;
  TLabel* ThePrio = nullptr;
  TLabel* Label2 = nullptr;
  TImage* Image1 = nullptr;

  TAdvOfficeStatusBarOfficeStyler* AdvOfficeStatusBarOfficeStyler1 = nullptr;
  TAdvOfficeStatusBar* AdvOfficeStatusBar1 = nullptr;

 private:
  void CreateLayout();
  void ShowKillFailure(uint32_t Error);

  TMainServices services_;
};
