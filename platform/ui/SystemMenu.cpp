#include "SystemMenu.h"

#include <memory>

#include "Messages.h"
#include "TCustomForm.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"

namespace {

struct TEntry {
  const char* Caption;
  int Command;  // 0: a separator
};
constexpr TEntry kEntries[] = {
    {"&Restore", SC_RESTORE}, {"&Move", SC_MOVE},         {"&Size", SC_SIZE}, {"Mi&nimize", SC_MINIMIZE},
    {"Ma&ximize", SC_MAXIMIZE}, {"-", 0}, {"&Close", SC_CLOSE},
};

bool Sizeable(const TCustomForm& Form) {
  return Form.BorderStyle() == bsSizeable || Form.BorderStyle() == bsSizeToolWin;
}

// The minimise and maximise boxes of a border style and its icons.
bool HasBox(const TCustomForm& Form, TBorderIcon Icon) {
  TFormBorderStyle style = Form.BorderStyle();
  if (style == bsDialog || style == bsToolWindow || style == bsSizeToolWin || style == bsNone) return false;
  return Form.BorderIcons().Contains(biSystemMenu) && Form.BorderIcons().Contains(Icon);
}

}  // namespace

bool SystemCommandEnabled(const TCustomForm& Form, int Command) {
  const TWindowState state = Form.WindowState();
  switch (Command & 0xFFF0) {
    case SC_RESTORE: return state != wsNormal;
    case SC_MOVE: return state == wsNormal;
    case SC_SIZE: return state == wsNormal && Sizeable(Form);
    case SC_MINIMIZE: return state != wsMinimized && HasBox(Form, biMinimize);
    case SC_MAXIMIZE: return state != wsMaximized && HasBox(Form, biMaximize);
    case SC_CLOSE: return true;
    default: return false;
  }
}

int TrackSystemMenu(TCustomForm& Form, TPoint Screen) {
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  menu->SetPopupComponent(&Form);
  for (const TEntry& e : kEntries) {
    TMenuItem* item = menu->Add(e.Caption);
    item->SetEnabled(e.Command == 0 || SystemCommandEnabled(Form, e.Command));
  }
  TMenuItem* chosen = menu->TrackPopup(Screen.X, Screen.Y);
  for (int i = 0; chosen && i < menu->Count(); ++i)
    if (menu->Items(i) == chosen) return kEntries[i].Command;
  return 0;
}
