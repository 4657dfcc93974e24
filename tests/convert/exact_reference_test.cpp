// Every ordered pair of every tab, at values of every scale, against an exact reference: the
// text DoConvert writes into Result must be, digit for digit, the exact value of
// (typed decimal) × size(from) ÷ size(to) rounded once to 15 significant digits, a half away
// from zero (temperatures the exact affine map, fuel economy's reciprocal pairs the exact
// reciprocal, the kitchen tab the food's millilitres per gram times the measure's count per
// millilitre).
//
// Nothing here reads the program's unit rows or its exact arithmetic: the sizes are restated
// from the unit definitions (the inch is 0.0254 m, the pound 0.45359237 kg, the standard gravity
// 9.80665 m/s², the US gallon 231 cubic inches, the UK gallon 4.54609 L, the calories, ...) and
// the program's own decimals where a unit has no derivation (the knots, "Mach", the electron
// volt, the BTUs, the slug, the light year and parsec of the measurement registry). The
// reference is computed with Boost's exact rationals, or, for the radian, with 80 significant
// digits of π, and rounded and written by a formatter of its own.
#include <gtest/gtest.h>

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <exception>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "convert/converter_model.h"
#include "reference_sizes.h"

namespace vaneko::convert {
namespace {

using namespace vaneko::testing::reference;

// Without expression templates, so that mixed expressions have one plain type.
using Real = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<80, boost::multiprecision::digit_base_10>,
    boost::multiprecision::et_off>;

constexpr int kShownDigits = 15;

// ---------------------------------------------------------------------------------------------
// The number writer, restated: 15 significant digits, a half away from zero, trailing zeros
// dropped; fixed notation for 1E-4 <= |v| < 1E15, otherwise d,dddE[-]x.

// |v| = 0.digits × 10^exponent, digits of at most 15 figures, the first not zero.
struct Rounded {
  bool negative = false;
  std::string digits;  // empty for zero
  long exponent = 0;
};

std::string Written(const Rounded& r) {
  if (r.digits.empty()) return "0";
  std::string digits = r.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string text = r.negative ? "-" : "";
  const long e = r.exponent;
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      text += "0," + std::string(static_cast<std::size_t>(-e), '0') + digits;
    } else {
      const auto whole = static_cast<std::size_t>(e);
      if (digits.size() <= whole) {
        text += digits + std::string(whole - digits.size(), '0');
      } else {
        text += digits.substr(0, whole) + "," + digits.substr(whole);
      }
    }
    return text;
  }
  text += digits.substr(0, 1);
  if (digits.size() > 1) text += "," + digits.substr(1);
  return text + "E" + std::to_string(e - 1);
}

Rational PowerOfTen(long n) {
  const BigInt power =
      boost::multiprecision::pow(BigInt(10), static_cast<unsigned>(n < 0 ? -n : n));
  return n < 0 ? Rational(BigInt(1), power) : Rational(power);
}

// The decimal exponent e with 10^(e-1) <= a < 10^e, for a > 0, from the sizes of the numerator
// and the denominator, then settled by comparison.
long DecimalExponent(const Rational& a) {
  const auto bits = [](const BigInt& n) {
    return static_cast<long>(boost::multiprecision::msb(n));
  };
  long e =
      (bits(boost::multiprecision::numerator(a)) - bits(boost::multiprecision::denominator(a))) *
      30103 / 100000;
  while (a >= PowerOfTen(e)) ++e;
  while (a < PowerOfTen(e - 1)) --e;
  return e;
}

// Rounds m × 10^shift (m >= 0 in the decade [10^14, 10^15) after shifting) to a whole number of
// 15 figures, a half away from zero; a carry into a 16th figure moves the exponent.
Rounded FromScaled(bool negative, BigInt whole, long exponent) {
  if (whole == boost::multiprecision::pow(BigInt(10), kShownDigits)) {
    whole /= 10;
    ++exponent;
  }
  return {negative, whole.str(), exponent};
}

Rounded Round(const Rational& v) {
  if (v == 0) return {};
  const bool negative = v < 0;
  const Rational a = negative ? Rational(-v) : v;
  const long e = DecimalExponent(a);
  const Rational scaled = a * PowerOfTen(kShownDigits - e);
  // floor(scaled + 1/2), all positive.
  const BigInt& n = boost::multiprecision::numerator(scaled);
  const BigInt& d = boost::multiprecision::denominator(scaled);
  return FromScaled(negative, (2 * n + d) / (2 * d), e);
}

