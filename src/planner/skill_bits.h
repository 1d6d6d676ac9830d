// A set of skill numbers as one bit per number, the currency of the route
// search: skills held, pools, inherited sets and what a parent can take.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "data/types.h"

namespace qmoor {

class SkillBits {
 public:
  constexpr void add(int skill) { words_[skill / 64] |= std::uint64_t{1} << (skill % 64); }
  constexpr bool contains(int skill) const { return (words_[skill / 64] >> (skill % 64)) & 1; }
  constexpr int count() const {
    int total = 0;
    for (std::uint64_t word : words_) total += bitsIn(word);
    return total;
  }
  constexpr bool empty() const {
    for (std::uint64_t word : words_) {
      if (word != 0) return false;
    }
    return true;
  }
  constexpr bool isSubsetOf(const SkillBits& other) const {
    for (std::size_t i = 0; i < Words; ++i) {
      if (words_[i] & ~other.words_[i]) return false;
    }
    return true;
  }
  constexpr SkillBits operator|(const SkillBits& other) const { return combine(other, [](auto a, auto b) { return a | b; }); }
  constexpr SkillBits operator&(const SkillBits& other) const { return combine(other, [](auto a, auto b) { return a & b; }); }
  constexpr SkillBits without(const SkillBits& other) const { return combine(other, [](auto a, auto b) { return a & ~b; }); }
  // The `count` lowest skill numbers of the set (all of them when it holds fewer).
  constexpr SkillBits lowest(int count) const {
    SkillBits result;
    for (std::size_t i = 0; i < Words && count > 0; ++i) {
      for (std::uint64_t word = words_[i]; word != 0 && count > 0; word &= word - 1, --count) {
        result.words_[i] |= word & -word;
      }
    }
    return result;
  }
  // The skill numbers in ascending order.
  std::vector<int> list() const {
    std::vector<int> skills;
    for (std::size_t i = 0; i < Words; ++i) {
      for (std::uint64_t word = words_[i]; word != 0; word &= word - 1) {
        skills.push_back(static_cast<int>(i * 64) + std::countr_zero(word));
      }
    }
    return skills;
  }
  constexpr std::uint64_t hash() const {
    std::uint64_t value = 0;
    for (std::uint64_t word : words_) value = (value ^ word) * 0x100000001b3ULL + (value >> 29);
    return value;
  }
  // The words joined into one: a subset's folding lies within its superset's.
  constexpr std::uint64_t folded() const {
    std::uint64_t value = 0;
    for (std::uint64_t word : words_) value |= word;
    return value;
  }
  friend constexpr bool operator==(const SkillBits&, const SkillBits&) = default;

 private:
  static constexpr std::size_t Words = (SkillNumberTotal + 63) / 64;
  // The bits set in a word, counted in place: the search counts sets very
  // often, and a build for any x86-64 would call a library routine for each.
  static constexpr int bitsIn(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555ULL;
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
  }
  template <class Op>
  constexpr SkillBits combine(const SkillBits& other, Op op) const {
    SkillBits result;
    for (std::size_t i = 0; i < Words; ++i) result.words_[i] = op(words_[i], other.words_[i]);
    return result;
  }
  std::array<std::uint64_t, Words> words_{};
};

}  // namespace qmoor
