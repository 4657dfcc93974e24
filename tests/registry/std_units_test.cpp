// The standard families and units: their fixed handles, the list lengths right after start-up,
// conversions checked against the units' definitions, and the Julian date units.
#include "registry/std_units.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "registry_test_helpers.h"

namespace vaneko::registry {
namespace {

using testing::MessageOf;

// The list lengths as the standard registration leaves them, before any test registers more.
std::size_t familyLengthAfterStartUp = 0;
std::size_t typeLengthAfterStartUp = 0;

class StandardUnitsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (familyLengthAfterStartUp != 0) return;  // a repeated run: measured the first time
    EnsureStandardUnits();
    familyLengthAfterStartUp = FamilyListLength();
    typeLengthAfterStartUp = TypeListLength();
  }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new StandardUnitsEnvironment);

TEST(StdUnitsTest, ListLengthsAfterStartUp) {
  // 6 families: the first handle makes 17 slots. 132 types: handle 129 makes 145.
  EXPECT_EQ(familyLengthAfterStartUp, 17u);
  EXPECT_EQ(typeLengthAfterStartUp, 145u);
}

struct FamilyCase {
  StdFamily family;
  std::string_view description;
  TConvFamily handle;
};

TEST(StdUnitsTest, FamiliesHaveFixedHandles) {
  const FamilyCase cases[] = {
      {StdFamily::Distance, "Distance", 1},       {StdFamily::Area, "Area", 2},
      {StdFamily::Volume, "Volume", 3},           {StdFamily::Mass, "Mass", 4},
      {StdFamily::Temperature, "Temperature", 5}, {StdFamily::Time, "Time", 6},
  };
  for (const FamilyCase& c : cases) {
    SCOPED_TRACE(std::string(c.description));
    TConvFamily found = 0;
    ASSERT_TRUE(DescriptionToConvFamily(c.description, found));
    EXPECT_EQ(found, c.handle);
    EXPECT_EQ(StdFamilyHandle(c.family), c.handle);
    EXPECT_EQ(ConvFamilyToDescription(c.handle), c.description);
  }
}

struct UnitCase {
  StdUnit unit;
  TConvFamily family;
  std::string_view description;
  TConvType handle;
};

TEST(StdUnitsTest, UnitsHaveFixedHandles) {
  // The first and last unit of every family, and the units named by the converter's examples.
  const UnitCase cases[] = {
      {StdUnit::Micromicrons, 1, "Micromicrons", 1},
      {StdUnit::Meters, 1, "Meters", 8},
      {StdUnit::Feet, 1, "Feet", 15},
      {StdUnit::Points, 1, "Points", 31},
      {StdUnit::SquareMillimeters, 2, "SquareMillimeters", 32},
      {StdUnit::SquareRods, 2, "SquareRods", 47},
      {StdUnit::CubicMillimeters, 3, "CubicMillimeters", 48},
      {StdUnit::UKBushels, 3, "UKBushels", 95},
      {StdUnit::Nanograms, 4, "Nanograms", 96},
      {StdUnit::Grams, 4, "Grams", 101},
      {StdUnit::Stones, 4, "Stones", 112},
      {StdUnit::Celsius, 5, "Celsius", 113},
      {StdUnit::Reaumur, 5, "Reaumur", 117},
      {StdUnit::MilliSeconds, 6, "MilliSeconds", 118},
      {StdUnit::DateTime, 6, "DateTime", 130},
      {StdUnit::ModifiedJulianDate, 6, "ModifiedJulianDate", 132},
  };
  for (const UnitCase& c : cases) {
    SCOPED_TRACE(std::string(c.description));
    TConvType found = 0;
    ASSERT_TRUE(DescriptionToConvType(c.family, c.description, found));
    EXPECT_EQ(found, c.handle);
    EXPECT_EQ(StdType(c.unit), c.handle);
    EXPECT_EQ(ConvTypeToDescription(c.handle), c.description);
  }
}

TEST(StdUnitsTest, LookupIgnoresCaseAndFamily) {
  TConvType found = 0;
  EXPECT_TRUE(DescriptionToConvType(1, "mETERS", found));
  EXPECT_EQ(found, 8);
  TConvFamily family = 0;
  EXPECT_TRUE(DescriptionToConvFamily("tEMPERATURE", family));
  EXPECT_EQ(family, 5);
  // A unit is found only in its own family.
  EXPECT_FALSE(DescriptionToConvType(4, "Meters", found));
  EXPECT_FALSE(DescriptionToConvFamily("Meters", family));
}

