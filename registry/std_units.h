// The six standard families and their 132 unit types, registered in a fixed order at start-up
// so that every handle has the same value in every run.
#pragma once

#include <cstdint>

#include "registry/conv_registry.h"

namespace vaneko::registry {

enum class StdFamily : std::uint8_t { Distance, Area, Volume, Mass, Temperature, Time, Count };

// Every standard unit, in registration order (its handle is its index + 1).
enum class StdUnit : std::uint8_t {
  // Distance
  Micromicrons,
  Angstroms,
  Millimicrons,
  Microns,
  Millimeters,
  Centimeters,
  Decimeters,
  Meters,
  Decameters,
  Hectometers,
  Kilometers,
  Megameters,
  Gigameters,
  Inches,
  Feet,
  Yards,
  Miles,
  NauticalMiles,
  AstronomicalUnits,
  LightYears,
  Parsecs,
  Cubits,
  Fathoms,
  Furlongs,
  Hands,
  Paces,
  Rods,
  Chains,
  Links,
  Picas,
  Points,
  // Area
  SquareMillimeters,
  SquareCentimeters,
  SquareDecimeters,
  SquareMeters,
  SquareDecameters,
  SquareHectometers,
  SquareKilometers,
  SquareInches,
  SquareFeet,
  SquareYards,
  SquareMiles,
  Acres,
  Centares,
  Ares,
  Hectares,
  SquareRods,
  // Volume
  CubicMillimeters,
  CubicCentimeters,
  CubicDecimeters,
  CubicMeters,
  CubicDecameters,
  CubicHectometers,
  CubicKilometers,
  CubicInches,
  CubicFeet,
  CubicYards,
  CubicMiles,
  MilliLiters,
  CentiLiters,
  DeciLiters,
  Liters,
  DecaLiters,
  HectoLiters,
  KiloLiters,
  AcreFeet,
  AcreInches,
  Cords,
  CordFeet,
  Decisteres,
  Steres,
  Decasteres,
  FluidGallons,
  FluidQuarts,
  FluidPints,
  FluidCups,
  FluidGills,
  FluidOunces,
  FluidTablespoons,
  FluidTeaspoons,
  DryGallons,
  DryQuarts,
  DryPints,
  DryPecks,
  DryBuckets,
  DryBushels,
  UKGallons,
  UKPottle,
  UKQuarts,
  UKPints,
  UKGill,
  UKOunces,
  UKPecks,
  UKBuckets,
  UKBushels,
  // Mass
  Nanograms,
  Micrograms,
  Milligrams,
  Centigrams,
  Decigrams,
  Grams,
  Decagrams,
  Hectograms,
  Kilograms,
  MetricTons,
  Drams,
  Grains,
  Tons,
  LongTons,
  Ounces,
  Pounds,
  Stones,
  // Temperature
  Celsius,
  Kelvin,
  Fahrenheit,
  Rankine,
  Reaumur,
  // Time
  MilliSeconds,
  Seconds,
  Minutes,
  Hours,
  Days,
  Weeks,
  Fortnights,
  Months,
  Years,
  Decades,
  Centuries,
  Millennia,
  DateTime,
  JulianDate,
  ModifiedJulianDate,
  Count
};

// Registers the six families and their units (start-up) and removes them again (shutdown).
void RegisterStandardUnits();
void UnregisterStandardUnits();

// The handles that RegisterStandardUnits stored; 0 before it ran.
TConvType StdType(StdUnit unit);
TConvFamily StdFamilyHandle(StdFamily family);

// Registers the standard units once per process and removes them at exit; idempotent.
void EnsureStandardUnits();

}  // namespace vaneko::registry
