// The base definitions give the published exact values of the units derived from them. The
// expected values are the figures of the legal definitions (the international yard and pound of
// 1959, the imperial gallon of 1985, the US wine gallon, the standard gravity of 1901), written
// here as decimals, not computed from the definitions under test.
#include "core/base_units.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vaneko::units {
namespace {

struct PublishedCase {
  const char* unit;
  ExactSize derived;
  ExactSize published;
};

void PrintTo(const PublishedCase& c, std::ostream* os) {
  *os << c.unit;
}

class BaseUnitsTest : public ::testing::TestWithParam<PublishedCase> {};

TEST_P(BaseUnitsTest, DerivedSizeIsThePublishedExactValue) {
  EXPECT_TRUE(GetParam().derived == GetParam().published);
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, BaseUnitsTest,
    ::testing::Values(
        PublishedCase{"foot, m", kFoot, Decimal("0.3048")},
        PublishedCase{"yard, m", kYard, Decimal("0.9144")},
        PublishedCase{"mile, m", kMile, Decimal("1609.344")},
        PublishedCase{"furlong, m", kFurlong, Decimal("201.168")},
        PublishedCase{"chain, m", kChain, Decimal("20.1168")},
        PublishedCase{"acre, m²", kAcre, Decimal("4046.8564224")},
        PublishedCase{"square mile, m²", kSquareMile, Decimal("2589988.110336")},
        PublishedCase{"cubic foot, m³", kCubicFoot, Decimal("0.028316846592")},
        PublishedCase{"acre-foot, m³", kAcreFoot, Decimal("1233.48183754752")},
        PublishedCase{"US gallon, m³", kUsGallon, Decimal("0.003785411784")},
        PublishedCase{"US fluid ounce, m³", kUsFluidOunce, Decimal("0.0000295735295625")},
        PublishedCase{"US teaspoon, m³", kUsTeaspoon, Decimal("0.00000492892159375")},
        PublishedCase{"US cup, m³", kUsCup, Decimal("0.0002365882365")},
        PublishedCase{"US bushel, m³", kUsBushel, Decimal("0.03523907016688")},
        PublishedCase{"UK fluid ounce, m³", kUkFluidOunce, Decimal("0.0000284130625")},
        PublishedCase{"UK pint, m³", kUkPint, Decimal("0.00056826125")},
        PublishedCase{"ounce, kg", kOunce, Decimal("0.028349523125")},
        PublishedCase{"grain, kg", kGrain, Decimal("0.00006479891")},
        PublishedCase{"dram, kg", kDram, Decimal("0.0017718451953125")},
        PublishedCase{"long ton, kg", kLongTon, Decimal("1016.0469088")},
        PublishedCase{"pound-force, N", kPoundForce, Decimal("4.4482216152605")},
        PublishedCase{"poundal, N", kPoundal, Decimal("0.138254954376")},
        PublishedCase{"kilogram-force, N", kKilogramForce, Decimal("9.80665")},
        PublishedCase{"dyne, N", kDyne, Decimal("1E-5")},
        PublishedCase{"erg, J", kErg, Decimal("1E-7")},
        PublishedCase{"metric horsepower, W", kMetricHorsepower, Decimal("735.49875")},
        PublishedCase{"torr, Pa", kTorr, Whole(101325) / Whole(760)},
        PublishedCase{"curie, Bq", kCurie, Decimal("37000000000")},
        PublishedCase{"grad, degrees", kGrad / kDegree, Decimal("0.9")},
        PublishedCase{"radian, degrees", kRadian / kDegree, ExactSize{180, 1, -1}},
        PublishedCase{"arc second, degrees", kArcSecond / kDegree, ExactSize{1, 3600, 0}}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace vaneko::units
