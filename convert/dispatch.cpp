#include "convert/dispatch.h"

#include <array>
#include <cstddef>
#include <span>
#include <utility>

#include "catalogue/catalogue.h"
#include "core/base_units.h"
#include "core/exact_size.h"
#include "registry/std_units.h"

namespace vaneko::convert {

namespace {

using catalogue::UnitRow;
using registry::StdUnit;

template <class Row>
bool IsPosition(std::span<const Row> rows, int position) {
  return position >= 0 && position < static_cast<int>(rows.size());
}

template <class Row>
const Row& At(std::span<const Row> rows, int position) {
  return rows[static_cast<std::size_t>(position)];
}

std::optional<Extended> ThroughRegistry(StdUnit from, StdUnit to, double value) {
  return registry::Convert(value, registry::StdType(from), registry::StdType(to));
}

// Centimetres are reached from any other length through metres, and the metres multiplied by
// 100 in extended precision; only from the metre itself does the registry convert to the
// centimetre directly.
std::optional<Extended> BetweenRegisteredUnits(StdUnit from, StdUnit to, double value) {
  if (to == StdUnit::Centimeters && from != StdUnit::Meters) {
    const std::optional<Extended> metres = ThroughRegistry(from, StdUnit::Meters, value);
    return *metres * ToExtended(units::kMetre / units::kCentimetre);
  }
  return ThroughRegistry(from, to, value);
}

std::optional<Extended> ConvertTemperature(int i, int j, double value) {
  const auto rows = catalogue::TemperatureRows();
  if (!IsPosition(rows, i) || !IsPosition(rows, j)) return std::nullopt;
  return ThroughRegistry(At(rows, i).registered, At(rows, j).registered, value);
}

std::optional<Extended> ConvertSized(std::span<const UnitRow> rows, int i, int j, double value) {
  if (!IsPosition(rows, i) || !IsPosition(rows, j)) return std::nullopt;
  const UnitRow& from = At(rows, i);
  const UnitRow& to = At(rows, j);
  if (from.registered && to.registered) {
    return BetweenRegisteredUnits(*from.registered, *to.registered, value);
  }
  const Extended fromSize = ToExtended(from.size);
  const Extended toSize = ToExtended(to.size);
  if (from.scale == to.scale) return static_cast<Extended>(value) * (fromSize / toSize);
  // v of a unit of size a is 1 / (v × a) of the other scale's reference, that is
  // (1 / (a × b)) / v of a unit of size b. A value of 0 raises the division-by-zero fault.
  const Extended constant = 1.0L / (fromSize * toSize);
  return constant / static_cast<Extended>(value);
}

// The volume first, in millilitres, then the measure's count per millilitre.
std::optional<Extended> ConvertFood(int i, int j, double value) {
  const auto foods = catalogue::FoodRows();
  const auto measures = catalogue::MeasureRows();
  if (!IsPosition(foods, i) || !IsPosition(measures, j)) return std::nullopt;
  const auto& millilitresPerGram = At(foods, i).millilitresPerGram;
  if (!millilitresPerGram) return std::nullopt;
  const Extended millilitres = static_cast<Extended>(value) * ToExtended(*millilitresPerGram);
  return millilitres * ToExtended(Whole(1) / At(measures, j).size);
}

template <int Tab>
std::optional<Extended> ConvertInTab(int i, int j, double value) {
  return ConvertPair(Tab, i, j, value);
}

template <int... Tabs>
constexpr std::array<PairFormula, sizeof...(Tabs)> FormulasOf(
    std::integer_sequence<int, Tabs...> /*tabs*/) {
  return {ConvertInTab<Tabs>...};
}

// Indexed by tab.
constexpr auto kFormulas = FormulasOf(std::make_integer_sequence<int, catalogue::kCategoryCount>());

}  // namespace

std::optional<Extended> ConvertPair(int tab, int i, int j, double value) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return std::nullopt;
  switch (catalogue::KindOf(tab)) {
    case catalogue::CategoryKind::Affine:
      return ConvertTemperature(i, j, value);
    case catalogue::CategoryKind::Food:
      return ConvertFood(i, j, value);
    case catalogue::CategoryKind::Sized:
      return ConvertSized(catalogue::UnitRows(tab), i, j, value);
  }
  return std::nullopt;
}

PairFormula CategoryFormula(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return nullptr;
  return kFormulas[static_cast<std::size_t>(tab)];
}

}  // namespace vaneko::convert