Rounded Round(const Real& v) {
  if (v == 0) return {};
  const bool negative = v < 0;
  const Real a = boost::multiprecision::abs(v);
  auto e = static_cast<long>(boost::multiprecision::floor(boost::multiprecision::log10(a))) + 1;
  while (a >= boost::multiprecision::pow(Real(10), e)) ++e;
  while (a < boost::multiprecision::pow(Real(10), e - 1)) --e;
  const Real scaled = a * boost::multiprecision::pow(Real(10), kShownDigits - e);
  return FromScaled(negative, boost::multiprecision::floor(scaled + Real(0.5)).convert_to<BigInt>(),
                    e);
}

std::string Shown(const Rational& v) {
  return Written(Round(v));
}

std::string Shown(const Real& v) {
  return Written(Round(v));
}

Real ToReal(const Rational& q) {
  return Real(boost::multiprecision::numerator(q)) / Real(boost::multiprecision::denominator(q));
}

// ---------------------------------------------------------------------------------------------
// The references of one conversion.

struct Typed {
  const char* text;  // as typed, with the decimal comma
};

// Values of every scale: one, many digits (more than a double holds), the edges of the double
// range, negative ones, a tenth (which no double holds), and halves at the 16th digit, which
// the conversions by a power of ten and the same-unit conversions must round away from zero.
const Typed kValues[] = {{"1"},
                         {"123456,789012345678"},
                         {"3,7E-250"},
                         {"6,02E250"},
                         {"-0,000987654321098765432"},
                         {"-42,5"},
                         {"0,1"},
                         {"1,234567890123455"},
                         {"-0,5000000000000005"},
                         {"999999999999999,5"}};

// A category of sized units: the result is x × size(from) / size(to).
std::string SizedReference(const Sizes& sizes, int i, int j, const Rational& x) {
  return Shown(x * sizes[static_cast<std::size_t>(i)] / sizes[static_cast<std::size_t>(j)]);
}

// Tab 0: each scale to and from kelvins. Celsius, Fahrenheit, Kelvin, Rankine, in list order.
Rational ToKelvin(int scale, const Rational& v) {
  switch (scale) {
    case 0:
      return v + "273.15"_q;
    case 1:
      return (v - 32) * 5 / 9 + "273.15"_q;
    case 2:
      return v;
    default:
      return v * 5 / 9;
  }
}

Rational FromKelvin(int scale, const Rational& kelvins) {
  switch (scale) {
    case 0:
      return kelvins - "273.15"_q;
    case 1:
      return (kelvins - "273.15"_q) * 9 / 5 + 32;
    case 2:
      return kelvins;
    default:
      return kelvins * 9 / 5;
  }
}

std::string TemperatureReference(int i, int j, const Rational& x) {
  return Shown(FromKelvin(j, ToKelvin(i, x)));
}

std::string FuelEconomyReference(int i, int j, const Rational& x) {
  return Shown(FromKilometresPerLitre(j, ToKilometresPerLitre(i, x)));
}

// Tab 17: sizes in degrees; the radian is 180/π of them, the only size with π.
std::string AngleReference(int i, int j, const Rational& x) {
  const Rational degrees[] = {1, Rational(1, 60), Rational(1, 3600), "0.9"_q};
  constexpr int kRadian = 4;
  if (i == j) return Shown(x);
  const Real pi = boost::math::constants::pi<Real>();
  if (i == kRadian) return Shown(ToReal(x / degrees[j] * 180) / pi);
  if (j == kRadian) return Shown(ToReal(x * degrees[i] / 180) * pi);
  return Shown(x * degrees[i] / degrees[j]);
}

// Tab 5: the foods' millilitres per gram at their list positions; every other line of the
// from-list is a heading or a blank.
struct Food {
  int position;
  const char* name;
  const char* millilitresPerGram;
};

