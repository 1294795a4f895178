#include "TStringList.h"

#include "Exceptions.h"

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

const std::string& TStringList::Strings(int Index) const {
  CheckIndex(Index);
  return items_[Index].text;
}

void TStringList::SetString(int Index, std::string Value) {
  CheckIndex(Index);
  if (items_[Index].text == Value) return;
  items_[Index].text = std::move(Value);
  Edited(seChanged, Index);
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index);
  return items_[Index].object;
}

void TStringList::SetObject(int Index, TObject* Value) {
  CheckIndex(Index);
  items_[Index].object = Value;
}

int TStringList::AddObject(std::string S, TObject* AObject) {
  items_.push_back({std::move(S), AObject});
  Edited(seInserted, Count() - 1);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int Index, std::string S, TObject* AObject) {
  if (Index < 0 || Index > Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  items_.insert(items_.begin() + Index, {std::move(S), AObject});
  Edited(seInserted, Index);
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  items_.erase(items_.begin() + Index);
  Edited(seDeleted, Index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Edited(seCleared, -1);
  Changed();
}

int TStringList::IndexOf(std::string_view S) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].text == S) return i;
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  for (const Item& it : items_) {
    out += it.text;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(std::string_view Value) {
  BeginUpdate();
  items_.clear();
  Edited(seCleared, -1);
  size_t start = 0;
  while (start < Value.size()) {
    size_t end = Value.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = Value.size();
    items_.push_back({std::string(Value.substr(start, end - start)), nullptr});
    if (end < Value.size() && Value[end] == '\r' && end + 1 < Value.size() && Value[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  changedWhileUpdating_ = true;
  EndUpdate();
}

void TStringList::BeginUpdate() { ++updateCount_; }

void TStringList::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
    changedWhileUpdating_ = false;
    if (OnChange) OnChange(this);
  }
}

void TStringList::Assign(const TPersistent* Source) {
  if (auto* other = dynamic_cast<const TStringList*>(Source)) {
    BeginUpdate();
    items_ = other->items_;
    Edited(seCleared, -1);
    changedWhileUpdating_ = true;
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

void TStringList::Changed() {
  if (updateCount_ > 0) {
    changedWhileUpdating_ = true;
    return;
  }
  if (OnChange) OnChange(this);
}
