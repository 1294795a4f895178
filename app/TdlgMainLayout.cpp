// The main window's layout: every control with its place, texts, fonts,
// colours and the handler each event runs.
#include "TdlgMain.h"

#include "Resources.h"
#include "container/TmxContainer.h"
#include "draw/TAdvMenuOfficeStyler.h"
#include "draw/TAdvOfficeStatusBarOfficeStyler.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "pager/TAdvPage.h"
#include "pager/TAdvToolBar.h"
#include "pager/TAdvToolBarPager.h"
#include "statusbar/TAdvOfficeStatusBar.h"
#include "core/TStream.h"
#include "graphics/TPicture.h"

#include "glowbutton/TAdvGlowButton.h"
#include "picture/TGDIPPicture.h"
#include "ui/TAction.h"
#include "ui/TActionList.h"
#include "ui/TCustomImageList.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"

namespace {

constexpr int kLabelFontHeight = -12;

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const char* name, TRect bounds) {
  T* c = new T(owner);
  c->SetName(name);
  c->SetParent(parent);
  c->SetBoundsRect(bounds);
  return c;
}

TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const char* name, const char* caption, TRect bounds,
                  TFontStyles style) {
  TLabel* l = Make<TLabel>(owner, parent, name, bounds);
  l->Font()->SetName("Tahoma");
  l->Font()->SetHeight(kLabelFontHeight);
  l->Font()->SetStyle(style);
  l->Font()->SetColor(clWindowText);
  l->SetColor(clWindow);
  l->SetCaption(caption);
  return l;
}

TAction* MakeAction(TComponent* owner, TActionList* list, const char* name, const char* caption, int image,
                    TNotifyEvent execute) {
  auto* a = new TAction(owner);
  a->SetName(name);
  a->SetActionList(list);
  a->SetCaption(caption);
  a->SetImageIndex(image);
  a->OnExecute = std::move(execute);
  return a;
}

// The containers' settings: a solid window-coloured background (the
// gradient, blend and grey-scale settings are kept but not drawn), a
// border of 5 on every side.
void SetUpContainer(TmxContainer* c, TmxBorderLines lines, TColor lineColor) {
  c->SetLines(lines);
  c->SetLineColor(lineColor);
  c->Border()->SetLeft(5);
  c->Border()->SetTop(5);
  c->Border()->SetRight(5);
  c->Border()->SetBottom(5);
  TmxBackground* b = c->Background();
  b->SetStyle(btSolid);
  b->SetColor(clWindow);
  b->Gradient()->SetBeginColor(clBtnFace);
  b->Gradient()->SetEndColor(clBlue);
  b->Gradient()->SetDrawStyle(gtLeftToRight);
  b->Gradient()->SetDirection(gdNormal);
  b->SetAlphaBlend(255);
  b->SetBitmapCopy(bcSrcCopy);
  b->SetGrayscale(false);
  c->SetOptions({tiSetStyle});
}

// The glow buttons' colours: the Office 2007 Luna scheme's.
void SetLunaAppearance(TGlowButtonAppearance* a) {
  a->SetNormal({0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical});
  a->SetHot({0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB, ggVertical, ggVertical});
  a->SetDown({0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B, ggVertical, ggVertical});
  a->SetChecked({0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B, ggVertical, ggVertical});
  a->SetDisabled({0xF2F2F2, 0xF2F2F2, 0xB6B6B6, 0xF2F2F2, 0x808080, ggRadial, ggRadial});
}

// A picture as the layout stores it: the image file's bytes.
void LoadStoredPicture(TGDIPPicture* picture, const char* resource) {
  TMemoryStream stored(FindResource(resource));
  picture->ReadData(stored);
}

TCustomImageList* MakeImageList(TComponent* owner, const char* name, int size, const char* strip) {
  auto* list = new TCustomImageList(owner);
  list->SetName(name);
  list->SetSize(size, size);
  if (strip) list->AddImages(FindResource(strip));
  return list;
}

// The pager's option picture as the layout stores it: a bitmap file.
void LoadStoredBitmapPicture(TAdvToolBarPager* pager, const char* resource) {
  TGDIPPicture picture;
  LoadStoredPicture(&picture, resource);
  pager->SetOptionPicture(&picture);
}

