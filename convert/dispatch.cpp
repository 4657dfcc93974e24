#include "convert/dispatch.h"

#include <array>
#include <cstddef>
#include <mutex>
#include <span>
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

// The kitchen tab's two ways between the grams of a food and an amount in a measure, through
// the volume in millilitres: grams × (millilitres per gram of the food) / (millilitres of the
// measure), and its exact inverse. Nothing for a heading or blank line or a position beyond
// the lists.
enum class KitchenWay { kGramsToMeasure, kMeasureToGrams };

std::optional<ExactMap> KitchenMap(int food, int measure, KitchenWay way) {
  const auto foods = catalogue::FoodRows();
  const auto measures = catalogue::MeasureRows();
  if (!IsPosition(foods, food) || !IsPosition(measures, measure)) return std::nullopt;
  const auto& millilitresPerGram = At(foods, food).millilitresPerGram;
  if (!millilitresPerGram) return std::nullopt;
  const ExactSize& measureMillilitres = At(measures, measure).size;
  if (way == KitchenWay::kGramsToMeasure) return ExactMap{*millilitresPerGram / measureMillilitres};
  return ExactMap{measureMillilitres / *millilitresPerGram};
}

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
      return KitchenMap(i, j, KitchenWay::kGramsToMeasure);
    case catalogue::CategoryKind::Sized:
      return SizedMap(catalogue::UnitRows(tab), i, j);
  }
  return std::nullopt;
}

std::optional<ExactMap> MeasureToGramsMap(int measure, int food) {
  return KitchenMap(food, measure, KitchenWay::kMeasureToGrams);
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

}  // namespace vaneko::convert