const Food kFoods[] = {
    {2, "Abricot confit", "1.27"},
    {3, "Abricot en tranches", "1.43"},
    {4, "Abricot sec", "1.56"},
    {5, "Ail", "1.74"},
    {6, "Ail émincé", "1.56"},
    {7, "Amande moulue", "2.78"},
    {8, "Amande rôtie blanchie", "1.67"},
    {9, "Amande rôtie non blanchie salée", "1.51"},
    {10, "Ananas confit", "1.27"},
    {11, "Ananas en dés", "1.53"},
    {12, "Anchois", "0.98"},
    {13, "Arachide", "1.62"},
    {14, "Arachide rôtie à l'huile non salée ", "1.78"},
    {15, "Arachide rôtie à l'huile salée ", "1.64"},
    {16, "Asperge ", "1.77"},
    {17, "Aubergine en cubes", "2.89"},
    {19, "Banane en purée", "1.05"},
    {20, "Banane en tranches", "1.58"},
    {21, "Basilic sec ", "9.09"},
    {22, "Bette à carde", "6.57"},
    {23, "Betterave", "1.74"},
    {24, "Beurre", "1.04"},
    {25, "Beurre arachides avec gras sel et sucre", "0.92"},
    {26, "Bicarbonate soude", "1.15"},
    {27, "Bleuet", "1.63"},
    {28, "Brocoli haché", "2.69"},
    {29, "Bulgur", "1.69"},
    {31, "Café instantané en poudre", "5.44"},
    {32, "Café moulu", "2.63"},
    {33, "Canelle moulue", "1.96"},
    {34, "Canneberge entière", "2.49"},
    {35, "Cantaloup en dés", "1.52"},
    {36, "Cardon filamenté", "1.33"},
    {37, "Carotte en tranches", "1.94"},
    {38, "Carotte râpée", "2.15"},
    {39, "Cédrat confit", "1.12"},
    {40, "Céleri en dés", "1.97"},
    {41, "Céleri en graines", "1.96"},
    {42, "Céleri-rave", "1.52"},
    {43, "Céréale Rice Krispies", "8.76"},
    {44, "Cerise confite", "1.33"},
    {45, "Cerise terre", "1.69"},
    {46, "Champignon en morceaux", "3.38"},
    {47, "Champignon entier", "2.46"},
    {48, "Chapelure biscuit Graham", "2.82"},
    {49, "Chapelure Corn Flakes", "2.5"},
    {50, "Chapelure pain blanc", "5.26"},
    {51, "Chapelure pain séché", "2.19"},
    {52, "Chapelure fraîche pain", "3.97"},
    {53, "Châtainge rôtie", "1.65"},
    {54, "Chayotte en morceaux", "1.79"},
    {55, "Chocolat en morceaux", "1.32"},
    {56, "Chocolat fondu", "0.98"},
    {57, "Chocolat râpé", "2.38"},
    {58, "Chou Bruxelles", "2.69"},
    {59, "Chou haché", "2.66"},
    {60, "Chou rouge haché", "2.66"},
    {61, "Chou vert frisé haché", "3.53"},
    {62, "Chou-fleur", "2.37"},
    {63, "Chou-rave", "1.75"},
    {64, "Ciboulette hachée", "4.9"},
    {65, "Citrouille en cubes", "2.4"},
    {66, "Clou girofle entier", "2.63"},
    {67, "Clou girofle moulu", "2.5"},
    {68, "Concombre pelé haché", "1.78"},
    {69, "Confiture", "0.73"},
    {70, "Coriandre", "14.79"},
    {71, "Couscous", "1.37"},
    {72, "Cresson fontaine haché", "6.96"},
    {73, "Curcuma moulu", "1.69"},
    {75, "Datte séchée dénoyautée hachée", "1.33"},
    {77, "Échalote hachée", "1.48"},
    {78, "Écorce citron râpée", "1.56"},
    {79, "Écorce orange râpée", "2.63"},
    {80, "Endive", "2.63"},
    {81, "Épinard", "7.89"},
    {83, "Farine arrowroot", "1.85"},
    {84, "Farine avoine", "1.39"},
    {85, "Farine blé à gâteau non tamisée", "2.13"},
    {86, "Farine blé à gâteau tamisée", "2.46"},
    {87, "Farine blé blanche à gâteau non tamisée", "1.73"},
    {88, "Farine blé blanche à pain", "1.73"},
    {89, "Farine blé blanche tout usage", "1.89"},
    {90, "Farine blé tout usage tamisée", "2.06"},
    {91, "Farine blé", "1.97"},
    {92, "Farine maïs", "2.02"},
    {93, "Farine pomme terre", "1.48"},
    {94, "Farine riz blanc", "1.5"},
    {95, "Farine riz brun", "1.5"},
    {96, "Farine sarrasin", "1.97"},
    {97, "Farine seigle", "2.63"},
    {98, "Farine semoule", "1.35"},
    {99, "Fécule maïs tamisée", "1.85"},
    {100, "Fécule pomme terre tamisée", "1.67"},
    {101, "Fève sèche", "1.18"},
    {102, "Figue barbarie", "1.59"},
    {103, "Figue sèche", "1.43"},
    {104, "Fraise entière", "1.64"},
    {105, "Framboise", "1.92"},
    {106, "Framboise congelée", "0.95"},
    {107, "Fromage bleu émietté", "1.75"},
    {108, "Fromage brie en tranches", "1.64"},
    {109, "Fromage cheddar râpé", "1.96"},
    {110, "Fromage colby râpé", "2.13"},
    {111, "Fromage cottage", "1.03"},
    {112, "Fromage cottage non tassé", "1.05"},
    {113, "Fromage emmental filamenté", "2.19"},
    {114, "Fromage féta émietté", "1.58"},
    {115, "Fromage gruyère filamenté", "2.19"},
    {116, "Fromage jack râpé", "1.82"},
    {117, "Fromage muenster filamenté", "2.09"},
    {118, "Fromage parmesan râpé", "2.37"},
    {119, "Fromage port-salut filamenté", "2.09"},
    {120, "Fromage râpé", "2"},
    {121, "Fromage ricotte", "0.96"},
    {122, "Fromage roquefort émietté", "1.75"},
    {123, "Fruit confit", "1.27"},
    {124, "Fruit sec", "1.56"},
    {126, "Gélatine", "1.08"},
    {127, "Germe blé", "1.89"},
    {128, "Gingembre", "2.46"},
    {129, "Gingembre moulu", "2.74"},
    {130, "Glucose", "0.69"},
    {131, "Gourgane sans cosse", "2.17"},
    {132, "Gousse vanille écrasée", "1.47"},
    {133, "Gras bœuf", "1.15"},
    {134, "Gras canard", "1.15"},
    {135, "Gras porc=saindoux", "1.15"},
    {136, "Gras poulet", "1.15"},
    {137, "Gras végétal Crisco fondu", "1.12"},
    {138, "Gras végétal Crisco solide", "1.08"},
    {139, "Groseille à maquereau", "1.58"},
    {140, "Gruau sec -- Flocons d'avoine", "2.53"},
    {141, "Guimauve mini", "4.73"},
    {143, "haricot blanc", "1.17"},
    {144, "haricot blanc petit", "1.1"},
    {145, "haricot lima", "1.52"},
    {146, "haricot jaune", "1.21"},
    {147, "haricot noir", "1.22"},
    {148, "haricot vert", "1.29"},
    {149, "hoummos maison", "0.96"},
    {151, "jaune œuf", "0.88"},
    {152, "kiwi", "1.34"},
    {154, "lait entier en poudre", "1.85"},
    {155, "laitue frisée filamentée", "4.22"},
    {156, "laitue iceberg hachée", "4.3"},
    {157, "laitue romaine filamentée", "4.22"},
    {158, "lard", "1.32"},
    {159, "lentille", "1.23"},
    {160, "levure chimique action continue double", "1.07"},
    {161, "lin en graines", "1.53"},
    {162, "litchi", "1.25"},
    {164, "macaroni blé entier", "2.25"},
    {165, "mâche", "4.22"},
    {166, "maïs sucré", "1.54"},
    {167, "mangue en tranches", "1.43"},
    {168, "margarine", "1.04"},
    {169, "mayonnaise", "0.97"},
    {170, "mélasse", "0.7"},
    {171, "miel", "0.7"},
    {172, "millet", "1.18"},
    {173, "moutarde", "0.95"},
    {174, "moutarde en poudre", "2.04"},
    {175, "mûre", "1.64"},
    {177, "navet en cubes", "1.82"},
    {178, "nectarine en tranches", "1.71"},
    {179, "noisette déshydratée entière", "1.75"},
    {180, "noix acajou rôtie entière", "1.73"},
    {181, "noix coco filamentée", "2.96"},
    {182, "noix coco séchée sucrée en flocons", "3.2"},
    {183, "noix grenoble déshydratée en moitiées", "2.37"},
    {184, "noix du Brésil déshydratée", "1.69"},
    {185, "noix en poudre", "2.78"},
    {186, "nouilles aux œufs sèches", "6.23"},
    {188, "oeuf entier dur", "1.74"},
    {189, "oeuf", "0.96"},
    {190, "oignon en tranches", "2.06"},
    {191, "oignon haché", "1.48"},
    {192, "oignon vert haché", "2.37"},
    {193, "okra", "2.37"},
    {194, "olive verte hachée", "1.78"},
    {195, "orange avec pelure", "1.39"},
    {196, "orge", "1.29"},
    {198, "pacane en moitiés", "2.39"},
    {199, "pacane en poudre", "2.38"},
    {200, "panais en tranches", "1.78"},
    {201, "papaye en cubes", "1.69"},
    {202, "paprika", "2.04"},
    {203, "pastèque en dés", "1.56"},
    {204, "patate douce en cubes", "1.78"},
    {205, "pâtisson en tranches", "1.82"},
    {206, "pavot en graines", "1.75"},
    {207, "pêche en tranches", "1.39"},
    {208, "pelure citron confite", "1.39"},
    {209, "pelure pamplemousse confite", "1.39"},
    {210, "pelure orange confite", "1.39"},
    {211, "persil frais", "3.94"},
    {212, "pignon", "1.75"},
    {213, "piment chili haché ou en dés", "1.58"},
    {214, "piment jalapeno en tranches", "2.63"},
    {215, "piment serrano haché", "2.25"},
    {216, "pissenlit en feuilles hachées", "4.3"},
    {217, "pistache", "1.92"},
    {218, "poire avec pelure en tranches", "1.43"},
    {219, "poire confite", "1.27"},
    {220, "poireau", "2.66"},
    {221, "pois cassé", "1.2"},
    {222, "pois mange-tout entier", "3.76"},
    {223, "pois pigeon", "1.55"},
    {224, "pois vert", "1.63"},
    {225, "poivre blanc en grain", "2.08"},
    {226, "poivre noir en grain", "2.31"},
    {227, "poivron haché", "1.59"},
    {228, "pomme avec ou sans pelure en tranches", "2.15"},
    {229, "pomme terre en dés", "1.58"},
    {230, "pomme terre en purée", "1.13"},
    {231, "poudre à pâte", "1.32"},
    {232, "poudre cacao", "2.27"},
    {233, "pourpier", "5.5"},
    {234, "pousse bambou en conserve", "1.81"},
    {235, "prune en tranches", "1.43"},
    {237, "quinoa en grains", "1.39"},
    {239, "radicchio filamenté", "5.92"},
    {240, "radis en tranches", "2.04"},
    {241, "raisin corinthe sec", "1.64"},
    {242, "raisin sultana sec", "1.63"},
    {243, "rhubarbe en dés", "1.94"},
    {244, "riz basmati", "1.2"},
    {245, "riz blanc à grain court", "1.18"},
    {246, "riz blanc à grain long", "1.28"},
    {247, "riz blanc à grain moyen", "1.21"},
    {248, "riz blanc glutineux", "1.28"},
    {249, "riz brun à grain long", "1.28"},
    {250, "riz brun à grain moyen", "1.25"},
    {251, "riz sauvage", "1.48"},
    {252, "roquette", "11.83"},
    {253, "rutabaga en cubes", "1.69"},
    {255, "salsifis en tranches", "1.78"},
    {256, "sarrazin en grains", "1.39"},
    {257, "seigle en grains", "1.4"},
    {258, "sel table", "0.81"},
    {259, "sésame en graines", "1.47"},
    {260, "son avoine en grains", "2.52"},
    {261, "sucre à glace non tamisé", "1.97"},
    {262, "sucre à glace tamisé", "2.37"},
    {263, "sucre brun (cassonade) non tassé", "1.63"},
    {264, "sucre brun (cassonade) tassé", "1.08"},
    {265, "sucre granulé", "1.18"},
    {267, "tamarin", "1.97"},
    {268, "tangerine en sections", "1.21"},
    {269, "tapioca perlé", "1.56"},
    {270, "taro en tranches", "2.28"},
    {271, "tomate cerise rouge", "1.59"},
    {272, "tomate jaune hachée", "1.7"},
    {273, "tomate rouge en tranches", "1.31"},
    {274, "tomate verte", "1.31"},
    {275, "tomate  pâte en conserve", "0.9"},
    {276, "topinambour en tranches", "1.58"},
    {277, "tournesol grillé en graines", "1.77"},
    {279, "vanille en extrait", "1.14"},
    {280, "yaourt", "0.97"},
    {281, "zucchini haché", "1.91"},
};

