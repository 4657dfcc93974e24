#include "registry/std_units.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <mutex>
#include <string_view>

#include "core/base_units.h"
#include "core/exact_size.h"
#include "registry/julian_date.h"
#include "registry/temperature_scales.h"

namespace vaneko::registry {

namespace {

struct StdFamilyRow {
  StdFamily family;
  std::string_view description;
};

// One standard unit: a factor unit (factor = base units in one unit, never 0) or a function
// unit, which leaves the factor 0 and gives both functions.
struct StdUnitRow {
  StdUnit unit;
  StdFamily family;
  std::string_view description;
  double factor = 0;
  TConvProc toBase = nullptr;
  TConvProc fromBase = nullptr;
};

constexpr std::size_t kFamilyCount = static_cast<std::size_t>(StdFamily::Count);
constexpr std::size_t kUnitCount = static_cast<std::size_t>(StdUnit::Count);

constexpr std::array<StdFamilyRow, kFamilyCount> kStdFamilies = {{
    {StdFamily::Distance, "Distance"},
    {StdFamily::Area, "Area"},
    {StdFamily::Volume, "Volume"},
    {StdFamily::Mass, "Mass"},
    {StdFamily::Temperature, "Temperature"},
    {StdFamily::Time, "Time"},
}};

constexpr double kDaysPerYear = 365.25;

using enum StdUnit;
constexpr StdFamily kDistance = StdFamily::Distance;
constexpr StdFamily kArea = StdFamily::Area;
constexpr StdFamily kVolume = StdFamily::Volume;
constexpr StdFamily kMass = StdFamily::Mass;
constexpr StdFamily kTemperature = StdFamily::Temperature;
constexpr StdFamily kTime = StdFamily::Time;

// Registration order: a family's units follow one another, families in the order above.
constexpr std::array<StdUnitRow, kUnitCount> kStdUnits = {{
    // Distance, base unit meters.
    {Micromicrons, kDistance, "Micromicrons", 1e-12},
    {Angstroms, kDistance, "Angstroms", 1e-10},
    {Millimicrons, kDistance, "Millimicrons", 1e-09},
    {Microns, kDistance, "Microns", 1e-06},
    {Millimeters, kDistance, "Millimeters", 0.001},
    {Centimeters, kDistance, "Centimeters", 0.01},
    {Decimeters, kDistance, "Decimeters", 0.1},
    {Meters, kDistance, "Meters", 1},
    {Decameters, kDistance, "Decameters", 10},
    {Hectometers, kDistance, "Hectometers", 100},
    {Kilometers, kDistance, "Kilometers", 1000},
    {Megameters, kDistance, "Megameters", 1000000},
    {Gigameters, kDistance, "Gigameters", 1000000000},
    {Inches, kDistance, "Inches", 0.0254},
    {Feet, kDistance, "Feet", 0.3048},
    {Yards, kDistance, "Yards", 0.9144},
    {Miles, kDistance, "Miles", 1609.344},
    {NauticalMiles, kDistance, "NauticalMiles", 1852},
    {AstronomicalUnits, kDistance, "AstronomicalUnits", 149598000000},
    {LightYears, kDistance, "LightYears", 9460528404879358},
    {Parsecs, kDistance, "Parsecs", 30856802484953068},
    {Cubits, kDistance, "Cubits", 0.4572},
    {Fathoms, kDistance, "Fathoms", 1.8288},
    {Furlongs, kDistance, "Furlongs", 201.168},
    {Hands, kDistance, "Hands", 0.1016},
    {Paces, kDistance, "Paces", 0.762},
    {Rods, kDistance, "Rods", 5.0292},
    {Chains, kDistance, "Chains", 20.1168},
    {Links, kDistance, "Links", 0.201168},
    {Picas, kDistance, "Picas", 0.0042175176},
    {Points, kDistance, "Points", 0.0003514598},
    // Area, base unit square meters.
    {SquareMillimeters, kArea, "SquareMillimeters", 1e-06},
    {SquareCentimeters, kArea, "SquareCentimeters", 0.0001},
    {SquareDecimeters, kArea, "SquareDecimeters", 0.01},
    {SquareMeters, kArea, "SquareMeters", 1},
    {SquareDecameters, kArea, "SquareDecameters", 100},
    {SquareHectometers, kArea, "SquareHectometers", 10000},
    {SquareKilometers, kArea, "SquareKilometers", 1000000},
    {SquareInches, kArea, "SquareInches", 0.00064516},
    {SquareFeet, kArea, "SquareFeet", 0.09290304},
    {SquareYards, kArea, "SquareYards", 0.83612736},
    {SquareMiles, kArea, "SquareMiles", 2589988.110336},
    {Acres, kArea, "Acres", 4046.8564224},
    {Centares, kArea, "Centares", 1},
    {Ares, kArea, "Ares", 100},
    {Hectares, kArea, "Hectares", 10000},
    {SquareRods, kArea, "SquareRods", 25.29285264},
    // Volume, base unit cubic meters.
    {CubicMillimeters, kVolume, "CubicMillimeters", 1e-09},
    {CubicCentimeters, kVolume, "CubicCentimeters", 1e-06},
    {CubicDecimeters, kVolume, "CubicDecimeters", 0.001},
    {CubicMeters, kVolume, "CubicMeters", 1},
    {CubicDecameters, kVolume, "CubicDecameters", 1000},
    {CubicHectometers, kVolume, "CubicHectometers", 1000000},
    {CubicKilometers, kVolume, "CubicKilometers", 1000000000},
    {CubicInches, kVolume, "CubicInches", 1.6387064e-05},
    {CubicFeet, kVolume, "CubicFeet", 0.028316846592},
    {CubicYards, kVolume, "CubicYards", 0.764554857984},
    {CubicMiles, kVolume, "CubicMiles", 4168181825.4405794},
    {MilliLiters, kVolume, "MilliLiters", 1e-06},
    {CentiLiters, kVolume, "CentiLiters", 1e-05},
    {DeciLiters, kVolume, "DeciLiters", 0.0001},
    {Liters, kVolume, "Liters", 0.001},
    {DecaLiters, kVolume, "DecaLiters", 0.01},
    {HectoLiters, kVolume, "HectoLiters", 0.1},
    {KiloLiters, kVolume, "KiloLiters", 1},
    {AcreFeet, kVolume, "AcreFeet", 1233.48183754752},
    {AcreInches, kVolume, "AcreInches", 102.79015312896},
    {Cords, kVolume, "Cords", 3.624556363776},
    {CordFeet, kVolume, "CordFeet", 0.453069545472},
    {Decisteres, kVolume, "Decisteres", 0.1},
    {Steres, kVolume, "Steres", 1},
    {Decasteres, kVolume, "Decasteres", 10},
    {FluidGallons, kVolume, "FluidGallons", 0.003785411784},
    {FluidQuarts, kVolume, "FluidQuarts", 0.000946352946},
    {FluidPints, kVolume, "FluidPints", 0.000473176473},
    {FluidCups, kVolume, "FluidCups", 0.0002365882365},
    {FluidGills, kVolume, "FluidGills", 0.00011829411825},
    {FluidOunces, kVolume, "FluidOunces", 2.95735295625e-05},
    {FluidTablespoons, kVolume, "FluidTablespoons", 1.478676478125e-05},
    {FluidTeaspoons, kVolume, "FluidTeaspoons", 4.92892159375e-06},
    {DryGallons, kVolume, "DryGallons", 0.00440488377086},
    {DryQuarts, kVolume, "DryQuarts", 0.001101220942715},
    {DryPints, kVolume, "DryPints", 0.0005506104713575},
    {DryPecks, kVolume, "DryPecks", 0.00880976754172},
    {DryBuckets, kVolume, "DryBuckets", 0.01761953508344},
    {DryBushels, kVolume, "DryBushels", 0.03523907016688},
    {UKGallons, kVolume, "UKGallons", 0.00454609},
    {UKPottle, kVolume, "UKPottle", 0.002273045},
    {UKQuarts, kVolume, "UKQuarts", 0.0011365225},
    {UKPints, kVolume, "UKPints", 0.00056826125},
    {UKGill, kVolume, "UKGill", 0.0001420653125},
    {UKOunces, kVolume, "UKOunces", 2.84130625e-05},
    {UKPecks, kVolume, "UKPecks", 0.00909218},
    {UKBuckets, kVolume, "UKBuckets", 0.01818436},
    {UKBushels, kVolume, "UKBushels", 0.03636872},
    // Mass, base unit grams.
    {Nanograms, kMass, "Nanograms", 1e-09},
    {Micrograms, kMass, "Micrograms", 1e-06},
    {Milligrams, kMass, "Milligrams", 0.001},
    {Centigrams, kMass, "Centigrams", 0.01},
    {Decigrams, kMass, "Decigrams", 0.1},
    {Grams, kMass, "Grams", 1},
    {Decagrams, kMass, "Decagrams", 10},
    {Hectograms, kMass, "Hectograms", 100},
    {Kilograms, kMass, "Kilograms", 1000},
    {MetricTons, kMass, "MetricTons", 1000000},
    {Drams, kMass, "Drams", 1.7718451953125},
    {Grains, kMass, "Grains", 0.06479891},
    {Tons, kMass, "Tons", 907184.74},
    {LongTons, kMass, "LongTons", 1016046.9088},
    {Ounces, kMass, "Ounces", 28.349523125},
    {Pounds, kMass, "Pounds", 453.59237},
    {Stones, kMass, "Stones", 6350.29318},
    // Temperature, base unit degrees Celsius.
    {Celsius, kTemperature, "Celsius", 1},
    {Kelvin, kTemperature, "Kelvin", 0, KelvinToCelsius, CelsiusToKelvin},
    {Fahrenheit, kTemperature, "Fahrenheit", 0, FahrenheitToCelsius, CelsiusToFahrenheit},
    {Rankine, kTemperature, "Rankine", 0, RankineToCelsius, CelsiusToRankine},
    {Reaumur, kTemperature, "Reaumur", 0, ReaumurToCelsius, CelsiusToReaumur},
    // Time, base unit days (a date-time serial counts days too).
    {MilliSeconds, kTime, "MilliSeconds", 1.0 / 86400000},
    {Seconds, kTime, "Seconds", 1.0 / 86400},
    {Minutes, kTime, "Minutes", 1.0 / 1440},
    {Hours, kTime, "Hours", 1.0 / 24},
    {Days, kTime, "Days", 1},
    {Weeks, kTime, "Weeks", 7},
    {Fortnights, kTime, "Fortnights", 14},
    {Months, kTime, "Months", 30.4375},
    {Years, kTime, "Years", kDaysPerYear},
    {Decades, kTime, "Decades", kDaysPerYear * 10},
    {Centuries, kTime, "Centuries", kDaysPerYear * 100},
    {Millennia, kTime, "Millennia", kDaysPerYear * 1000},
    {DateTime, kTime, "DateTime", 1},
    {JulianDate, kTime, "JulianDate", 0, JulianDateToDateTime, DateTimeToJulianDate},
    {ModifiedJulianDate, kTime, "ModifiedJulianDate", 0, ModifiedJulianDateToDateTime,
     DateTimeToModifiedJulianDate},
}};

// Every row stands at its unit's index, and the families come in registration order, so the
// handles follow from the table.
constexpr bool TablesInOrder() {
  for (std::size_t i = 0; i < kFamilyCount; ++i) {
    if (static_cast<std::size_t>(kStdFamilies[i].family) != i) return false;
  }
  for (std::size_t i = 0; i < kUnitCount; ++i) {
    if (static_cast<std::size_t>(kStdUnits[i].unit) != i) return false;
    if (i > 0 && kStdUnits[i].family < kStdUnits[i - 1].family) return false;
  }
  return true;
}
static_assert(TablesInOrder());

// The factors that are base definitions, stated against them: each literal above must be the
// double of the definition's exact size (metres, square metres, cubic metres, grams per unit).
struct DefinedFactor {
  StdUnit unit;
  ExactSize size;
};

constexpr ExactSize GramsPer(ExactSize mass) {
  return mass / units::kGram;
}

constexpr DefinedFactor kDefinedFactors[] = {
    {Centimeters, units::kCentimetre},
    {Kilometers, units::kKilometre},
    {Inches, units::kInch},
    {Feet, units::kFoot},
    {Yards, units::kYard},
    {Miles, units::kMile},
    {NauticalMiles, units::kNauticalMile},
    {AstronomicalUnits, units::kAstronomicalUnit},
    {LightYears, units::kLightYear},
    {Parsecs, units::kParsec},
    {Cubits, units::kCubit},
    {Fathoms, units::kFathom},
    {Furlongs, units::kFurlong},
    {Hands, units::kHand},
    {Paces, units::kPace},
    {Rods, units::kRod},
    {Chains, units::kChain},
    {Links, units::kLink},
    {SquareCentimeters, units::kSquareCentimetre},
    {SquareKilometers, units::kSquareKilometre},
    {SquareInches, units::kSquareInch},
    {SquareFeet, units::kSquareFoot},
    {SquareYards, units::kSquareYard},
    {SquareMiles, units::kSquareMile},
    {Acres, units::kAcre},
    {Ares, units::kAre},
    {Hectares, units::kHectare},
    {SquareRods, units::kSquareRod},
    {CubicCentimeters, units::kCubicCentimetre},
    {CubicKilometers, units::kCubicKilometre},
    {CubicInches, units::kCubicInch},
    {CubicFeet, units::kCubicFoot},
    {CubicYards, units::kCubicYard},
    {CubicMiles, units::kCubicMile},
    {MilliLiters, units::kMillilitre},
    {Liters, units::kLitre},
    {KiloLiters, units::kKilolitre},
    {AcreFeet, units::kAcreFoot},
    {AcreInches, units::kAcreInch},
    {Cords, units::kCord},
    {CordFeet, units::kCordFoot},
    {FluidGallons, units::kUsGallon},
    {FluidQuarts, units::kUsQuart},
    {FluidPints, units::kUsPint},
    {FluidCups, units::kUsCup},
    {FluidGills, units::kUsGill},
    {FluidOunces, units::kUsFluidOunce},
    {FluidTablespoons, units::kUsTablespoon},
    {FluidTeaspoons, units::kUsTeaspoon},
    {DryGallons, units::kUsDryGallon},
    {DryQuarts, units::kUsDryQuart},
    {DryPints, units::kUsDryPint},
    {DryPecks, units::kUsPeck},
    {DryBushels, units::kUsBushel},
    {UKGallons, units::kUkGallon},
    {UKQuarts, units::kUkQuart},
    {UKPints, units::kUkPint},
    {UKGill, units::kUkGill},
    {UKOunces, units::kUkFluidOunce},
    {UKPecks, units::kUkPeck},
    {UKBushels, units::kUkBushel},
    {Kilograms, GramsPer(units::kKilogram)},
    {MetricTons, GramsPer(units::kTonne)},
    {Drams, GramsPer(units::kDram)},
    {Grains, GramsPer(units::kGrain)},
    {Tons, GramsPer(units::kShortTon)},
    {LongTons, GramsPer(units::kLongTon)},
    {Ounces, GramsPer(units::kOunce)},
    {Pounds, GramsPer(units::kPound)},
    {Stones, GramsPer(units::kStone)},
};

constexpr bool FactorsFollowDefinitions() {
  for (const DefinedFactor& defined : kDefinedFactors) {
    const double factor = kStdUnits[static_cast<std::size_t>(defined.unit)].factor;
    if (factor != static_cast<double>(ToExtended(defined.size))) return false;
  }
  return true;
}
static_assert(FactorsFollowDefinitions());

// The handles the registry gave out; read from any thread once registration is done.
std::array<std::atomic<TConvFamily>, kFamilyCount> familyHandles{};
std::array<std::atomic<TConvType>, kUnitCount> typeHandles{};

TConvType RegisterStdUnit(TConvFamily family, const StdUnitRow& row) {
  if (row.factor == 0) {
    return RegisterConversionType(family, row.description, row.toBase, row.fromBase);
  }
  return RegisterConversionType(family, row.description, row.factor);
}

void ShutDownStandardUnits() {
  UnregisterStandardUnits();
  ShutdownRegistry();
}

}  // namespace

void RegisterStandardUnits() {
  for (const StdFamilyRow& familyRow : kStdFamilies) {
    const TConvFamily family = RegisterConversionFamily(familyRow.description);
    familyHandles[static_cast<std::size_t>(familyRow.family)] = family;
    for (const StdUnitRow& row : kStdUnits) {
      if (row.family != familyRow.family) continue;
      typeHandles[static_cast<std::size_t>(row.unit)] = RegisterStdUnit(family, row);
    }
  }
}

void UnregisterStandardUnits() {
  for (const StdFamilyRow& familyRow : kStdFamilies) {
    UnregisterConversionFamily(familyHandles[static_cast<std::size_t>(familyRow.family)]);
  }
}

TConvType StdType(StdUnit unit) {
  return typeHandles[static_cast<std::size_t>(unit)];
}

TConvFamily StdFamilyHandle(StdFamily family) {
  return familyHandles[static_cast<std::size_t>(family)];
}

void EnsureStandardUnits() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    RegisterStandardUnits();
    std::atexit(ShutDownStandardUnits);
  });
}

}  // namespace vaneko::registry