// The tab group "Tools": its range names no tab of the one page, and its
// own colours, which its default appearance leaves unused.
void SetUpToolsGroup(TTabGroupItem& tools) {
  tools.SetCaption("Tools");
  tools.SetCaptionAlignment(taLeftJustify);
  tools.SetDefaultAppearance(true);
  tools.SetImageIndex(-1);
  tools.SetTabIndexStart(1);
  tools.SetTabIndexEnd(2);
  TGroupAppearance& g = tools.GroupAppearance();
  using GV = TGroupAppearanceValues;
  g.Set(&GV::BorderColor, 0xA3B8AC);
  g.Set(&GV::Color, clWhite);
  g.Set(&GV::ColorTo, clWhite);
  g.Set(&GV::ColorMirror, clSilver);
  g.Set(&GV::ColorMirrorTo, clWhite);
  g.Set(&GV::TextColor, clBlue);
  g.CaptionAppearance().Set(&TCaptionAppearanceValues::CaptionColor, clGray);
  using PV = TVistaBackgroundValues;
  g.PageAppearance().Set(&PV::BorderColor, clGray);
  g.PageAppearance().Set(&PV::Color, clWhite);
  g.PageAppearance().Set(&PV::ColorTo, clWhite);
  g.PageAppearance().Set(&PV::ColorMirror, clSilver);
  g.PageAppearance().Set(&PV::ColorMirrorTo, clWhite);
  using TV = TCustomTabAppearanceValues;
  TCustomTabAppearance& tab = g.TabAppearance();
  for (TColor TV::*none : {&TV::BorderColorSelectedHot, &TV::BorderColorDisabled, &TV::BorderColorDown,
                           &TV::ColorDisabled, &TV::ColorDisabledTo, &TV::ColorHotTo, &TV::ColorMirror,
                           &TV::ColorMirrorTo, &TV::ColorMirrorHot, &TV::ColorMirrorHotTo, &TV::ColorMirrorSelected,
                           &TV::ColorMirrorSelectedTo, &TV::ColorMirrorDisabled, &TV::ColorMirrorDisabledTo,
                           &TV::ColorTo})
    tab.Set(none, clNone);
  tab.Set(&TV::BorderColor, clSkyBlue);
  tab.Set(&TV::BorderColorSelected, clSkyBlue);
  tab.Set(&TV::BorderColorHot, clBlue);
  tab.Set(&TV::Color, clSkyBlue);
  tab.Set(&TV::ColorSelected, clWhite);
  tab.Set(&TV::ColorSelectedTo, clSkyBlue);
  tab.Set(&TV::ColorHot, clYellow);
  for (TColor TV::*text : {&TV::TextColor, &TV::TextColorHot, &TV::TextColorSelected}) tab.Set(text, clBlue);
  tab.Set(&TV::TextColorDisabled, clWhite);
  using BV = TGradientBackgroundValues;
  g.ToolBarAppearance().Color().Set(&BV::Color, clWhite);
  g.ToolBarAppearance().Color().Set(&BV::ColorTo, clBtnFace);
  g.ToolBarAppearance().Color().Set(&BV::Direction, gdHorizontal);
  g.ToolBarAppearance().ColorHot().Set(&BV::Color, clNone);
  g.ToolBarAppearance().ColorHot().Set(&BV::ColorTo, clNone);
  for (TFont* font : {&g.Font(), &tab.Font()}) {
    font->SetName("Tahoma");
    font->SetHeight(-11);
  }
}

// The status bar's three dark panels: the version as markup with its
// hint, the selected process's name, and the clock.
void SetUpStatusPanels(TAdvOfficeStatusBar& bar) {
  const struct {
    TAdvOfficeStatusPanelStyle Style;
    int Width;
    TAlignment Alignment;
    const char* Text;
  } panels[] = {{psHTML, 150, taLeftJustify, "Version 2.0.0.0 Build 2"},
                {psText, 200, taCenter, ""},
                {psTime, 50, taCenter, ""}};
  for (const auto& p : panels) {
    TAdvOfficeStatusPanel& panel = bar.AddPanel();
    panel.SetStyle(p.Style);
    panel.SetWidth(p.Width);
    panel.SetAlignment(p.Alignment);
    panel.SetAppearanceStyle(psDark);
    panel.SetText(p.Text);
  }
  bar.Panels(0).HintTitle = "Statusbar";
  bar.Panels(0).HintNotes = "The Office 2007 style statusbar appears here.";
  bar.Panels(2).SetTimeFormat("h:mm:sampm");
}

