// Folding, edit distance and the order in which names are matched.
#include "cli/name_matching.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vaneko::testing {
namespace {

using catalogue::Language;
using cli::FoldName;
using cli::NamedLine;

struct FoldCase {
  const char* text;
  const char32_t* folded;
};

class Fold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(Fold, LowersCaseDropsAccentsAndTidiesBlanks) {
  EXPECT_EQ(FoldName(GetParam().text), std::u32string(GetParam().folded));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Fold,
    ::testing::Values(FoldCase{"Kilomètre", U"kilometre"}, FoldCase{"KILOMÈTRE", U"kilometre"},
                      FoldCase{"kilometre", U"kilometre"}, FoldCase{"Ça", U"ca"},
                      FoldCase{"Œuf", U"oeuf"}, FoldCase{"cœur", U"coeur"},
                      FoldCase{"Straße", U"strasse"}, FoldCase{"ÀÉÎÕÜ", U"aeiou"},
                      FoldCase{"Łódź", U"lodz"}, FoldCase{"Ÿ", U"y"},
                      FoldCase{"Centimètre d’eau", U"centimetre d'eau"},
                      // blanks: trimmed, runs collapsed, the no-break space counted as one
                      FoldCase{"  Kilocalorie 15°C ", U"kilocalorie 15°c"},
                      FoldCase{"tomate  pâte", U"tomate pate"}, FoldCase{"a\u00A0b", U"a b"},
                      FoldCase{" ", U""}, FoldCase{"", U""},
                      // signs that are not letters stay as they are; both micro signs are one
                      FoldCase{"°F", U"°f"},
                      FoldCase{"Dyne par Centimètre^2", U"dyne par centimetre^2"},
                      FoldCase{"μs", U"µs"}, FoldCase{"µs", U"µs"}));

struct DistanceCase {
  const char32_t* a;
  const char32_t* b;
  std::size_t distance;
};

class Distance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(Distance, CountsSingleCharacterEditsBothWays) {
  EXPECT_EQ(cli::EditDistance(GetParam().a, GetParam().b), GetParam().distance);
  EXPECT_EQ(cli::EditDistance(GetParam().b, GetParam().a), GetParam().distance);
}

INSTANTIATE_TEST_SUITE_P(Pairs, Distance,
                         ::testing::Values(DistanceCase{U"", U"", 0}, DistanceCase{U"", U"abc", 3},
                                           DistanceCase{U"kitten", U"sitting", 3},
                                           DistanceCase{U"kilometer", U"kilometre", 2},
                                           DistanceCase{U"flaw", U"lawn", 2},
                                           DistanceCase{U"mètre", U"metre", 1},
                                           DistanceCase{U"same", U"same", 0},
                                           DistanceCase{U"ab", U"ba", 2}));

// A small list whose names collide on purpose: position 0 is a heading, and "Tonne" is the
// French name of position 2 and the English name of position 1.
const std::array<NamedLine, 6> kLines{{
    {"En Tête ", "En Tête ", "", false},
    {"Tonne Métrique", "Tonne", "t"},
    {"Tonne", "Ton", "ton"},
    {"Mètre", "Metre", "m"},
    {"Mile", "Mile", "mi"},
    {"Pied", "M", "ft"},  // an English name that equals another line's symbol
}};

struct MatchCase {
  const char* text;
  Language preferred;
  int position;  // -1: a usage error whose message holds `message`
  const char* message;
};

class Match : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Match, FindsTheLineOrExplains) {
  const MatchCase& c = GetParam();
  const cli::LookupContext context{"unit", " in Test", "vaneko-cli units 99"};
  if (c.position >= 0) {
    EXPECT_EQ(cli::MatchName(c.text, kLines, c.preferred, context), c.position);
    return;
  }
  try {
    const int found = cli::MatchName(c.text, kLines, c.preferred, context);
    ADD_FAILURE() << "'" << c.text << "' found position " << found;
  } catch (const cli::UsageError& e) {
    EXPECT_EQ(e.message, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Match,
    ::testing::Values(
        // exact names, the preferred language first
        MatchCase{"Tonne", Language::French, 2, ""}, MatchCase{"Tonne", Language::English, 1, ""},
        // an exact name in the other language wins over a folded one in the preferred
        MatchCase{"Ton", Language::French, 2, ""},
        // exact symbol before folded names: "M" is a name (English, position 5) and, folded, the
        // symbol "m" of position 3; the exact English name decides
        MatchCase{"M", Language::French, 5, ""}, MatchCase{"m", Language::French, 3, ""},
        MatchCase{"mi", Language::French, 4, ""},
        // folded names and symbols
        MatchCase{"TONNE MÉTRIQUE", Language::English, 1, ""},
        MatchCase{"tonne", Language::English, 1, ""}, MatchCase{"tonne", Language::French, 2, ""},
        MatchCase{"metre", Language::French, 3, ""},
        MatchCase{"  mètre ", Language::English, 3, ""}, MatchCase{"FT", Language::French, 5, ""},
        MatchCase{"MI", Language::English, 4, ""},
        // the heading is never found by name, and says nothing close either
        MatchCase{"En Tête ", Language::French, -1,
                  "no unit 'En Tête ' in Test; 'vaneko-cli units 99' lists them"},
        MatchCase{"", Language::French, -1, "an empty unit name in Test"},
        MatchCase{"  ", Language::French, -1, "an empty unit name in Test"},
        // unknown names: the closest, by its name in the preferred language and its symbol
        // a plural is its singular's name
        MatchCase{"Miles", Language::French, 4, ""},
        MatchCase{"Milez", Language::French, -1,
                  "no unit 'Milez' in Test; did you mean 'Mile' (mi)?"},
        MatchCase{"meter", Language::English, -1,
                  "no unit 'meter' in Test; did you mean 'Metre' (m)?"},
        // a tie lists every line at the same distance, in list order
        MatchCase{"Tonn", Language::French, -1,
                  "no unit 'Tonn' in Test; did you mean 'Tonne Métrique' (t) or 'Tonne' (ton)?"},
        MatchCase{"xylophone", Language::French, -1,
                  "no unit 'xylophone' in Test; 'vaneko-cli units 99' lists them"}));

TEST(Match, TwoLinesOfTheSameNameAreAmbiguous) {
  const std::array<NamedLine, 3> lines{{
      {"Once UK", "Ounce UK", "oz"},
      {"Once US", "Ounce US", "oz"},
      {"Livre", "Pound", "lb"},
  }};
  try {
    cli::MatchName("OZ", lines, Language::French, {"unit", " in Masse", ""});
    ADD_FAILURE() << "'OZ' was not found ambiguous";
  } catch (const cli::UsageError& e) {
    EXPECT_EQ(e.message, "ambiguous unit 'OZ' in Masse: 'Once UK' (oz) or 'Once US' (oz)");
  }
  // The exact symbol does not single one out either.
  EXPECT_THROW(cli::MatchName("oz", lines, Language::French, {"unit", "", ""}), cli::UsageError);
  EXPECT_EQ(cli::MatchName("lb", lines, Language::French, {"unit", "", ""}), 2);
}

}  // namespace
}  // namespace vaneko::testing
