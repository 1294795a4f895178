// The base of the styler's small colour sets: a plain struct of values,
// read whole, written field by field through Set, which tells the owner
// (OnChange) when a value changes. Assign copies silently: the owner that
// copies decides whom to tell.
#pragma once

#include <string>
#include <type_traits>

#include "core/TPersistent.h"

template <class V>
class TValueHolder : public TPersistent {
 public:
  using Values_t = V;
  const V& Values() const { return v_; }

  // Stores Value in Field; tells the owner when it differs (or always, for
  // holders built to report every write).
  template <class F>
  void Set(F V::*Field, std::type_identity_t<F> Value) {
    if (!alwaysNotify_ && v_.*Field == Value) return;
    v_.*Field = Value;
    Changed();
  }

  void Assign(const TPersistent* Source) override {
    if (auto* s = dynamic_cast<const TValueHolder*>(Source)) {
      v_ = s->v_;
      AssignNested(*s);
      return;
    }
    TPersistent::Assign(Source);
  }

  TNotifyEvent OnChange;

 protected:
  explicit TValueHolder(V Defaults = {}, bool AlwaysNotify = false)
      : v_(Defaults), alwaysNotify_(AlwaysNotify) {}
  V& MutableValues() { return v_; }
  // Copies what lives beside the values (nested holders, fonts).
  virtual void AssignNested([[maybe_unused]] const TValueHolder& Source) {}
  void Changed() {
    if (OnChange) OnChange(this);
  }

 private:
  V v_;
  bool alwaysNotify_;
};
