#pragma once
// A set of enumeration values as a bit set (the toolkit's "set of" types).
#include <cstdint>
#include <initializer_list>

/// A set over an enumeration whose values lie in 0..63.
template <class E> class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) FBits |= Bit(v);
  }

  constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E v) { FBits |= Bit(v); return *this; }
  constexpr TSet& Exclude(E v) { FBits &= ~Bit(v); return *this; }

  constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
  constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
  constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
  constexpr TSet& operator+=(TSet o) { FBits |= o.FBits; return *this; }
  constexpr TSet& operator-=(TSet o) { FBits &= ~o.FBits; return *this; }
  constexpr bool operator==(const TSet&) const = default;

  constexpr uint64_t Bits() const { return FBits; }
  static constexpr TSet FromBits(uint64_t bits) { TSet s; s.FBits = bits; return s; }

private:
  static constexpr uint64_t Bit(E v) { return uint64_t(1) << static_cast<unsigned>(v); }
  uint64_t FBits { 0 };
};
