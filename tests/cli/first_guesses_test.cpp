// First guesses: what people type before reading any help, with and without a category, as one
// argument or as several words, with aliases, plurals, ASCII symbols and ambiguous names.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vaneko::testing {
namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result Call(const cli::Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = cli::Run(args, {out, err});
  return {code, out.str(), err.str()};
}

cli::Args WordsOf(const std::string& phrase) {
  cli::Args words;
  std::istringstream in(phrase);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

struct Guess {
  const char* phrase;
  int code;
  const char* result;
  const char* why;
};

class FirstGuess : public ::testing::TestWithParam<Guess> {};

TEST_P(FirstGuess, ConvertsAsOneArgumentAndAsWords) {
  const Guess& g = GetParam();
  const Result whole = Call({g.phrase});
  EXPECT_EQ(whole.code, g.code) << g.phrase << ": " << whole.err;
  EXPECT_EQ(whole.out, std::string(g.result) + "\n") << g.phrase << " (" << g.why << ")";
  const Result words = Call(WordsOf(g.phrase));
  EXPECT_EQ(words.code, g.code) << g.phrase << ": " << words.err;
  EXPECT_EQ(words.out, whole.out) << g.phrase;
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, FirstGuess,
    ::testing::Values(
        Guess{"100 °F in °C", 0, "37,7777777777778", "with the symbols, as separate words"},
        Guess{"100 F to C", 0, "37,7777777777778", "ASCII symbols"},
        Guess{"100 degF C", 0, "37,7777777777778", "degF"},
        Guess{"37 C F", 0, "98,6", "no separator"},
        Guess{"0 Celsius Kelvin", 0, "273,15", "the correct spelling of Celcius"},
        Guess{"60 mph in km/h", 0, "96,56064", ""}, Guess{"60 mph kmh", 0, "96,56064", "kmh"},
        Guess{"100 kph mph", 0, "62,1371192237334", "kph"},
        Guess{"10 knots in kmh", 0, "18,52001376", "knots, plural of knot"},
        Guess{"10 kts m/s", 0, "5,14444826666667", "kts"},
        Guess{"1 bar in psi", 0, "14,5037737730209", ""}, Guess{"1 atm Pa", 0, "101325", ""},
        Guess{"180 degrees in radians", 0, "3,14159265358979", "plurals of names"},
        Guess{"1 rad deg", 0, "57,2957795130823", ""},
        Guess{"1 gallon in litres", 0, "3,785411784", "gallon is the US gallon"},
        Guess{"1 gal l", 0, "3,785411784", ""},
        Guess{"2 pints in ml", 0, "946,352946", "pint is the US pint"},
        Guess{"1 cup in ml", 0, "236,5882365", "cup is the US cup"},
        Guess{"1 fl oz ml", 0, "29,5735295625", "fl oz is the US fluid ounce"},
        Guess{"3 tsp tbsp", 0, "1", ""},
        Guess{"50 N·m in lbf·ft", 0, "36,8781074638633",
              "N·m is an energy and a torque; lbf·ft only a torque"},
        Guess{"50 Nm lbf ft", 0, "36,8781074638633", "ASCII N·m, lbf·ft as two words"},
        Guess{"100 ft-lb Nm", 0, "135,58179483314", ""},
        Guess{"1 pound kg", 0, "0,45359237", "a mass: both names direct"},
        Guess{"1 pound-force N", 0, "4,4482216152605", "a force"},
        Guess{"1 lbs kg", 0, "0,45359237", ""},
        Guess{"1 ton kg", 0, "907,18474", "ton is the short ton"},
        Guess{"1 ton-force kN", 0, "8,896443230521", "ton-force is the short ton-force"},
        Guess{"1 square feet in square metres", 0, "0,09290304", "names of several words, plural"},
        Guess{"1 sq ft m2", 0, "0,09290304", ""}, Guess{"1 acre m^2", 0, "4046,8564224", ""},
        Guess{"1 m^2 cm2", 0, "10000", ""}, Guess{"1 hectare acres", 0, "2,47105381467165", ""},
        Guess{"5 feet in inches", 0, "60", ""},
        Guess{"1 inch cm", 0, "2,54", "the correct spelling of Inche"},
        Guess{"1 km miles", 0, "0,621371192237334", ""},
        Guess{"1 BTU J", 0, "1055,056", "BTU is the international table Btu"},
        Guess{"1 kWh BTU", 0, "3412,14115648838", ""},
        Guess{"1 cal J", 0, "4,184", "cal is the thermochemical calorie"},
        Guess{"1 kcal kJ", 0, "4,184", ""},
        Guess{"1 hp kW", 0, "0,746", "hp is the mechanical horsepower"},
        Guess{"30 mpg l/100km", 0, "7,84048611111111", "mpg is the US mile per gallon"},
        Guess{"1 cc ml", 0, "1", ""}, Guess{"1 m3 l", 0, "1000", ""},
        Guess{"1 g/s kg/h", 0, "3,6", ""}, Guess{"1 cfm l/s", 0, "0,4719474432", ""},
        Guess{"1 Ci GBq", 0, "37", ""},
        Guess{"1 Kilowatt W", 0, "1000", "the correct spelling of Kilwatt"},
        Guess{"1,5 inch cm", 0, "3,81", "a decimal comma"},
        Guess{"1.5 inch cm", 0, "3,81", "a point typed as the keyboard types it"},
        Guess{"-40 C F", 0, "-40", ""}, Guess{"1 Nm J", 0, "1", "an energy: J is no torque"},
        Guess{"1 N·m N·m", 0, "1", "two categories, the same conversion"},
        Guess{"1 kilometre fathoms", 0, "546,806649168854", ""}));

struct CommandCase {
  cli::Args args;
  int code;
  std::string out;
  std::string err;  // a part of stderr; empty: stderr empty
};

class Command : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Command, PrintsAndExits) {
  const CommandCase& c = GetParam();
  const Result result = Call(c.args);
  EXPECT_EQ(result.code, c.code) << result.err;
  EXPECT_EQ(result.out, c.out);
  if (c.err.empty()) {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Convert, Command,
    ::testing::Values(
        // convert without CATEGORY
        CommandCase{{"convert", "mph", "kmh", "60"}, 0, "96,56064\n", ""},
        CommandCase{{"convert", "square feet", "m2", "1"}, 0, "0,09290304\n", ""},
        CommandCase{{"convert", "cup", "flour", "1"}, 0, "125,178961111111\n", ""},
        CommandCase{{"convert", "flour", "cup", "100"}, 0, "0,79885628633104\n", ""},
        // categories by their other names
        CommandCase{{"convert", "Speed", "mph", "kmh", "60"}, 0, "96,56064\n", ""},
        CommandCase{{"convert", "Velocity", "mph", "kmh", "60"}, 0, "96,56064\n", ""},
        CommandCase{{"convert", "Temp", "Celsius", "F", "100"}, 0, "212\n", ""},
        CommandCase{{"convert", "Weight", "lbs", "kg", "1"}, 0, "0,45359237\n", ""},
        CommandCase{{"convert", "Length", "inch", "cm", "1"}, 0, "2,54\n", ""},
        CommandCase{{"convert", "Volume", "tbsp", "ml", "1"}, 0, "14,78676478125\n", ""},
        CommandCase{{"convert", "Square Meter", "sq ft", "1"}, 0, "10,7639104167097\n", ""},
        CommandCase{
            {"convert", "Gramme-Volume", "flour", "tbsp", "100"}, 0, "12,7817005812967\n", ""},
        // --lang and --format anywhere
        CommandCase{
            {"--lang", "en", "convert", "Mass", "Pound", "Kilogram", "1"}, 0, "0,45359237\n", ""},
        CommandCase{{"--lang=en", "1", "mph", "kmh"}, 0, "1,609344\n", ""},
        CommandCase{{"1", "mph", "kmh", "--lang", "en"}, 0, "1,609344\n", ""},
        CommandCase{{"1.5", "mph", "kmh", "--format=plain"}, 0, "2.414016\n", ""},
        CommandCase{{"--format=plain", "convert", "mph", "kmh", "1.5"}, 0, "2.414016\n", ""},
        // a point under convert: the window refuses it, and the message says what to type
        CommandCase{{"convert", "mph", "kmh", "1.5"},
                    1,
                    "",
                    "'1.5' is not a valid floating point value.\n"
                    "vaneko-cli: use a decimal comma, or --format=plain\n"},
        // two categories that convert differently: named, exit 2
        CommandCase{{"1", "'", "in", "\""},
                    2,
                    "",
                    "''' and '\"' fit Distance and Angles, which convert them differently"},
        // names of different categories, and an unknown name
        CommandCase{{"1 m in N"}, 2, "", "no category has both 'm' (Distance) and 'N' (Force)"},
        CommandCase{{"5 xyzzy in m"}, 2, "", "no unit 'xyzzy' in any category"},
        CommandCase{{"convert", "xyzzy", "m", "1"}, 2, "", "no unit 'xyzzy' in any category"},
        CommandCase{{"1", "mph"}, 2, "", "say NUMBER FROM [to|in] TO"},
        // the category's form with the number or a unit left out: said so, not "no unit"
        CommandCase{{"convert", "Vitesse", "mph", "km/h"},
                    2,
                    "",
                    "vaneko-cli: 'Vitesse' is a category: convert CATEGORY FROM TO NUMBER takes 4 "
                    "arguments, here 3\n"},
        CommandCase{{"convert", "--lang", "en", "speed", "mph", "1"},
                    2,
                    "",
                    "'speed' is a category: convert CATEGORY FROM TO NUMBER takes 4"},
        CommandCase{{"convert", "13", "1", "2"}, 2, "", "'13' is a category"},
        CommandCase{{"convert", "--swap", "mph", "kmh", "1"}, 2, "", "--swap needs the category"}));

// Suggestions: names that start with or hold what was typed first, in this category then in
// others (with their category), then near spellings.
INSTANTIATE_TEST_SUITE_P(
    Suggestions, Command,
    ::testing::Values(
        CommandCase{{"convert", "Distance", "mph", "m", "1"},
                    2,
                    "",
                    "no unit 'mph' in Distance; did you mean 'Mile par Heure' (mph) in Vitesse, "
                    "'Kilomètre par Heure' (km/h) in Vitesse, 'Main' (hh), 'Chaîne' (ch) or "
                    "'Mile' (mi)?"},
        CommandCase{{"convert", "--lang", "en", "Speed", "Celsius", "F", "1"},
                    2,
                    "",
                    "no unit 'Celsius' in Velocyty; did you mean 'Celcius' (°C) in "
                    "Temperature?"},
        CommandCase{{"convert", "Énergie", "Therm", "J", "1"}, 0, "105505600\n", ""},
        CommandCase{{"convert", "Énergie", "Thermo", "J", "1"},
                    2,
                    "",
                    "did you mean 'BTU(Termo-Chemical)' (Btu (th))"},
        CommandCase{
            {"convert", "Masse", "kilogr", "g", "1"}, 2, "", "did you mean 'Kilogramme' (kg)"},
        CommandCase{{"1 farine in Tasse"},
                    2,
                    "",
                    "no unit 'farine' in any category; did you mean 'Farine arrowroot' in "
                    "Gramme-Volume"},
        CommandCase{
            {"convert", "Spead", "mph", "kmh", "1"}, 2, "", "no category 'Spead'; did you mean"}));

}  // namespace
}  // namespace vaneko::testing
