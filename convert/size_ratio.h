// Categories whose units are all multiples of one base unit: each unit has a size in that base
// unit, and a pair converts by the factor K = size(from) / size(to), formed in extended
// precision from the exact sizes, so every pair is as accurate as the sizes themselves.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/fp_faults.h"

namespace vaneko::convert {

// One row of a category's unit table: the unit's list position and its size in the category's
// base unit. A category may use its own row type with these two members and more.
struct UnitSize {
  int position;
  long double size;
};

// True when row n of the table describes list position n, for every row, and every size is
// positive; the tables are indexed by position.
template <class Row, std::size_t N>
constexpr bool PositionsInListOrder(const std::array<Row, N>& units) {
  for (std::size_t n = 0; n < N; ++n) {
    if (units[n].position != static_cast<int>(n) || !(units[n].size > 0)) return false;
  }
  return true;
}

template <class Row, std::size_t N>
constexpr bool IsPosition(const std::array<Row, N>& /*units*/, int position) {
  return position >= 0 && position < static_cast<int>(N);
}

// K = size(from) / size(to) of the pair (i, j), or nullopt when a position is outside the table
// (-1 is "no selection").
template <class Row, std::size_t N>
std::optional<Extended> SizeRatio(const std::array<Row, N>& units, int i, int j) {
  if (!IsPosition(units, i) || !IsPosition(units, j)) return std::nullopt;
  const Extended from = units[static_cast<std::size_t>(i)].size;
  const Extended to = units[static_cast<std::size_t>(j)].size;
  return from / to;
}

// `value` × K of the pair (i, j) in extended precision, or nullopt as SizeRatio.
template <class Row, std::size_t N>
std::optional<Extended> ConvertBySizes(const std::array<Row, N>& units, int i, int j,
                                       double value) {
  const std::optional<Extended> factor = SizeRatio(units, i, j);
  if (!factor) return std::nullopt;
  return static_cast<Extended>(value) * *factor;
}

}  // namespace vaneko::convert
