// The inner margin of a container item: four 16-bit widths in pixels
// between its edges and the area its children are aligned in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/TPersistent.h"

class TmxBorder : public TPersistent {
 public:
  // OnChange is called after every change (the owning item's notice).
  explicit TmxBorder(std::function<void()> OnChange = {});
  std::string ClassName() const override { return "TmxBorder"; }
  // Copies the four widths as one change.
  void Assign(const TPersistent* Source) override;

  uint16_t Top() const { return top_; }
  void SetTop(uint16_t Value) { Set(top_, Value); }
  uint16_t Bottom() const { return bottom_; }
  void SetBottom(uint16_t Value) { Set(bottom_, Value); }
  uint16_t Left() const { return left_; }
  void SetLeft(uint16_t Value) { Set(left_, Value); }
  uint16_t Right() const { return right_; }
  void SetRight(uint16_t Value) { Set(right_, Value); }

 private:
  void Set(uint16_t& Field, uint16_t Value);
  void Changed();

  std::function<void()> onChange_;
  uint16_t top_ = 0;
  uint16_t bottom_ = 0;
  uint16_t left_ = 0;
  uint16_t right_ = 0;
};
