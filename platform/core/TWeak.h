// A non-owning reference to a component: the pointer and the component's
// liveness token. It reads as nullptr from the moment the component starts
// going away, so a freed component is never reached through it.
#pragma once

#include <cassert>
#include <memory>
#include <type_traits>
#include <vector>

#include "TComponent.h"

template <class T>
class TWeak {
 public:
  TWeak() = default;
  TWeak(T* Target) { Set(Target); }
  TWeak& operator=(T* Target) {
    Set(Target);
    return *this;
  }

  T* Get() const { return alive_.expired() ? nullptr : target_; }
  T* operator->() const {
    T* target = Get();
    assert(target && "reached through an empty or expired handle");
    return target;
  }
  explicit operator bool() const { return Get() != nullptr; }
  // Whether the handle was made for Target, gone or not: a list of weak
  // handles finds the entry of a component in its destructor.
  bool Refers(const T* Target) const { return target_ == Target; }
  // The same for a component known only by its base, as a parent's list
  // of children tells of one in its destructor.
  bool RefersTo(const TComponent* Component) const { return static_cast<const TComponent*>(target_) == Component; }
  void Reset() {
    target_ = nullptr;
    alive_.reset();
  }

  // Compares what the handle reaches now: an expired handle equals no
  // live component, only nullptr.
  template <class U>
  friend bool operator==(const TWeak& A, const U* B) {
    return A.Get() == B;
  }
  friend bool operator==(const TWeak& A, std::nullptr_t) { return !A; }

 private:
  void Set(T* Target) {
    static_assert(std::is_base_of_v<TComponent, T>, "a weak handle refers to a component");
    target_ = Target;
    alive_ = Target ? static_cast<const TComponent*>(Target)->AliveToken() : std::weak_ptr<void>();
  }

  T* target_ = nullptr;
  std::weak_ptr<void> alive_;
};

// The place in List of the handle made for Target, gone or not; -1.
template <class T>
int IndexOfWeak(const std::vector<TWeak<T>>& List, const T* Target) {
  if (!Target) return -1;
  for (size_t i = 0; i < List.size(); ++i)
    if (List[i].Refers(Target)) return static_cast<int>(i);
  return -1;
}

// What the handle at Index reaches, or nullptr (also out of range).
template <class T>
T* WeakAt(const std::vector<TWeak<T>>& List, int Index) {
  return Index >= 0 && Index < static_cast<int>(List.size()) ? List[Index].Get() : nullptr;
}
