#include "registry/std_units.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <mutex>
#include <optional>
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

// One standard unit: a factor unit, whose size is its exact number of the family's base unit
// (from the base definitions, each size stated there once), or a function unit, which has no
// size and gives both functions.
struct StdUnitRow {
  StdUnit unit;
  StdFamily family;
  std::string_view description;
  std::optional<ExactSize> size = std::nullopt;
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

using namespace units;
using enum StdUnit;
constexpr StdFamily kDistance = StdFamily::Distance;
constexpr StdFamily kArea = StdFamily::Area;
constexpr StdFamily kVolume = StdFamily::Volume;
constexpr StdFamily kMass = StdFamily::Mass;
constexpr StdFamily kTemperature = StdFamily::Temperature;
constexpr StdFamily kTime = StdFamily::Time;

// Sizes in the families' base units: lengths, areas and volumes in metres, as the base
// definitions state them; masses in grams and times in days (the temperature family's base is
// the degree Celsius).
constexpr ExactSize Squared(ExactSize length) {
  return length * length;
}
constexpr ExactSize Cubed(ExactSize length) {
  return length * length * length;
}
constexpr ExactSize InGrams(ExactSize mass) {
  return mass / kGram;
}
constexpr ExactSize InDays(ExactSize time) {
  return time / kDay;
}

// Registration order: a family's units follow one another, families in the order above.
constexpr std::array<StdUnitRow, kUnitCount> kStdUnits = {{
    // Distance, base unit meters.
    {Micromicrons, kDistance, "Micromicrons", kPico* kMetre},
    {Angstroms, kDistance, "Angstroms", kAngstrom},
    {Millimicrons, kDistance, "Millimicrons", kNano* kMetre},
    {Microns, kDistance, "Microns", kMicro* kMetre},
    {Millimeters, kDistance, "Millimeters", kMilli* kMetre},
    {Centimeters, kDistance, "Centimeters", kCentimetre},
    {Decimeters, kDistance, "Decimeters", kDeci* kMetre},
    {Meters, kDistance, "Meters", kMetre},
    {Decameters, kDistance, "Decameters", kDeca* kMetre},
    {Hectometers, kDistance, "Hectometers", kHecto* kMetre},
    {Kilometers, kDistance, "Kilometers", kKilometre},
    {Megameters, kDistance, "Megameters", kMega* kMetre},
    {Gigameters, kDistance, "Gigameters", kGiga* kMetre},
    {Inches, kDistance, "Inches", kInch},
    {Feet, kDistance, "Feet", kFoot},
    {Yards, kDistance, "Yards", kYard},
    {Miles, kDistance, "Miles", kMile},
    {NauticalMiles, kDistance, "NauticalMiles", kNauticalMile},
    {AstronomicalUnits, kDistance, "AstronomicalUnits", kAstronomicalUnit},
    {LightYears, kDistance, "LightYears", kLightYear},
    {Parsecs, kDistance, "Parsecs", kParsec},
    {Cubits, kDistance, "Cubits", kCubit},
    {Fathoms, kDistance, "Fathoms", kFathom},
    {Furlongs, kDistance, "Furlongs", kFurlong},
    {Hands, kDistance, "Hands", kHand},
    {Paces, kDistance, "Paces", kPace},
    {Rods, kDistance, "Rods", kRod},
    {Chains, kDistance, "Chains", kChain},
    {Links, kDistance, "Links", kLink},
    {Picas, kDistance, "Picas", kPica},
    {Points, kDistance, "Points", kPoint},
    // Area, base unit square meters.
    {SquareMillimeters, kArea, "SquareMillimeters", Squared(kMilli* kMetre)},
    {SquareCentimeters, kArea, "SquareCentimeters", kSquareCentimetre},
    {SquareDecimeters, kArea, "SquareDecimeters", Squared(kDeci* kMetre)},
    {SquareMeters, kArea, "SquareMeters", kSquareMetre},
    {SquareDecameters, kArea, "SquareDecameters", Squared(kDeca* kMetre)},
    {SquareHectometers, kArea, "SquareHectometers", Squared(kHecto* kMetre)},
    {SquareKilometers, kArea, "SquareKilometers", kSquareKilometre},
    {SquareInches, kArea, "SquareInches", kSquareInch},
    {SquareFeet, kArea, "SquareFeet", kSquareFoot},
    {SquareYards, kArea, "SquareYards", kSquareYard},
    {SquareMiles, kArea, "SquareMiles", kSquareMile},
    {Acres, kArea, "Acres", kAcre},
    {Centares, kArea, "Centares", kSquareMetre},
    {Ares, kArea, "Ares", kAre},
    {Hectares, kArea, "Hectares", kHectare},
    {SquareRods, kArea, "SquareRods", kSquareRod},
    // Volume, base unit cubic meters.
    {CubicMillimeters, kVolume, "CubicMillimeters", Cubed(kMilli* kMetre)},
    {CubicCentimeters, kVolume, "CubicCentimeters", kCubicCentimetre},
    {CubicDecimeters, kVolume, "CubicDecimeters", Cubed(kDeci* kMetre)},
    {CubicMeters, kVolume, "CubicMeters", kCubicMetre},
    {CubicDecameters, kVolume, "CubicDecameters", Cubed(kDeca* kMetre)},
    {CubicHectometers, kVolume, "CubicHectometers", Cubed(kHecto* kMetre)},
    {CubicKilometers, kVolume, "CubicKilometers", kCubicKilometre},
    {CubicInches, kVolume, "CubicInches", kCubicInch},
    {CubicFeet, kVolume, "CubicFeet", kCubicFoot},
    {CubicYards, kVolume, "CubicYards", kCubicYard},
    {CubicMiles, kVolume, "CubicMiles", kCubicMile},
    {MilliLiters, kVolume, "MilliLiters", kMillilitre},
    {CentiLiters, kVolume, "CentiLiters", kCenti* kLitre},
    {DeciLiters, kVolume, "DeciLiters", kDeci* kLitre},
    {Liters, kVolume, "Liters", kLitre},
    {DecaLiters, kVolume, "DecaLiters", kDeca* kLitre},
    {HectoLiters, kVolume, "HectoLiters", kHecto* kLitre},
    {KiloLiters, kVolume, "KiloLiters", kKilolitre},
    {AcreFeet, kVolume, "AcreFeet", kAcreFoot},
    {AcreInches, kVolume, "AcreInches", kAcreInch},
    {Cords, kVolume, "Cords", kCord},
    {CordFeet, kVolume, "CordFeet", kCordFoot},
    {Decisteres, kVolume, "Decisteres", kDeci* kStere},
    {Steres, kVolume, "Steres", kStere},
    {Decasteres, kVolume, "Decasteres", kDeca* kStere},
    {FluidGallons, kVolume, "FluidGallons", kUsGallon},
    {FluidQuarts, kVolume, "FluidQuarts", kUsQuart},
    {FluidPints, kVolume, "FluidPints", kUsPint},
    {FluidCups, kVolume, "FluidCups", kUsCup},
    {FluidGills, kVolume, "FluidGills", kUsGill},
    {FluidOunces, kVolume, "FluidOunces", kUsFluidOunce},
    {FluidTablespoons, kVolume, "FluidTablespoons", kUsTablespoon},
    {FluidTeaspoons, kVolume, "FluidTeaspoons", kUsTeaspoon},
    {DryGallons, kVolume, "DryGallons", kUsDryGallon},
    {DryQuarts, kVolume, "DryQuarts", kUsDryQuart},
    {DryPints, kVolume, "DryPints", kUsDryPint},
    {DryPecks, kVolume, "DryPecks", kUsPeck},
    {DryBuckets, kVolume, "DryBuckets", kUsDryBucket},
    {DryBushels, kVolume, "DryBushels", kUsBushel},
    {UKGallons, kVolume, "UKGallons", kUkGallon},
    {UKPottle, kVolume, "UKPottle", kUkPottle},
    {UKQuarts, kVolume, "UKQuarts", kUkQuart},
    {UKPints, kVolume, "UKPints", kUkPint},
    {UKGill, kVolume, "UKGill", kUkGill},
    {UKOunces, kVolume, "UKOunces", kUkFluidOunce},
    {UKPecks, kVolume, "UKPecks", kUkPeck},
    {UKBuckets, kVolume, "UKBuckets", kUkBucket},
    {UKBushels, kVolume, "UKBushels", kUkBushel},
    // Mass, base unit grams.
    {Nanograms, kMass, "Nanograms", InGrams(kNano* kGram)},
    {Micrograms, kMass, "Micrograms", InGrams(kMicro* kGram)},
    {Milligrams, kMass, "Milligrams", InGrams(kMilli* kGram)},
    {Centigrams, kMass, "Centigrams", InGrams(kCenti* kGram)},
    {Decigrams, kMass, "Decigrams", InGrams(kDeci* kGram)},
    {Grams, kMass, "Grams", InGrams(kGram)},
    {Decagrams, kMass, "Decagrams", InGrams(kDeca* kGram)},
    {Hectograms, kMass, "Hectograms", InGrams(kHecto* kGram)},
    {Kilograms, kMass, "Kilograms", InGrams(kKilogram)},
    {MetricTons, kMass, "MetricTons", InGrams(kTonne)},
    {Drams, kMass, "Drams", InGrams(kDram)},
    {Grains, kMass, "Grains", InGrams(kGrain)},
    {Tons, kMass, "Tons", InGrams(kShortTon)},
    {LongTons, kMass, "LongTons", InGrams(kLongTon)},
    {Ounces, kMass, "Ounces", InGrams(kOunce)},
    {Pounds, kMass, "Pounds", InGrams(kPound)},
    {Stones, kMass, "Stones", InGrams(kStone)},
    // Temperature, base unit degrees Celsius.
    {Celsius, kTemperature, "Celsius", Whole(1)},
    {Kelvin, kTemperature, "Kelvin", std::nullopt, KelvinToCelsius, CelsiusToKelvin},
    {Fahrenheit, kTemperature, "Fahrenheit", std::nullopt, FahrenheitToCelsius,
     CelsiusToFahrenheit},
    {Rankine, kTemperature, "Rankine", std::nullopt, RankineToCelsius, CelsiusToRankine},
    {Reaumur, kTemperature, "Reaumur", std::nullopt, ReaumurToCelsius, CelsiusToReaumur},
    // Time, base unit days (a date-time serial counts days too).
    {MilliSeconds, kTime, "MilliSeconds", InDays(kMilli* kSecond)},
    {Seconds, kTime, "Seconds", InDays(kSecond)},
    {Minutes, kTime, "Minutes", InDays(kMinute)},
    {Hours, kTime, "Hours", InDays(kHour)},
    {Days, kTime, "Days", InDays(kDay)},
    {Weeks, kTime, "Weeks", InDays(kWeek)},
    {Fortnights, kTime, "Fortnights", InDays(Whole(2) * kWeek)},
    {Months, kTime, "Months", InDays(kJulianYear / Whole(12))},
    {Years, kTime, "Years", InDays(kJulianYear)},
    {Decades, kTime, "Decades", InDays(Whole(10) * kJulianYear)},
    {Centuries, kTime, "Centuries", InDays(Whole(100) * kJulianYear)},
    {Millennia, kTime, "Millennia", InDays(Whole(1000) * kJulianYear)},
    {DateTime, kTime, "DateTime", InDays(kDay)},
    {JulianDate, kTime, "JulianDate", std::nullopt, JulianDateToDateTime, DateTimeToJulianDate},
    {ModifiedJulianDate, kTime, "ModifiedJulianDate", std::nullopt, ModifiedJulianDateToDateTime,
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

// A factor unit's factor: its exact size narrowed once to the nearest double. Where both whole
// numbers of the size hold in a double exactly, their quotient is that double; otherwise the
// extended value's.
constexpr double FactorOf(ExactSize size) {
  constexpr Int128 kExactInDouble = static_cast<Int128>(1) << 53;
  const bool wholeNumbersExact =
      size.num <= kExactInDouble && -size.num <= kExactInDouble && size.den <= kExactInDouble;
  if (size.piPower == 0 && wholeNumbersExact)
    return static_cast<double>(size.num) / static_cast<double>(size.den);
  return static_cast<double>(ToExtended(size));
}

// The handles the registry gave out; read from any thread once registration is done.
std::array<std::atomic<TConvFamily>, kFamilyCount> familyHandles{};
std::array<std::atomic<TConvType>, kUnitCount> typeHandles{};

TConvType RegisterStdUnit(TConvFamily family, const StdUnitRow& row) {
  if (!row.size) return RegisterConversionType(family, row.description, row.toBase, row.fromBase);
  return RegisterConversionType(family, row.description, FactorOf(*row.size));
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