// A page toolbar as the layout places it.
TAdvToolBar* MakeToolBar(TComponent* owner, TAdvPage* page, const char* name, const char* caption, TRect bounds,
                         TAdvToolBarOfficeStyler* styler) {
  auto* bar = Make<TAdvToolBar>(owner, page, name, bounds);
  bar->SetCaption(caption);
  bar->SetCaptionPosition(cpBottom);
  bar->SetCaptionAlignment(taCenter);
  bar->SetShowCaption(true);
  bar->SetShowRightHandle(false);
  bar->SetAutoPositionControls(false);
  bar->SetAutoSize(false);
  bar->AllowFloating = true;
  bar->SetParentOptionPicture(true);
  bar->CompactImageIndex = -1;
  bar->Font()->SetName("Tahoma");
  bar->Font()->SetHeight(-11);
  bar->SetToolBarStyler(styler);
  return bar;
}

// The logo as the layout stores a picture container's picture: the
// graphic's class name, then its data (a byte count and the JPEG file).
void LoadStoredLogo(TPicture* picture) {
  auto jpeg = FindResource("tolvaris_logo.jpg");
  TMemoryStream stored;
  const std::string name = "TJPEGImage";
  uint8_t nameLength = static_cast<uint8_t>(name.size());
  stored.WriteBuffer(&nameLength, 1);
  stored.WriteBuffer(name.data(), nameLength);
  stored.WriteCountedBytes(jpeg);
  stored.SetPosition(0);
  picture->ReadData(stored);
}

}  // namespace

