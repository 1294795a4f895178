#include "TTabGroups.h"

TTabGroupItem& TTabGroups::Add() {
  items_.push_back(std::make_unique<TTabGroupItem>());
  items_.back()->OnChange = [this] { Changed(); };
  Changed();
  return *items_.back();
}

void TTabGroups::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  items_.erase(items_.begin() + Index);
  Changed();
}

void TTabGroups::Clear() {
  items_.clear();
  Changed();
}

int TTabGroups::GroupOf(int I) const {
  for (int g = 0; g < Count(); ++g)
    if (items_[g]->Covers(I)) return g;
  return -1;
}