constexpr int kFoodLines = 283;

// The measures as counts per millilitre, to the 15 digits the kitchen tab applies them with
// (the millilitre itself is 1).
const char* const kMeasuresPerMillilitre[] = {"1",
                                              "0.202884136211058",
                                              "0.067628045403686",
                                              "0.035195079727854",
                                              "0.033814022701843",
                                              "0.00422675283773037"};

// ---------------------------------------------------------------------------------------------
// The test: each conversion typed into the converter model exactly as a user would.

std::string Converted(ConverterModel& model, const char* typed, int i, int j) {
  model.Nombre1 = typed;
  model.FromSelected = i;
  model.ToSelected = j;
  try {
    model.DoConvert();
  } catch (const std::exception& e) {
    return std::string("(raised: ") + e.what() + ")";
  }
  return model.Result;
}

// Collects disagreements and reports the first few of them.
class Mismatches {
 public:
  void Check(int tab, const char* typed, int i, int j, const std::string& shown,
             const std::string& expected) {
    ++checked_;
    if (shown == expected) return;
    if (++count_ <= 20) {
      ADD_FAILURE() << "tab " << tab << ": " << typed << " from " << i << " to " << j << " shows "
                    << shown << ", exactly rounded " << expected;
    }
  }
  int count() const { return count_; }
  int checked() const { return checked_; }

