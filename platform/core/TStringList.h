// An ordered list of strings, each with an associated object that the list
// does not own (the caller frees it), and a change event.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TPersistent.h"

enum TStringsEdit { seInserted, seDeleted, seCleared, seChanged };

class TStringList : public TPersistent {
 public:
  std::string ClassName() const override { return "TStringList"; }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int Index) const;
  void SetString(int Index, std::string Value);
  TObject* Objects(int Index) const;
  void SetObject(int Index, TObject* Value);

  int Add(std::string S) { return AddObject(std::move(S), nullptr); }
  int AddObject(std::string S, TObject* AObject);
  void Insert(int Index, std::string S, TObject* AObject = nullptr);
  void Delete(int Index);
  void Clear();
  int IndexOf(std::string_view S) const;

  // Every string followed by a carriage return and line feed.
  std::string Text() const;
  // Splits at CR LF, CR or LF.
  void SetText(std::string_view Value);

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  void Assign(const TPersistent* Source) override;

  // After a batch of changes (at EndUpdate while updating).
  TNotifyEvent OnChange;
  // After each single change, also while updating; Index is the string's.
  std::function<void(TStringsEdit Edit, int Index)> OnEdit;

 protected:
  void Changed();
  void Edited(TStringsEdit Edit, int Index) {
    if (OnEdit) OnEdit(Edit, Index);
  }

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  void CheckIndex(int Index) const;
  std::vector<Item> items_;
  int updateCount_ = 0;
  bool changedWhileUpdating_ = false;
};