void TdlgMain::CreateLayout() {
  SetCaption("");
  SetClientSize(574, 575);
  SetPosition(poScreenCenter);
  SetDefaultMonitor(dmPrimary);
  SetBorderIcons({});
  SetColor(clBtnFace);
  Font()->SetName("Tahoma");
  Font()->SetHeight(-11);
  Font()->SetStyle({});
  Font()->SetColor(clWindowText);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };

  ActionList1 = new TActionList(this);
  ActionList1->SetName("ActionList1");
  RefreshAction = MakeAction(this, ActionList1, "RefreshAction", "Refresh List", 0,
                             [this](TObject* s) { RefreshActionExecute(s); });
  KillAction = MakeAction(this, ActionList1, "KillAction", "Kill Process", 1,
                          [this](TObject* s) { KillActionExecute(s); });
  HelpAction = MakeAction(this, ActionList1, "HelpAction", "Help", 2, [this](TObject* s) { HelpActionExecute(s); });
  CloseAction = MakeAction(this, ActionList1, "CloseAction", "Close", 3,
                           [this](TObject* s) { CloseActionExecute(s); });

  imlNormal = MakeImageList(this, "imlNormal", 24, "iml_normal.png");
  imlHot = MakeImageList(this, "imlHot", 24, "iml_hot.png");
  ImageList2 = MakeImageList(this, "ImageList2", 32, nullptr);
  ImageList2->SetBkColor(clWhite);

  AdvToolBarOfficeStyler1 = new TAdvToolBarOfficeStyler(this);
  AdvToolBarOfficeStyler1->SetName("AdvToolBarOfficeStyler1");
  AdvMenuOfficeStyler1 = new TAdvMenuOfficeStyler(this);
  AdvMenuOfficeStyler1->SetName("AdvMenuOfficeStyler1");
  AdvMenuOfficeStyler1->SetStyle(osOffice2007Luna);
  AdvMenuOfficeStyler1->AutoThemeAdapt = false;
  AdvMenuOfficeStyler1->AntiAlias = aaNone;
  AdvToolBarOfficeStyler1->SetAdvMenuStyler(AdvMenuOfficeStyler1);

  // The pager with its one page, a tab group naming no existing tab, and
  // the page's two toolbars holding the glow buttons.
  AdvToolBarPager1 = Make<TAdvToolBarPager>(this, this, "AdvToolBarPager1", TRect::Bounds(0, 0, 574, 133));
  AdvToolBarPager1->Caption().SetCaption(" Morvane by Tolvaris, Inc.");
  AdvToolBarPager1->SetCaptionButtons({cbClose, cbMinimize});
  AdvToolBarPager1->CanMove = true;
  AdvToolBarPager1->SetToolBarStyler(AdvToolBarOfficeStyler1);
  AdvToolBarPager1->SetShowHint(true);
  AdvToolBarPager1->ShowTabHint = true;
  AdvToolBarPager1->TabSettings().SetLeftMargin(25);
  AdvToolBarPager1->TabSettings().SetRightMargin(25);
  AdvToolBarPager1->TabSettings().SetStartMargin(62);
  AdvToolBarPager1->TabSettings().SetEndMargin(0);
  AdvToolBarPager1->SetTabStop(true);
  AdvToolBarPager1->SetTabOrder(0);
  LoadStoredBitmapPicture(AdvToolBarPager1, "toolbar_option.bmp");
  SetUpToolsGroup(AdvToolBarPager1->TabGroups().Add());

  AdvPage1 = Make<TAdvPage>(this, AdvToolBarPager1, "AdvPage1", TRect::Bounds(4, 53, 566, 75));
  AdvPage1->SetCaption("Actions");
  AdvPage1->SetShortCutHint("W");
  AdvToolBar1 = MakeToolBar(this, AdvPage1, "AdvToolBar1", "Select a Process then Choose an Action",
                            TRect::Bounds(3, 3, 348, 69), AdvToolBarOfficeStyler1);
  AdvToolBar12 = MakeToolBar(this, AdvPage1, "AdvToolBar12", "Information", TRect::Bounds(354, 3, 197, 69),
                             AdvToolBarOfficeStyler1);

  auto glowButton = [&](TAdvToolBar* bar, const char* name, TRect bounds, const char* hint) {
    auto* b = Make<TAdvGlowButton>(this, bar, name, bounds);
    b->SetHint(hint);
    b->SetFocusType(ftHot);
    SetLunaAppearance(b->Appearance());
    return b;
  };
  auto actionButton = [&](const char* name, TAction* action, int left, int tabOrder, const char* hint) {
    TAdvGlowButton* b = glowButton(AdvToolBar1, name, TRect::Bounds(left, 5, 81, 45), hint);
    b->SetAction(action);
    b->SetImages(imlNormal);
    b->SetHotImages(imlHot);
    b->NotesFont()->SetName("Tahoma");
    b->NotesFont()->SetHeight(-11);
    b->NotesFont()->SetColor(clWindowText);
    b->SetTabOrder(tabOrder);
    return b;
  };
  gbtnRefreshList = actionButton("gbtnRefreshList", RefreshAction, 5, 1, "Refresh the process listing");
  gbtnKillProcess = actionButton("gbtnKillProcess", KillAction, 90, 0, "Kill the selected process");
  gbtnHelp = actionButton("gbtnHelp", HelpAction, 175, 3, "Launch the help file");
  AdvGlowButton4 = actionButton("AdvGlowButton4", CloseAction, 260, 2, "Close the program");
  LoadStoredPicture(gbtnKillProcess->DisabledPicture(), "kill_disabled.bmp");

  gbtnInternet = glowButton(AdvToolBar12, "gbtnInternet", TRect::Bounds(2, 2, 193, 48), "Visit our web site");
  gbtnInternet->SetCaption("&Internet");
  LoadStoredPicture(gbtnInternet->Picture(), "internet.png");
  gbtnInternet->Notes()->Add("Visit Web Site for More Information");
  gbtnInternet->NotesFont()->SetName("Tahoma");
  gbtnInternet->NotesFont()->SetHeight(-9);
  gbtnInternet->NotesFont()->SetColor(clBlue);
  gbtnInternet->OnClick = [this](TObject* s) { gbtnInternetClick(s); };

  AdvOfficeStatusBarOfficeStyler1 = new TAdvOfficeStatusBarOfficeStyler(this);
  AdvOfficeStatusBarOfficeStyler1->SetName("AdvOfficeStatusBarOfficeStyler1");
  AdvOfficeStatusBarOfficeStyler1->SetStyle(psOffice2007Luna);
  AdvOfficeStatusBar1 =
      Make<TAdvOfficeStatusBar>(this, this, "AdvOfficeStatusBar1", TRect::Bounds(0, 556, 574, 19));
  AdvOfficeStatusBar1->SetStyler(AdvOfficeStatusBarOfficeStyler1);
  AdvOfficeStatusBar1->SetShowHint(true);
  AdvOfficeStatusBar1->AnchorHint = false;
  AdvOfficeStatusBar1->URLColor = clBlue;
  AdvOfficeStatusBar1->Shell = &services_.Shell;
  SetUpStatusPanels(*AdvOfficeStatusBar1);

  mxContainer1 = Make<TmxContainer>(this, this, "mxContainer1", TRect::Bounds(0, 133, 574, 423));
  mxContainer1->SetAlign(alClient);
  SetUpContainer(mxContainer1, {}, clWhite);
  Label6 = MakeLabel(this, mxContainer1, "Label6", "Click to Select a Process", TRect::Bounds(61, 6, 147, 14),
                     {fsBold});
  ListBox1 = Make<TListBox>(this, mxContainer1, "ListBox1", TRect::Bounds(15, 24, 238, 379));
  ListBox1->SetItemHeight(13);
  ListBox1->SetTabOrder(0);
  ListBox1->OnClick = [this](TObject* s) { ListBox1Click(s); };

  mxContainer2 = Make<TmxContainer>(this, mxContainer1, "mxContainer2", TRect::Bounds(298, 10, 222, 266));
  SetUpContainer(mxContainer2, {blLeft, blRight, blTop, blBottom}, clSkyBlue);
  mxContainer2->SetTabOrder(1);
  mxContainer2->OnClick = [this](TObject* s) { FormCreate(s); };
  Label1 = MakeLabel(this, mxContainer2, "Label1", "Selected Process Information", TRect::Bounds(24, 5, 180, 14),
                     {fsBold});

  struct Row {
    TLabel** title;
    const char* titleName;
    const char* caption;
    TRect bounds;
    TLabel** value;
    const char* valueName;
    int valueTop;
  };
  const Row rows[] = {
      {&Flagslbl, "Flagslbl", "Flags", TRect::Bounds(86, 40, 30, 14), &TheFlags, "TheFlags", 41},
      {&ucountlbl, "ucountlbl", "Usage Count", TRect::Bounds(38, 66, 78, 14), &Thecount, "Thecount", 67},
      {&procidlbl, "procidlbl", "Process ID", TRect::Bounds(52, 93, 64, 14), &TheProcID, "TheProcID", 94},
      {&heaplbl, "heaplbl", "Default Heap ID", TRect::Bounds(18, 120, 98, 14), &TheHeapId, "TheHeapId", 121},
      {&modlbl, "modlbl", "Module ID", TRect::Bounds(53, 146, 63, 14), &TheModID, "TheModID", 147},
      {&threadlbl, "threadlbl", "Thread Count", TRect::Bounds(32, 173, 84, 14), &TheThreads, "TheThreads", 174},
      {&parentlbl, "parentlbl", "Parent Process ID", TRect::Bounds(7, 200, 109, 14), &Theparent, "Theparent", 201},
      {&priolbl, "priolbl", "Base Priority", TRect::Bounds(39, 227, 77, 14), &ThePrio, "ThePrio", 228},
  };
  for (const Row& r : rows) {
    // Titles end at x = 116 whatever their width; values are fixed boxes.
    *r.title = MakeLabel(this, mxContainer2, r.titleName, r.caption, r.bounds, {fsBold});
    (*r.title)->SetAlignment(taRightJustify);
    TLabel* v = MakeLabel(this, mxContainer2, r.valueName, "", TRect::Bounds(134, r.valueTop, 73, 13), {fsBold});
    v->SetAutoSize(false);
    v->SetAlignment(taCenter);
    v->SetShowAccelChar(false);
    v->Font()->SetColor(clMaroon);
    v->SetColor(clBtnFace);
    *r.value = v;
  }

  Label2 = MakeLabel(this, mxContainer1, "Label2", "Freeware Provided By", TRect::Bounds(334, 294, 150, 14),
                     {fsBold, fsItalic});
  Label2->SetAutoSize(false);
  Label2->SetAlignment(taCenter);

  Image1 = Make<TImage>(this, mxContainer1, "Image1", TRect::Bounds(320, 313, 179, 100));
  Image1->SetAutoSize(true);
  Image1->SetCursor(crHandPoint);
  Image1->SetTransparent(true);
  Image1->OnClick = [this](TObject* s) { Image1Click(s); };
  LoadStoredLogo(Image1->Picture());
}