 private:
  int count_ = 0;
  int checked_ = 0;
};

struct SizedTab {
  const char* name;
  int tab;
  Sizes (*sizes)();
};

void PrintTo(const SizedTab& t, std::ostream* out) {
  *out << t.name;
}

class EveryPairIsExactlyRounded : public ::testing::TestWithParam<SizedTab> {};

TEST_P(EveryPairIsExactlyRounded, AtEveryValue) {
  const SizedTab& t = GetParam();
  const Sizes sizes = t.sizes();
  const int count = static_cast<int>(sizes.size());
  ConverterModel model;
  model.SelectTab(t.tab);
  ASSERT_EQ(model.FromItems.size(), sizes.size());
  Mismatches mismatches;
  for (const Typed& value : kValues) {
    const Rational x = Exact(value.text);
    for (int i = 0; i < count; ++i) {
      for (int j = 0; j < count; ++j) {
        mismatches.Check(t.tab, value.text, i, j, Converted(model, value.text, i, j),
                         SizedReference(sizes, i, j, x));
      }
    }
  }
  EXPECT_EQ(mismatches.count(), 0);
  EXPECT_EQ(mismatches.checked(), count * count * static_cast<int>(std::size(kValues)));
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, EveryPairIsExactlyRounded,
    ::testing::Values(SizedTab{"Distance", 1, DistanceMetres}, SizedTab{"Mass", 2, MassGrams},
                      SizedTab{"Area", 3, AreaSquareMetres},
                      SizedTab{"LiquidVolume", 4, LiquidVolumeMl},
                      SizedTab{"Pressure", 6, PressurePa},
                      SizedTab{"Velocity", 7, VelocityMetresPerSecond},
                      SizedTab{"Acceleration", 8, AccelerationMetresPerSecondSquared},
                      SizedTab{"Force", 9, ForceNewtons}, SizedTab{"Energy", 10, EnergyJoules},
                      SizedTab{"Power", 11, PowerWatts},
                      SizedTab{"VolumeFlow", 13, VolumeFlowCubicMetresPerSecond},
                      SizedTab{"MassFlow", 14, MassFlowKilogramsPerSecond},
                      SizedTab{"Torque", 15, TorqueNewtonMetres},
                      SizedTab{"Radioactivity", 16, RadioactivityBecquerels}),
    [](const auto& info) { return std::string(info.param.name); });

