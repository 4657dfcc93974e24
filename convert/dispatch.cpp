#include "convert/dispatch.h"

#include <array>
#include <cstddef>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "core/exact_size.h"

namespace vaneko::convert {

namespace {

using catalogue::UnitRow;

template <class Row>
bool IsPosition(std::span<const Row> rows, int position) {
  return position >= 0 && position < static_cast<int>(rows.size());
}

template <class Row>
const Row& At(std::span<const Row> rows, int position) {
  return rows[static_cast<std::size_t>(position)];
}

// Degrees of scale `from` to degrees of scale `to`, both affine maps of the kelvin:
// kelvins = degrees × degree + zero.
ExactMap TemperatureMap(const catalogue::TemperatureRow& from,
                        const catalogue::TemperatureRow& to) {
  return {from.degree / to.degree, (from.zero + to.zero * Whole(-1)) / to.degree};
}

std::optional<ExactMap> SizedMap(std::span<const UnitRow> rows, int i, int j) {
  if (!IsPosition(rows, i) || !IsPosition(rows, j)) return std::nullopt;
  const UnitRow& from = At(rows, i);
  const UnitRow& to = At(rows, j);
  if (from.scale == to.scale) return ExactMap{from.size / to.size};
  // v of a unit of size a is 1 / (v × a) of the other scale's reference, that is
  // (1 / (a × b)) / v of a unit of size b.
  return ExactMap{Whole(1) / (from.size * to.size), Whole(0), true};
}

// A food's millilitres per gram and a kitchen measure's millilitres, for the two directions of
// the kitchen tab; nothing for a heading or blank line or a position beyond the lists.
struct FoodAndMeasure {
  ExactSize millilitresPerGram;
  ExactSize measureMillilitres;
};
std::optional<FoodAndMeasure> FoodAndMeasureAt(int food, int measure) {
  const auto foods = catalogue::FoodRows();
  const auto measures = catalogue::MeasureRows();
  if (!IsPosition(foods, food) || !IsPosition(measures, measure)) return std::nullopt;
  const auto& millilitresPerGram = At(foods, food).millilitresPerGram;
  if (!millilitresPerGram) return std::nullopt;
  return FoodAndMeasure{*millilitresPerGram, At(measures, measure).size};
}

// Grams to a measure: the volume first, in millilitres, then the measure's count per millilitre.
std::optional<ExactMap> FoodMap(int food, int measure) {
  const auto both = FoodAndMeasureAt(food, measure);
  if (!both) return std::nullopt;
  return ExactMap{both->millilitresPerGram / both->measureMillilitres};
}

// The inverse of FoodMap: the volume in millilitres first, then the grams it holds.
std::optional<ExactMap> GramsOfMeasureMap(int measure, int food) {
  const auto both = FoodAndMeasureAt(food, measure);
  if (!both) return std::nullopt;
  return ExactMap{both->measureMillilitres / both->millilitresPerGram};
}

template <int Tab>
std::optional<Extended> ConvertInTab(int i, int j, const DecimalNumber& value) {
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

std::optional<ExactMap> PairMap(int tab, int i, int j) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return std::nullopt;
  switch (catalogue::KindOf(tab)) {
    case catalogue::CategoryKind::Affine: {
      const auto rows = catalogue::TemperatureRows();
      if (!IsPosition(rows, i) || !IsPosition(rows, j)) return std::nullopt;
      return TemperatureMap(At(rows, i), At(rows, j));
    }
    case catalogue::CategoryKind::Food:
      return FoodMap(i, j);
    case catalogue::CategoryKind::Sized:
      return SizedMap(catalogue::UnitRows(tab), i, j);
  }
  return std::nullopt;
}

std::optional<ExactMap> MeasureToGramsMap(int measure, int food) {
  return GramsOfMeasureMap(measure, food);
}

// The maps of every pair of a tab, combined from its rows once, at the tab's first conversion
// (at most 38 × 38 of them): combining exact sizes takes a few hundred nanoseconds, which a
// conversion would otherwise pay each time; a lookup takes none.
const std::optional<ExactMap>* CachedPairMap(int tab, int i, int j) {
  static std::array<std::once_flag, catalogue::kCategoryCount> filled;
  static std::array<std::vector<std::optional<ExactMap>>, catalogue::kCategoryCount> maps;
  if (tab < 0 || tab >= catalogue::kCategoryCount) return nullptr;
  const auto tabIndex = static_cast<std::size_t>(tab);
  const int from = static_cast<int>(catalogue::FromList(tab, catalogue::Language::French).size());
  const int to = static_cast<int>(catalogue::ToList(tab, catalogue::Language::French).size());
  if (i < 0 || j < 0 || i >= from || j >= to) return nullptr;
  std::call_once(filled[tabIndex], [&] {
    maps[tabIndex].reserve(static_cast<std::size_t>(from * to));
    for (int a = 0; a < from; ++a)
      for (int b = 0; b < to; ++b) maps[tabIndex].push_back(PairMap(tab, a, b));
  });
  return &maps[tabIndex][static_cast<std::size_t>(i * to + j)];
}

std::optional<Extended> ConvertPair(int tab, int i, int j, const DecimalNumber& value) {
  const std::optional<ExactMap>* map = CachedPairMap(tab, i, j);
  if (map == nullptr || !*map) return std::nullopt;
  return ApplyExactly(value, **map);
}

PairFormula CategoryFormula(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return nullptr;
  return kFormulas[static_cast<std::size_t>(tab)];
}

}  // namespace vaneko::convert
