// The Office hint information a widget publishes as "OfficeHint": a bold
// title, the notes, a picture left of the notes and the help line switch.
#pragma once

#include <memory>
#include <string>

#include "core/TPersistent.h"

class TGDIPPicture;
class TStringList;

class TAdvHintInfo : public TPersistent {
 public:
  TAdvHintInfo();
  ~TAdvHintInfo() override;
  std::string ClassName() const override { return "TAdvHintInfo"; }

  // Copies every member, the picture by its bytes.
  void Assign(const TPersistent* Source) override;

  std::string Title;
  bool ShowHelp = false;
  // UTF-16 texts that stand in for Title and Notes while those are empty.
  std::u16string WideTitle;
  std::u16string WideNotes;

  TStringList* Notes() const { return notes_.get(); }
  // Copies the lines.
  void SetNotes(const TStringList* Value);
  TGDIPPicture* Picture() const { return picture_.get(); }
  // Copies the picture.
  void SetPicture(const TGDIPPicture* Value);

  // The notes as one text: every line followed by a line break.
  std::string NotesText() const;
  std::string WideTitleText() const;
  std::string WideNotesText() const;
  // Neither a title nor notes of either kind: nothing of its own to show.
  bool IsEmpty() const;

 private:
  std::unique_ptr<TStringList> notes_;
  std::unique_ptr<TGDIPPicture> picture_;
};
