#include "convert/dispatch.h"

#include <array>

#include "catalogue/catalogue.h"

namespace vaneko::convert {

namespace {

// Indexed by tab; a category without formulas leaves the result field as it was.
constexpr std::array<PairFormula, catalogue::kCategoryCount> kFormulas = {
    ConvertTemperature,  // 0
    ConvertDistance,     // 1
    ConvertMass,         // 2
    ConvertArea,         // 3
    nullptr,             // 4 liquid volume
    nullptr,             // 5 kitchen measures
    nullptr,             // 6 pressure
    nullptr,             // 7 velocity
    nullptr,             // 8 acceleration
    nullptr,             // 9 force
    nullptr,             // 10 energy
    nullptr,             // 11 power
    nullptr,             // 12 fuel economy
    nullptr,             // 13 volume flow
    nullptr,             // 14 mass flow
    nullptr,             // 15 torque
    nullptr,             // 16 radioactivity
    nullptr,             // 17 angles
};

}  // namespace

PairFormula CategoryFormula(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return nullptr;
  return kFormulas[static_cast<std::size_t>(tab)];
}

}  // namespace vaneko::convert