// The tabs whose maps are not a ratio of two sizes.
struct MappedTab {
  const char* name;
  int tab;
  int units;
  std::string (*reference)(int i, int j, const Rational& x);
};

void PrintTo(const MappedTab& t, std::ostream* out) {
  *out << t.name;
}

class EveryMappedPairIsExactlyRounded : public ::testing::TestWithParam<MappedTab> {};

TEST_P(EveryMappedPairIsExactlyRounded, AtEveryValue) {
  const MappedTab& t = GetParam();
  ConverterModel model;
  model.SelectTab(t.tab);
  ASSERT_EQ(model.FromItems.size(), static_cast<std::size_t>(t.units));
  Mismatches mismatches;
  for (const Typed& value : kValues) {
    const Rational x = Exact(value.text);
    for (int i = 0; i < t.units; ++i) {
      for (int j = 0; j < t.units; ++j) {
        mismatches.Check(t.tab, value.text, i, j, Converted(model, value.text, i, j),
                         i == j ? Shown(x) : t.reference(i, j, x));
      }
    }
  }
  EXPECT_EQ(mismatches.count(), 0);
  EXPECT_EQ(mismatches.checked(), t.units * t.units * static_cast<int>(std::size(kValues)));
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryMappedPairIsExactlyRounded,
                         ::testing::Values(MappedTab{"Temperature", 0, 4, TemperatureReference},
                                           MappedTab{"FuelEconomy", 12, 5, FuelEconomyReference},
                                           MappedTab{"Angles", 17, 5, AngleReference}),
                         [](const auto& info) { return std::string(info.param.name); });

