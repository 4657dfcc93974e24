// The shape of a unit table: one row per unit holds everything about it, its names in both
// languages, its exact size, the measurement registry's type where it has one and its usual
// symbol. A row's index in its table is the unit's position in the lists; the lists, the sizes
// and the conversion dispatch all read the same row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/bilingual_name.h"
#include "core/base_units.h"
#include "core/exact_size.h"
#include "registry/std_units.h"

namespace vaneko::catalogue {

// How a category's pairs convert.
enum class CategoryKind : std::uint8_t {
  Affine,  // temperature: each scale is an affine map of the kelvin
  Sized,   // every unit is a size of one reference unit (or of its reciprocal)
  Food,    // kitchen measures: a food's mass in grams to the volume it takes
};

// How a unit of a sized category measures its quantity.
enum class Scale : std::uint8_t {
  Proportional,  // v units are v × size reference units
  Reciprocal,    // v units are v × size of the reference's reciprocal (litres per km against km
                 // per litre): between the two scales a pair converts by a reciprocal
};

// One unit of a sized category. `size` is in the category's reference unit. Every pair converts
// by the exact sizes of its two rows; `registered` names the measurement registry's type of the
// same unit, whose factor is the same size narrowed to a double, for the registry's own callers.
struct UnitRow {
  BilingualName name;
  ExactSize size;
  std::optional<registry::StdUnit> registered = std::nullopt;
  std::string_view symbol = {};
  Scale scale = Scale::Proportional;
};

// One temperature scale: degrees of the scale are an affine map of the kelvin,
// kelvins = (degrees × degree) + zero, converted exactly; `registered` names the registry's
// type of the same scale.
struct TemperatureRow {
  BilingualName name;
  registry::StdUnit registered;
  std::string_view symbol;
  ExactSize degree;  // kelvins per degree of the scale
  ExactSize zero;    // the scale's zero, in kelvins
};

// One line of the kitchen tab's from-list: a food with the volume one gram of it takes, or a
// heading or separator line, which has none. The list reads the same in both languages.
struct FoodRow {
  std::string_view name;
  std::optional<ExactSize> millilitresPerGram = std::nullopt;
};

// One kitchen measure of the kitchen tab's to-list, sized in millilitres.
struct MeasureRow {
  std::string_view name;
  ExactSize size;
  std::string_view symbol;
};

// The size of `quantity` per `per` (a length per hour, a distance per volume of fuel) in
// `reference` units.
constexpr ExactSize Per(ExactSize quantity, ExactSize per, ExactSize reference) {
  return quantity / per / reference;
}

// A short text built at compile time (a generated symbol), kept in static storage by its table.
struct FixedText {
  std::array<char, 32> text{};
  std::size_t length = 0;

  constexpr std::string_view View() const { return {text.data(), length}; }
};

constexpr FixedText Joined(std::string_view head, std::string_view tail) {
  FixedText joined;
  for (const char c : head) joined.text.at(joined.length++) = c;
  for (const char c : tail) joined.text.at(joined.length++) = c;
  return joined;
}

// One quantity (a volume, a mass) that a flow category lists per hour, per minute and per second,
// in that order, as three consecutive units. The names differ from group to group in ways no
// rule captures, so each group states its three.
struct PerTimeRow {
  BilingualName perHour;
  BilingualName perMinute;
  BilingualName perSecond;
  ExactSize quantity;
  std::string_view symbol;  // the quantity's; the units add "/h", "/min" and "/s"
};

inline constexpr std::size_t kUnitsPerTimeGroup = 3;

// The symbols of the units of `groups`, in list order; empty where the quantity has none.
template <std::size_t N>
constexpr std::array<FixedText, kUnitsPerTimeGroup * N> PerTimeSymbols(
    const PerTimeRow (&groups)[N]) {
  std::array<FixedText, kUnitsPerTimeGroup * N> symbols{};
  constexpr std::string_view kSuffixes[kUnitsPerTimeGroup] = {"/h", "/min", "/s"};
  for (std::size_t g = 0; g < N; ++g) {
    if (groups[g].symbol.empty()) continue;
    for (std::size_t t = 0; t < kUnitsPerTimeGroup; ++t) {
      symbols[kUnitsPerTimeGroup * g + t] = Joined(groups[g].symbol, kSuffixes[t]);
    }
  }
  return symbols;
}

// The units of `groups`, in list order, sized in `reference` (a quantity per second), with the
// symbols of PerTimeSymbols(groups).
template <std::size_t N>
constexpr std::array<UnitRow, kUnitsPerTimeGroup * N> PerHourMinuteSecond(
    const PerTimeRow (&groups)[N], ExactSize reference,
    const std::array<FixedText, kUnitsPerTimeGroup * N>& symbols) {
  std::array<UnitRow, kUnitsPerTimeGroup * N> units{};
  for (std::size_t g = 0; g < N; ++g) {
    const PerTimeRow& group = groups[g];
    const BilingualName names[kUnitsPerTimeGroup] = {group.perHour, group.perMinute,
                                                     group.perSecond};
    const ExactSize times[kUnitsPerTimeGroup] = {units::kHour, units::kMinute, units::kSecond};
    for (std::size_t t = 0; t < kUnitsPerTimeGroup; ++t) {
      const std::size_t k = kUnitsPerTimeGroup * g + t;
      units[k] = UnitRow{names[t], Per(group.quantity, times[t], reference), std::nullopt,
                         symbols[k].View()};
    }
  }
  return units;
}

// The unit tables, one per category, state their sizes from the base definitions and name the
// registry's types; they live in this namespace so that both read plainly.
namespace unit_tables {
using namespace units;
using enum registry::StdUnit;
}  // namespace unit_tables

}  // namespace vaneko::catalogue
