// Lookup of tab captions, unit lists, symbols and rows. Each category is one table of rows; the
// lists are handed out one language at a time, so each table's names are split at compile time
// into a French and an English array that a span can point into.
#include "catalogue/catalogue.h"

#include <array>
#include <cstddef>
#include <iterator>

#include "catalogue/bilingual_name.h"
#include "catalogue/kitchen_foods.h"
#include "catalogue/kitchen_measures.h"
#include "catalogue/tab_captions.h"
#include "catalogue/units_acceleration.h"
#include "catalogue/units_angles.h"
#include "catalogue/units_area.h"
#include "catalogue/units_distance.h"
#include "catalogue/units_energy.h"
#include "catalogue/units_force.h"
#include "catalogue/units_fuel_economy.h"
#include "catalogue/units_liquid_volume.h"
#include "catalogue/units_mass.h"
#include "catalogue/units_mass_flow.h"
#include "catalogue/units_power.h"
#include "catalogue/units_pressure.h"
#include "catalogue/units_radioactivity.h"
#include "catalogue/units_temperature.h"
#include "catalogue/units_torque.h"
#include "catalogue/units_velocity.h"
#include "catalogue/units_volume_flow.h"

namespace vaneko::catalogue {
namespace {

using namespace unit_tables;
using NameList = std::span<const std::string_view>;
using SymbolList = std::span<const std::string_view>;

constexpr int kLanguageCount = 2;

// The names and symbols of one table, one array per language.
template <std::size_t N>
struct SplitTable {
  std::array<std::string_view, N> french{};
  std::array<std::string_view, N> english{};
  std::array<std::string_view, N> symbols{};
};

// A unit row names its unit in both languages; a kitchen row in one wording for both.
constexpr BilingualName NamesOf(const UnitRow& row) {
  return row.name;
}
constexpr BilingualName NamesOf(const TemperatureRow& row) {
  return row.name;
}
constexpr BilingualName NamesOf(const FoodRow& row) {
  return {row.name, row.name};
}
constexpr BilingualName NamesOf(const MeasureRow& row) {
  return {row.name, row.name};
}
constexpr std::string_view SymbolOf(const FoodRow& /*row*/) {
  return {};
}
template <class Row>
constexpr std::string_view SymbolOf(const Row& row) {
  return row.symbol;
}

template <class Row, std::size_t N>
constexpr SplitTable<N> Split(std::span<const Row, N> rows) {
  SplitTable<N> split;
  for (std::size_t i = 0; i < N; ++i) {
    split.french[i] = NamesOf(rows[i]).french;
    split.english[i] = NamesOf(rows[i]).english;
    split.symbols[i] = SymbolOf(rows[i]);
  }
  return split;
}
template <class Row, std::size_t N>
constexpr SplitTable<N> Split(const Row (&rows)[N]) {
  return Split(std::span<const Row, N>(rows));
}
template <class Row, std::size_t N>
constexpr SplitTable<N> Split(const std::array<Row, N>& rows) {
  return Split(std::span<const Row, N>(rows));
}

constexpr auto kTemperature = Split(kTemperatureUnits);
constexpr auto kDistance = Split(kDistanceUnits);
constexpr auto kMass = Split(kMassUnits);
constexpr auto kArea = Split(kAreaUnits);
constexpr auto kLiquidVolume = Split(kLiquidVolumeUnits);
constexpr auto kFoods = Split(kKitchenFoods);
constexpr auto kMeasures = Split(kKitchenMeasures);
constexpr auto kPressure = Split(kPressureUnits);
constexpr auto kVelocity = Split(kVelocityUnits);
constexpr auto kAcceleration = Split(kAccelerationUnits);
constexpr auto kForce = Split(kForceUnits);
constexpr auto kEnergy = Split(kEnergyUnits);
constexpr auto kPower = Split(kPowerUnits);
constexpr auto kFuelEconomy = Split(kFuelEconomyUnits);
constexpr auto kVolumeFlow = Split(kVolumeFlowUnits);
constexpr auto kMassFlow = Split(kMassFlowUnits);
constexpr auto kTorque = Split(kTorqueUnits);
constexpr auto kRadioactivity = Split(kRadioactivityUnits);
constexpr auto kAngles = Split(kAngleUnits);

// One list of a tab: its names by language and its symbols.
struct ListView {
  std::array<NameList, kLanguageCount> names;
  SymbolList symbols;
};

template <std::size_t N>
constexpr ListView ViewOf(const SplitTable<N>& table) {
  return {{table.french, table.english}, table.symbols};
}

// One tab: its two lists, how it converts and, for a sized category, its rows.
struct Tab {
  ListView from;
  ListView to;
  CategoryKind kind;
  std::span<const UnitRow> rows;
};

// Every tab but the kitchen one shows the same units in both lists.
template <std::size_t N>
constexpr Tab SizedTab(const SplitTable<N>& split, std::span<const UnitRow> rows) {
  return {ViewOf(split), ViewOf(split), CategoryKind::Sized, rows};
}

// Indexed by tab.
constexpr std::array<Tab, kCategoryCount> kTabs = {
    Tab{ViewOf(kTemperature), ViewOf(kTemperature), CategoryKind::Affine, {}},
    SizedTab(kDistance, kDistanceUnits),
    SizedTab(kMass, kMassUnits),
    SizedTab(kArea, kAreaUnits),
    SizedTab(kLiquidVolume, kLiquidVolumeUnits),
    Tab{ViewOf(kFoods), ViewOf(kMeasures), CategoryKind::Food, {}},
    SizedTab(kPressure, kPressureUnits),
    SizedTab(kVelocity, kVelocityUnits),
    SizedTab(kAcceleration, kAccelerationUnits),
    SizedTab(kForce, kForceUnits),
    SizedTab(kEnergy, kEnergyUnits),
    SizedTab(kPower, kPowerUnits),
    SizedTab(kFuelEconomy, kFuelEconomyUnits),
    SizedTab(kVolumeFlow, kVolumeFlowUnits),
    SizedTab(kMassFlow, kMassFlowUnits),
    SizedTab(kTorque, kTorqueUnits),
    SizedTab(kRadioactivity, kRadioactivityUnits),
    SizedTab(kAngles, kAngleUnits),
};

static_assert(std::size(kTabCaptions) == kCategoryCount, "one caption per tab");
static_assert(kTabs[kTemperatureTab].kind == CategoryKind::Affine);
static_assert(kTabs[kKitchenTab].kind == CategoryKind::Food);

// Every size is positive; the conversions divide by them.
constexpr bool SizesArePositive() {
  for (const Tab& tab : kTabs) {
    for (const UnitRow& row : tab.rows) {
      if (row.size.num <= 0 || row.size.den <= 0) return false;
    }
  }
  for (const MeasureRow& row : kKitchenMeasures) {
    if (row.size.num <= 0 || row.size.den <= 0) return false;
  }
  for (const FoodRow& row : kKitchenFoods) {
    if (row.millilitresPerGram && row.millilitresPerGram->num <= 0) return false;
  }
  return true;
}
static_assert(SizesArePositive());

constexpr bool IsKnownTab(int tab) {
  return tab >= 0 && tab < kCategoryCount;
}

// The index of `language` in a list's names, or -1 for a value that is neither French nor
// English (the enum can be cast from any integer).
constexpr int LanguageIndex(Language language) {
  switch (language) {
    case Language::French:
      return 0;
    case Language::English:
      return 1;
  }
  return -1;
}

std::string_view SymbolAt(SymbolList symbols, int position) {
  if (position < 0 || position >= static_cast<int>(symbols.size())) return {};
  return symbols[static_cast<std::size_t>(position)];
}

}  // namespace

std::string_view TabCaption(int tab, Language language) {
  if (!IsKnownTab(tab)) return {};
  switch (language) {
    case Language::French:
      return kTabCaptions[tab].french;
    case Language::English:
      return kTabCaptions[tab].english;
  }
  return {};
}

std::span<const std::string_view> FromList(int tab, Language language) {
  const int language_index = LanguageIndex(language);
  if (!IsKnownTab(tab) || language_index < 0) return {};
  return kTabs[tab].from.names[language_index];
}

std::span<const std::string_view> ToList(int tab, Language language) {
  const int language_index = LanguageIndex(language);
  if (!IsKnownTab(tab) || language_index < 0) return {};
  return kTabs[tab].to.names[language_index];
}

std::string_view UnitSymbol(int tab, int position) {
  if (!IsKnownTab(tab)) return {};
  return SymbolAt(kTabs[tab].from.symbols, position);
}

std::string_view ToListSymbol(int tab, int position) {
  if (!IsKnownTab(tab)) return {};
  return SymbolAt(kTabs[tab].to.symbols, position);
}

CategoryKind KindOf(int tab) {
  if (!IsKnownTab(tab)) return CategoryKind::Sized;
  return kTabs[tab].kind;
}

std::span<const UnitRow> UnitRows(int tab) {
  if (!IsKnownTab(tab)) return {};
  return kTabs[tab].rows;
}

std::span<const TemperatureRow> TemperatureRows() {
  return kTemperatureUnits;
}

std::span<const FoodRow> FoodRows() {
  return kKitchenFoods;
}

std::span<const MeasureRow> MeasureRows() {
  return kKitchenMeasures;
}

}  // namespace vaneko::catalogue