// Results beyond the range of a double are written from the extended value, on the tabs of
// the measurement registry as on the others; a typed value beyond it is refused.
struct BeyondDoubleCase {
  int tab;
  int from;
  int to;
  const char* typed;
};

void PrintTo(const BeyondDoubleCase& c, std::ostream* out) {
  *out << "tab " << c.tab << ": " << c.typed << " from " << c.from << " to " << c.to;
}

std::string Reference(int tab, int i, int j, const Rational& x) {
  switch (tab) {
    case 0:
      return TemperatureReference(i, j, x);
    case 1:
      return SizedReference(DistanceMetres(), i, j, x);
    case 2:
      return SizedReference(MassGrams(), i, j, x);
    case 4:
      return SizedReference(LiquidVolumeMl(), i, j, x);
    case 10:
      return SizedReference(EnergyJoules(), i, j, x);
    case 12:
      return FuelEconomyReference(i, j, x);
    default:
      return "(no reference for this tab)";
  }
}

class BeyondTheDoubleRange : public ::testing::TestWithParam<BeyondDoubleCase> {};

TEST_P(BeyondTheDoubleRange, IsWrittenFromTheExactValue) {
  const BeyondDoubleCase& c = GetParam();
  ConverterModel model;
  model.SelectTab(c.tab);
  const std::string expected = Reference(c.tab, c.from, c.to, Exact(c.typed));
  EXPECT_EQ(Converted(model, c.typed, c.from, c.to), expected);
  // The reference itself lies outside the double range, which is what this case is about.
  const Rational shown = boost::multiprecision::abs(Exact(expected));
  EXPECT_TRUE(shown > Rational(std::numeric_limits<double>::max()) ||
              shown < Rational(std::numeric_limits<double>::denorm_min()))
      << expected;
}

INSTANTIATE_TEST_SUITE_P(
    Results, BeyondTheDoubleRange,
    ::testing::Values(
        // 1E308 cubic kilometres are 1E323 millilitres.
        BeyondDoubleCase{4, 2, 4, "1E308"}, BeyondDoubleCase{4, 2, 29, "-1,7E308"},
        // Light years in inches, and back to below the smallest double.
        BeyondDoubleCase{1, 15, 0, "1,7E308"}, BeyondDoubleCase{1, 0, 16, "2E-308"},
        BeyondDoubleCase{2, 6, 7, "1,5E308"},
        // Celsius to Fahrenheit nearly doubles the value.
        BeyondDoubleCase{0, 0, 1, "1,7E308"}, BeyondDoubleCase{0, 0, 3, "-1,7E308"},
        // Litres per 100 km of a tiny distance per litre.
        BeyondDoubleCase{12, 0, 1, "1E-307"},
        // Electron volts in therms.
        BeyondDoubleCase{10, 8, 32, "1E-300"}));

