// The base definitions every unit size of the program derives from, each stated once, exactly.
// Sizes are in the international system's units: metres, square and cubic metres, kilograms,
// seconds, newtons, joules, watts, pascals, becquerels. A unit table states its rows as
// quotients of these (a unit's size in its category's reference unit), never as a
// pre-multiplied literal.
//
// Where the program has always used a decimal that is not the unit's legal definition (the
// knots, "Mach" of 1229 km/h, the electron volt of 1.60206E-19 J, the slug, the light year and
// parsec of the measurement registry), that decimal is stated here once, as it is used, and
// marked as such.
#pragma once

#include "core/exact_size.h"

namespace vaneko::units {

// Powers of ten, for readable metric prefixes.
inline constexpr ExactSize kPico = Decimal("1E-12");
inline constexpr ExactSize kNano = Decimal("1E-9");
inline constexpr ExactSize kMicro = Decimal("1E-6");
inline constexpr ExactSize kMilli = Decimal("1E-3");
inline constexpr ExactSize kCenti = Decimal("1E-2");
inline constexpr ExactSize kDeci = Decimal("1E-1");
inline constexpr ExactSize kDeca = Whole(10);
inline constexpr ExactSize kHecto = Whole(100);
inline constexpr ExactSize kKilo = Whole(1000);
inline constexpr ExactSize kMega = Decimal("1E6");
inline constexpr ExactSize kGiga = Decimal("1E9");

// Time.
inline constexpr ExactSize kSecond = Whole(1);
inline constexpr ExactSize kMinute = Whole(60) * kSecond;
inline constexpr ExactSize kHour = Whole(60) * kMinute;
inline constexpr ExactSize kDay = Whole(24) * kHour;
inline constexpr ExactSize kWeek = Whole(7) * kDay;
// The Julian year of 365.25 days.
inline constexpr ExactSize kJulianYear = Decimal("365.25") * kDay;

// Length.
inline constexpr ExactSize kMetre = Whole(1);
inline constexpr ExactSize kCentimetre = kCenti * kMetre;
inline constexpr ExactSize kKilometre = kKilo * kMetre;
inline constexpr ExactSize kInch = Decimal("0.0254");
inline constexpr ExactSize kFoot = Whole(12) * kInch;
inline constexpr ExactSize kYard = Whole(3) * kFoot;
inline constexpr ExactSize kMile = Whole(1760) * kYard;
inline constexpr ExactSize kNauticalMile = Whole(1852) * kMetre;
inline constexpr ExactSize kHand = Whole(4) * kInch;
inline constexpr ExactSize kCubit = Whole(18) * kInch;
inline constexpr ExactSize kPace = Decimal("2.5") * kFoot;
inline constexpr ExactSize kFathom = Whole(6) * kFoot;
inline constexpr ExactSize kRod = Decimal("16.5") * kFoot;
inline constexpr ExactSize kChain = Whole(4) * kRod;
inline constexpr ExactSize kLink = kChain / Whole(100);
inline constexpr ExactSize kFurlong = Whole(10) * kChain;
inline constexpr ExactSize kAngstrom = Decimal("1E-10") * kMetre;
// The printer's pica as the measurement registry has always held it, and its twelfth, the point.
inline constexpr ExactSize kPica = Decimal("0.0042175176") * kMetre;
inline constexpr ExactSize kPoint = kPica / Whole(12);
// The astronomical unit, light year and parsec as the measurement registry has always held them
// (not today's definitions: the light year of 9460730472580800 m, the parsec of 648000/π au).
inline constexpr ExactSize kAstronomicalUnit = Decimal("149598000000");
inline constexpr ExactSize kLightYear = Decimal("9460528404879358");
inline constexpr ExactSize kParsec = Decimal("30856802484953068");

// Area.
inline constexpr ExactSize kSquareMetre = kMetre * kMetre;
inline constexpr ExactSize kSquareCentimetre = kCentimetre * kCentimetre;
inline constexpr ExactSize kSquareKilometre = kKilometre * kKilometre;
inline constexpr ExactSize kSquareInch = kInch * kInch;
inline constexpr ExactSize kSquareFoot = kFoot * kFoot;
inline constexpr ExactSize kSquareYard = kYard * kYard;
inline constexpr ExactSize kSquareMile = kMile * kMile;
inline constexpr ExactSize kSquareRod = kRod * kRod;
inline constexpr ExactSize kAcre = Whole(43560) * kSquareFoot;
inline constexpr ExactSize kAre = Whole(100) * kSquareMetre;
inline constexpr ExactSize kHectare = Whole(100) * kAre;

// Volume.
inline constexpr ExactSize kCubicMetre = kSquareMetre * kMetre;
inline constexpr ExactSize kCubicCentimetre = kSquareCentimetre * kCentimetre;
inline constexpr ExactSize kCubicKilometre = kSquareKilometre * kKilometre;
inline constexpr ExactSize kCubicInch = kSquareInch * kInch;
inline constexpr ExactSize kCubicFoot = kSquareFoot * kFoot;
inline constexpr ExactSize kCubicYard = kSquareYard * kYard;
inline constexpr ExactSize kCubicMile = kSquareMile * kMile;
inline constexpr ExactSize kAcreFoot = kAcre * kFoot;
inline constexpr ExactSize kAcreInch = kAcre * kInch;
inline constexpr ExactSize kCord = Whole(128) * kCubicFoot;  // 8 × 4 × 4 feet of stacked wood
inline constexpr ExactSize kCordFoot = kCord / Whole(8);
inline constexpr ExactSize kStere = kCubicMetre;
inline constexpr ExactSize kLitre = kMilli * kCubicMetre;
inline constexpr ExactSize kMillilitre = kMilli * kLitre;
inline constexpr ExactSize kKilolitre = kKilo * kLitre;
// US liquid measures, from the wine gallon of 231 cubic inches.
inline constexpr ExactSize kUsGallon = Whole(231) * kCubicInch;
inline constexpr ExactSize kUsQuart = kUsGallon / Whole(4);
inline constexpr ExactSize kUsPint = kUsQuart / Whole(2);
inline constexpr ExactSize kUsCup = kUsPint / Whole(2);
inline constexpr ExactSize kUsGill = kUsPint / Whole(4);
inline constexpr ExactSize kUsFluidOunce = kUsGallon / Whole(128);
inline constexpr ExactSize kUsTablespoon = kUsFluidOunce / Whole(2);
inline constexpr ExactSize kUsTeaspoon = kUsTablespoon / Whole(3);
// US dry measures, from the bushel of 2150.42 cubic inches.
inline constexpr ExactSize kUsBushel = Decimal("2150.42") * kCubicInch;
inline constexpr ExactSize kUsPeck = kUsBushel / Whole(4);
inline constexpr ExactSize kUsDryBucket = Whole(2) * kUsPeck;
inline constexpr ExactSize kUsDryGallon = kUsPeck / Whole(2);
inline constexpr ExactSize kUsDryQuart = kUsDryGallon / Whole(4);
inline constexpr ExactSize kUsDryPint = kUsDryQuart / Whole(2);
// UK (imperial) measures, from the gallon of 4.54609 litres.
inline constexpr ExactSize kUkGallon = Decimal("4.54609") * kLitre;
inline constexpr ExactSize kUkPottle = kUkGallon / Whole(2);
inline constexpr ExactSize kUkQuart = kUkGallon / Whole(4);
inline constexpr ExactSize kUkPint = kUkQuart / Whole(2);
inline constexpr ExactSize kUkGill = kUkPint / Whole(4);
inline constexpr ExactSize kUkFluidOunce = kUkGallon / Whole(160);
inline constexpr ExactSize kUkPeck = Whole(2) * kUkGallon;
inline constexpr ExactSize kUkBucket = Whole(2) * kUkPeck;
inline constexpr ExactSize kUkBushel = Whole(4) * kUkPeck;

// Mass.
inline constexpr ExactSize kKilogram = Whole(1);
inline constexpr ExactSize kGram = kMilli * kKilogram;
inline constexpr ExactSize kTonne = kKilo * kKilogram;
inline constexpr ExactSize kPound = Decimal("0.45359237") * kKilogram;
inline constexpr ExactSize kOunce = kPound / Whole(16);
inline constexpr ExactSize kDram = kOunce / Whole(16);
inline constexpr ExactSize kGrain = kPound / Whole(7000);
inline constexpr ExactSize kStone = Whole(14) * kPound;
inline constexpr ExactSize kShortTon = Whole(2000) * kPound;
inline constexpr ExactSize kLongTon = Whole(2240) * kPound;
// The slug as the program has always held it, to 15 significant digits.
inline constexpr ExactSize kSlug = Decimal("14.5939035919985") * kKilogram;

// Speed and acceleration.
inline constexpr ExactSize kStandardGravity = Decimal("9.80665") * kMetre / (kSecond * kSecond);
inline constexpr ExactSize kSpeedOfLight = Whole(299792458) * kMetre / kSecond;
// The program's own speeds, not definitions: the speed of sound of 1229 km/h (also "Mach") and
// the two knots of 1853.994768 and 1852.001376 metres per hour.
inline constexpr ExactSize kSpeedOfSound = Whole(1229) * kKilometre / kHour;
inline constexpr ExactSize kUkKnot = Decimal("1853.994768") * kMetre / kHour;
inline constexpr ExactSize kUsKnot = Decimal("1852.001376") * kMetre / kHour;

// Force.
inline constexpr ExactSize kNewton = kKilogram * kMetre / (kSecond * kSecond);
inline constexpr ExactSize kDyne = kGram * kCentimetre / (kSecond * kSecond);
inline constexpr ExactSize kGramForce = kGram * kStandardGravity;
inline constexpr ExactSize kKilogramForce = kKilogram * kStandardGravity;
inline constexpr ExactSize kTonneForce = kTonne * kStandardGravity;
inline constexpr ExactSize kPoundForce = kPound * kStandardGravity;
inline constexpr ExactSize kOunceForce = kOunce * kStandardGravity;
inline constexpr ExactSize kPoundal = kPound * kFoot / (kSecond * kSecond);
inline constexpr ExactSize kShortTonForce = kShortTon * kStandardGravity;
inline constexpr ExactSize kLongTonForce = kLongTon * kStandardGravity;

// Pressure.
inline constexpr ExactSize kPascal = kNewton / kSquareMetre;
inline constexpr ExactSize kBar = Decimal("1E5") * kPascal;
inline constexpr ExactSize kAtmosphere = Whole(101325) * kPascal;
// A column of mercury at 0 °C: 76 cm of it is one atmosphere; the torr is a 760th of one.
inline constexpr ExactSize kCentimetreOfMercury = kAtmosphere / Whole(76);
inline constexpr ExactSize kTorr = kAtmosphere / Whole(760);
// A column of water at 4 °C, as the program has always weighed it: 0.07355 of the same column of
// mercury.
inline constexpr ExactSize kCentimetreOfWater = Decimal("0.07355") * kCentimetreOfMercury;

// Energy and power.
inline constexpr ExactSize kJoule = kNewton * kMetre;
inline constexpr ExactSize kErg = kDyne * kCentimetre;
inline constexpr ExactSize kWatt = kJoule / kSecond;
// The calories: international table, thermochemical, at 15 °C and 20 °C, and the mean calorie.
inline constexpr ExactSize kCalorieIt = Decimal("4.1868") * kJoule;
inline constexpr ExactSize kCalorieTh = Decimal("4.184") * kJoule;
inline constexpr ExactSize kCalorie15 = Decimal("4.1858") * kJoule;
inline constexpr ExactSize kCalorie20 = Decimal("4.1819") * kJoule;
inline constexpr ExactSize kCalorieMean = Decimal("4.19002") * kJoule;
// The British thermal units (international table, mean, thermochemical) as the program has
// always held them, and the therm of 100000 of them.
inline constexpr ExactSize kBtuIt = Decimal("1055.056") * kJoule;
inline constexpr ExactSize kBtuMean = Decimal("1055.87") * kJoule;
inline constexpr ExactSize kBtuTh = Decimal("1054.35") * kJoule;
inline constexpr ExactSize kThermIt = Decimal("1E5") * kBtuIt;
inline constexpr ExactSize kThermMean = Decimal("1E5") * kBtuMean;
inline constexpr ExactSize kThermTh = Decimal("1E5") * kBtuTh;
// The French thermie, as the program has always held it: 4185 kJ.
inline constexpr ExactSize kThermie = Whole(4185000) * kJoule;
// The electron volt as the program has always held it (not today's 1.602176634E-19 J).
inline constexpr ExactSize kElectronVolt = Decimal("1.60206E-19") * kJoule;
// The horsepower of 746 W and the metric horsepower of 75 kilogram-force metres per second.
inline constexpr ExactSize kHorsepower = Whole(746) * kWatt;
inline constexpr ExactSize kMetricHorsepower = Whole(75) * kKilogramForce * kMetre / kSecond;

// Radioactivity.
inline constexpr ExactSize kBecquerel = Whole(1) / kSecond;
inline constexpr ExactSize kCurie = Decimal("3.7E10") * kBecquerel;

// Temperature: the kelvins of 0 °C, and the degrees Rankine of 0 °F.
inline constexpr ExactSize kIcePointKelvins = Decimal("273.15");
inline constexpr ExactSize kFahrenheitZeroRankine = Decimal("459.67");

// Plane angle, in radians: the only sizes with a power of π.
inline constexpr ExactSize kRadian = Whole(1);
inline constexpr ExactSize kDegree = ExactSize{1, 180, 1};  // π / 180
inline constexpr ExactSize kArcMinute = kDegree / Whole(60);
inline constexpr ExactSize kArcSecond = kArcMinute / Whole(60);
inline constexpr ExactSize kGrad = ExactSize{1, 200, 1};  // π / 200

}  // namespace vaneko::units
