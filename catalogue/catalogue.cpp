// Lookup of tab captions and unit lists. The tables hold one row per unit with both wordings; the
// lists are handed out one language at a time, so each table is split at compile time into a
// French and an English array that a span can point into.
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

using NameList = std::span<const std::string_view>;

constexpr int kLanguageCount = 2;

// A bilingual table split into one array per language.
template <std::size_t N>
struct SplitTable {
  std::array<std::string_view, N> french{};
  std::array<std::string_view, N> english{};
};

template <std::size_t N>
constexpr SplitTable<N> Split(const BilingualName (&table)[N]) {
  SplitTable<N> split;
  for (std::size_t i = 0; i < N; ++i) {
    split.french[i] = table[i].french;
    split.english[i] = table[i].english;
  }
  return split;
}

constexpr auto kTemperature = Split(kTemperatureUnits);
constexpr auto kDistance = Split(kDistanceUnits);
constexpr auto kMass = Split(kMassUnits);
constexpr auto kArea = Split(kAreaUnits);
constexpr auto kLiquidVolume = Split(kLiquidVolumeUnits);
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

// The two lists of one tab, indexed by language.
struct TabLists {
  std::array<NameList, kLanguageCount> from;
  std::array<NameList, kLanguageCount> to;
};

// Every tab but the kitchen one shows the same units in both lists.
template <std::size_t N>
constexpr TabLists SameUnitsInBothLists(const SplitTable<N>& units) {
  return {{units.french, units.english}, {units.french, units.english}};
}

// The kitchen tab: foods in the from-list, measures in the to-list, one wording for both languages.
constexpr TabLists kKitchenLists{{kKitchenFoodLines, kKitchenFoodLines},
                                 {kKitchenMeasures, kKitchenMeasures}};

// Indexed by tab.
constexpr std::array<TabLists, kCategoryCount> kTabLists = {
    SameUnitsInBothLists(kTemperature),   SameUnitsInBothLists(kDistance),
    SameUnitsInBothLists(kMass),          SameUnitsInBothLists(kArea),
    SameUnitsInBothLists(kLiquidVolume),  kKitchenLists,
    SameUnitsInBothLists(kPressure),      SameUnitsInBothLists(kVelocity),
    SameUnitsInBothLists(kAcceleration),  SameUnitsInBothLists(kForce),
    SameUnitsInBothLists(kEnergy),        SameUnitsInBothLists(kPower),
    SameUnitsInBothLists(kFuelEconomy),   SameUnitsInBothLists(kVolumeFlow),
    SameUnitsInBothLists(kMassFlow),      SameUnitsInBothLists(kTorque),
    SameUnitsInBothLists(kRadioactivity), SameUnitsInBothLists(kAngles),
};

static_assert(std::size(kTabCaptions) == kCategoryCount, "one caption per tab");

constexpr bool IsKnownTab(int tab) {
  return tab >= 0 && tab < kCategoryCount;
}

// The index of `language` in a TabLists row, or -1 for a value that is neither French nor
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
  return kTabLists[tab].from[language_index];
}

std::span<const std::string_view> ToList(int tab, Language language) {
  const int language_index = LanguageIndex(language);
  if (!IsKnownTab(tab) || language_index < 0) return {};
  return kTabLists[tab].to[language_index];
}

}  // namespace vaneko::catalogue