struct ConversionCase {
  double value;
  StdUnit from;
  StdUnit to;
  double expected;
  bool exact;  // otherwise within four units in the last place (or 1e-12 for temperatures)
};

TEST(StdUnitsTest, ConvertsByUnitDefinitions) {
  using enum StdUnit;
  // Expected values: the examples of the standard tables and the legal unit definitions.
  const ConversionCase cases[] = {
      {1, Feet, Meters, 0.3048, true},
      {1, Miles, Kilometers, 1.609344, true},
      {1, Inches, Centimeters, 2.54, false},
      {1, Yards, Feet, 3, false},
      {1, Miles, Feet, 5280, false},
      {1, Chains, Links, 100, false},
      {12, Points, Picas, 1, false},
      {1, Pounds, Kilograms, 0.45359237, false},
      {1, Stones, Pounds, 14, false},
      {1, Pounds, Ounces, 16, false},
      {1, Acres, SquareFeet, 43560, false},
      {1, SquareMiles, Acres, 640, false},
      {1, Hectares, Ares, 100, false},
      {1, CubicFeet, CubicInches, 1728, false},
      {1, FluidGallons, FluidQuarts, 4, false},
      {1, FluidGallons, CubicInches, 231, false},
      {1, UKGallons, UKPints, 8, false},
      {1, UKGallons, Liters, 4.54609, false},
      {1, Liters, MilliLiters, 1000, false},
      {1, Days, Seconds, 86400, false},
      {1, Hours, Minutes, 60, false},
      {1, Millennia, Centuries, 10, false},
      {1, Centuries, Years, 100, false},
      {2, Weeks, Fortnights, 1, false},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(ConvTypeToDescription(StdType(c.from)) + " -> " +
                 ConvTypeToDescription(StdType(c.to)));
    const double result = Convert(c.value, StdType(c.from), StdType(c.to));
    if (c.exact) {
      EXPECT_EQ(result, c.expected);
    } else {
      EXPECT_DOUBLE_EQ(result, c.expected);
    }
  }
}

TEST(StdUnitsTest, ConvertsTemperatureScales) {
  using enum StdUnit;
  const ConversionCase cases[] = {
      {100, Celsius, Fahrenheit, 212, true},    {0, Kelvin, Celsius, -273.15, true},
      {80, Reaumur, Celsius, 100, true},        {100, Celsius, Reaumur, 80, true},
      {0, Celsius, Fahrenheit, 32, true},       {0, Celsius, Kelvin, 273.15, true},
      {0, Celsius, Rankine, 491.67, true},      {0, Celsius, Reaumur, 0, true},
      {100, Celsius, Kelvin, 373.15, true},     {100, Celsius, Rankine, 671.67, true},
      {212, Fahrenheit, Celsius, 100, true},    {32, Fahrenheit, Celsius, 0, true},
      {-40, Fahrenheit, Celsius, -40, true},    {491.67, Rankine, Celsius, 0, false},
      {671.67, Rankine, Celsius, 100, false},   {212, Fahrenheit, Rankine, 671.67, true},
      {373.15, Kelvin, Celsius, 100, false},    {0, Kelvin, Rankine, 0, false},
      {0, Rankine, Fahrenheit, -459.67, false}, {-20, Reaumur, Fahrenheit, -13, true},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " " + ConvTypeToDescription(StdType(c.from)) + " -> " +
                 ConvTypeToDescription(StdType(c.to)));
    const double result = Convert(c.value, StdType(c.from), StdType(c.to));
    if (c.exact) {
      EXPECT_EQ(result, c.expected);
    } else {
      EXPECT_NEAR(result, c.expected, 1e-12);
    }
  }
}

TEST(StdUnitsTest, ConvertBetweenFamiliesFails) {
  EXPECT_EQ(MessageOf<EConversionError>(
                [] { Convert(1, StdType(StdUnit::Celsius), StdType(StdUnit::Meters)); }),
            "Incompatible conversion types [Celsius, Meters]");
}

