// The colours, fonts and pictures of the Office-look menus: the body, the
// icon column, the highlighted item, the menu bar's items, separators,
// buttons, an optional side bar and the mark glyphs. It has no schemes;
// the toolbar styler owns one privately and copies another into it.
#pragma once

#include "OfficeText.h"
#include "TMenuBackground.h"
#include "TMenuButtonAppearance.h"
#include "TMenuGlyphs.h"
#include "TMenuIconBar.h"
#include "TMenuRootItem.h"
#include "TMenuSelectedItem.h"
#include "TMenuSeparator.h"
#include "TMenuSideBar.h"
#include "core/TComponent.h"
#include "core/TWeak.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

class TCustomAdvMenuStyler : public TComponent {
 public:
  explicit TCustomAdvMenuStyler(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomAdvMenuStyler"; }
  // Copies every colour set, font, glyph and flag, silently; the menu
  // stays the one that uses this styler.
  void Assign(const TPersistent* Source) override;

  TColor MenuBorderColor = 0x7C7C94;
  TAntiAlias AntiAlias = aaClearType;
  bool UseSystemFont = true;
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TFont& NotesFont() { return notesFont_; }
  const TFont& NotesFont() const { return notesFont_; }

  TMenuBackground& Background() { return background_; }
  const TMenuBackground& Background() const { return background_; }
  TMenuButtonAppearance& ButtonAppearance() { return buttonAppearance_; }
  const TMenuButtonAppearance& ButtonAppearance() const { return buttonAppearance_; }
  TMenuIconBar& IconBar() { return iconBar_; }
  const TMenuIconBar& IconBar() const { return iconBar_; }
  TMenuSelectedItem& SelectedItem() { return selectedItem_; }
  const TMenuSelectedItem& SelectedItem() const { return selectedItem_; }
  // Its hot and selected colours tell the menu when they change.
  TMenuRootItem& RootItem() { return rootItem_; }
  const TMenuRootItem& RootItem() const { return rootItem_; }
  TMenuGlyphs& Glyphs() { return glyphs_; }
  const TMenuGlyphs& Glyphs() const { return glyphs_; }
  TMenuSideBar& SideBar() { return sideBar_; }
  const TMenuSideBar& SideBar() const { return sideBar_; }
  TMenuSeparator& Separator() { return separator_; }
  const TMenuSeparator& Separator() const { return separator_; }

  // The one menu that uses this styler (an IMenuStylerClient), set by the
  // menu; nullptr when none or gone.
  TComponent* Menu() const { return menu_.Get(); }
  void SetMenu(TComponent* Value);
  // Redraws the menu's bar when the menu is a main menu.
  void RedrawMenuBar();

 private:
  TFont font_, notesFont_;
  TMenuBackground background_;
  TMenuButtonAppearance buttonAppearance_;
  TMenuIconBar iconBar_;
  TMenuSelectedItem selectedItem_;
  TMenuRootItem rootItem_;
  TMenuGlyphs glyphs_;
  TMenuSideBar sideBar_;
  TMenuSeparator separator_;
  TWeak<TComponent> menu_;
};
