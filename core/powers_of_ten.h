// Powers of ten that the extended format holds exactly (5^27 < 2^64): scaling by one of them
// rounds once. Shared by the number writer and the exact conversions.
#pragma once

#include <array>

#include "core/fp_faults.h"

namespace vaneko {

inline constexpr std::array<Extended, 28> kExactPowersOfTen = [] {
  std::array<Extended, 28> powers{};
  Extended power = 1;
  for (Extended& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

}  // namespace vaneko
