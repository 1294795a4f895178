// A small set of enumeration values, the way the kit's option sets are
// written: TSet<TBorderLine>{blLeft, blTop}.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr TSet& Include(E v) { bits_ |= Bit(v); return *this; }
  constexpr TSet& Exclude(E v) { bits_ &= ~Bit(v); return *this; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint64_t Bits() const { return bits_; }
  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr uint64_t Bit(E v) { return uint64_t{1} << static_cast<unsigned>(v); }
  static constexpr TSet FromBits(uint64_t b) { TSet s; s.bits_ = b; return s; }
  uint64_t bits_ = 0;
};