TEST(StdUnitsTest, ResultBeyondDoubleRangeIsAnOverflow) {
  EXPECT_EQ(MessageOf<EOverflow>(
                [] { Convert(1e308, StdType(StdUnit::Parsecs), StdType(StdUnit::Meters)); }),
            "Floating point overflow");
  EXPECT_EQ(MessageOf<EOverflow>(
                [] { Convert(1e300, StdType(StdUnit::Meters), StdType(StdUnit::Micromicrons)); }),
            "Floating point overflow");
}

// --- Julian dates ------------------------------------------------------------------------------

struct JulianCase {
  double julianDate;
  double dateTime;  // days since 30 December 1899, fraction = time of day
  std::string_view when;
};

TEST(StdUnitsTest, JulianDatesRoundTripThroughDateTime) {
  const JulianCase cases[] = {
      {2451544.5, 36526, "2000-01-01 00:00"},
      {2451545.0, 36526.5, "2000-01-01 12:00"},
      {2440587.5, 25569, "1970-01-01 00:00"},
      {2415018.5, 0, "1899-12-30 00:00"},
      {2415018.75, 0.25, "1899-12-30 06:00"},
      {2415020.5, 2, "1900-01-01 00:00"},
      {2415017.75, -1.25, "1899-12-29 06:00"},
      {2299160.5, -115858, "1582-10-15 00:00 (first Gregorian day)"},
      {1721425.5, -693593, "0001-01-01 00:00"},
      {5373483.5, 2958465, "9999-12-31 00:00"},
  };
  const TConvType julian = StdType(StdUnit::JulianDate);
  const TConvType dateTime = StdType(StdUnit::DateTime);
  for (const JulianCase& c : cases) {
    SCOPED_TRACE(std::string(c.when));
    EXPECT_EQ(Convert(c.julianDate, julian, dateTime), c.dateTime);
    EXPECT_EQ(Convert(c.dateTime, dateTime, julian), c.julianDate);
  }
}

TEST(StdUnitsTest, ModifiedJulianDatesStartAtMidnight) {
  const JulianCase cases[] = {
      {51544, 36526, "2000-01-01 00:00"},
      {51544.5, 36526.5, "2000-01-01 12:00"},
      {40587, 25569, "1970-01-01 00:00"},
      {0, -15018, "1858-11-17 00:00"},
  };
  const TConvType modified = StdType(StdUnit::ModifiedJulianDate);
  const TConvType dateTime = StdType(StdUnit::DateTime);
  for (const JulianCase& c : cases) {
    SCOPED_TRACE(std::string(c.when));
    EXPECT_EQ(Convert(c.julianDate, modified, dateTime), c.dateTime);
    EXPECT_EQ(Convert(c.dateTime, dateTime, modified), c.julianDate);
  }
  EXPECT_EQ(Convert(2451544.5, StdType(StdUnit::JulianDate), modified), 51544);
}

struct UnrepresentableCase {
  StdUnit from;
  double value;
  std::string_view message;
};

TEST(StdUnitsTest, UnrepresentableDatesFail) {
  const UnrepresentableCase cases[] = {
      {StdUnit::JulianDate, 0, "0,000000 Julian cannot be represented as a DateTime"},
      {StdUnit::JulianDate, 1721424.5,  // 31 December of the year 0
       "1721424,500000 Julian cannot be represented as a DateTime"},
      {StdUnit::JulianDate, 5373484.5,  // 1 January 10000
       "5373484,500000 Julian cannot be represented as a DateTime"},
      {StdUnit::JulianDate, -1e9, "-1000000000,000000 Julian cannot be represented as a DateTime"},
      {StdUnit::ModifiedJulianDate, -700000,  // the Julian date it stands for is named
       "1700000,500000 Julian cannot be represented as a DateTime"},
      {StdUnit::DateTime, 2958466, "2958466,000000 is not a valid DateTime"},
      {StdUnit::DateTime, -693594, "-693594,000000 is not a valid DateTime"},
  };
  for (const UnrepresentableCase& c : cases) {
    const TConvType to =
        c.from == StdUnit::DateTime ? StdType(StdUnit::JulianDate) : StdType(StdUnit::DateTime);
    EXPECT_EQ(MessageOf<EConvertError>([&] { Convert(c.value, StdType(c.from), to); }), c.message);
  }
}

}  // namespace
}  // namespace vaneko::registry
