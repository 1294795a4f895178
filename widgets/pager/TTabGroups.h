// The pager's tab groups in collection order; any change of an item tells
// the pager.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "TTabGroupItem.h"

class TTabGroups {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TTabGroupItem& Items(int Index) const { return *items_.at(Index); }
  TTabGroupItem& Add();
  void Delete(int Index);
  void Clear();
  // The first group, in collection order, that covers page index I; -1.
  int GroupOf(int I) const;

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<std::unique_ptr<TTabGroupItem>> items_;
};