TEST(BeyondTheDoubleRange, ATypedValueBeyondItIsAnOverflow) {
  ConverterModel model;
  model.SelectTab(1);
  for (const char* typed : {"1E400", "-2E308", "1,8E308"}) {
    EXPECT_EQ(Converted(model, typed, 0, 1), "(raised: Floating point overflow)") << typed;
  }
}

TEST(KitchenMeasures, EveryFoodInEveryMeasureIsExactlyRounded) {
  ConverterModel model;
  model.SelectTab(5);
  ASSERT_EQ(model.FromItems.size(), static_cast<std::size_t>(kFoodLines));
  ASSERT_EQ(model.ToItems.size(), std::size(kMeasuresPerMillilitre));
  Mismatches mismatches;
  for (const Food& food : kFoods) {
    EXPECT_EQ(model.FromItems[static_cast<std::size_t>(food.position)], food.name);
    const Rational perGram = Exact(food.millilitresPerGram);
    for (const Typed& value : kValues) {
      const Rational x = Exact(value.text);
      for (int j = 0; j < static_cast<int>(std::size(kMeasuresPerMillilitre)); ++j) {
        mismatches.Check(5, value.text, food.position, j,
                         Converted(model, value.text, food.position, j),
                         Shown(x * perGram * Exact(kMeasuresPerMillilitre[j])));
      }
    }
  }
  EXPECT_EQ(mismatches.count(), 0);
  EXPECT_EQ(mismatches.checked(), static_cast<int>(std::size(kFoods) * std::size(kValues) *
                                                   std::size(kMeasuresPerMillilitre)));
}

// A heading or blank line of the food list has no conversion: the result keeps its text.
TEST(KitchenMeasures, HeadingAndBlankLinesLeaveTheResultAlone) {
  ConverterModel model;
  model.SelectTab(5);
  std::vector<bool> isFood(kFoodLines, false);
  for (const Food& food : kFoods) isFood[static_cast<std::size_t>(food.position)] = true;
  int headings = 0;
  for (int i = 0; i < kFoodLines; ++i) {
    if (isFood[static_cast<std::size_t>(i)]) continue;
    ++headings;
    for (int j = 0; j < static_cast<int>(std::size(kMeasuresPerMillilitre)); ++j) {
      model.Result = "7,5";
      EXPECT_EQ(Converted(model, "1", i, j), "7,5") << "line " << i << " to " << j;
    }
  }
  EXPECT_EQ(headings, 21);
}

// The reference's own writer, on values whose text is known from the notation alone.
struct WrittenCase {
  const char* exact;
  const char* shown;
};

class ReferenceWriter : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(ReferenceWriter, WritesTheNotation) {
  EXPECT_EQ(Shown(Exact(GetParam().exact)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, ReferenceWriter,
    ::testing::Values(
        WrittenCase{"0", "0"}, WrittenCase{"1234.5", "1234,5"}, WrittenCase{"0.0001", "0,0001"},
        WrittenCase{"0.00001", "1E-5"}, WrittenCase{"1E15", "1E15"},
        WrittenCase{"1.5E20", "1,5E20"}, WrittenCase{"999999999999999", "999999999999999"},
        WrittenCase{"999999999999999.5", "1E15"}, WrittenCase{"-0.00009999999999999995", "-0,0001"},
        WrittenCase{"1.000000000000005", "1,00000000000001"},
        WrittenCase{"-1.000000000000005", "-1,00000000000001"},
        WrittenCase{"1.0000000000000049999", "1"}, WrittenCase{"-6.02E250", "-6,02E250"},
        WrittenCase{"3.7E-250", "3,7E-250"}, WrittenCase{"120", "120"}));

TEST(ReferenceWriter, RoundsAThirdAndTwoThirds) {
  EXPECT_EQ(Shown(Rational(1, 3)), "0,333333333333333");
  EXPECT_EQ(Shown(Rational(-2, 3)), "-0,666666666666667");
  EXPECT_EQ(Shown(ToReal(Rational(2, 3))), "0,666666666666667");
}

}  // namespace
}  // namespace vaneko::convert
