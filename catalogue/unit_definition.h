// What a unit is, in words a person can check: one unit of it stated in its category's reference
// unit ("1 Mile Nautique = 1 852 Mètre"), a temperature scale as its map to the kelvin, a food of
// the kitchen tab as the mass of one cup of it. The lists show it as each unit's tooltip and the
// command line prints it with `units CATEGORY --definitions`.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {

// The two lists of a tab. They hold the same units on every tab but the kitchen one, whose
// from-list holds the foods and whose to-list holds the measures.
enum class ListSide { From, To };

// The position, in the lists of `tab`, of the unit that the definitions of the units at
// `position` are stated in: the metre, the litre, the pascal, the watt... For fuel economy a
// volume per distance is stated in litres per kilometre and a distance per volume in kilometres
// per litre. On the kitchen tab the measures are stated in millilitres (to-list position 0) and
// the foods in grams, which is no list position: -1. Also -1 for no such tab or position.
int ReferencePosition(int tab, int position, ListSide side = ListSide::From);

// The definition of the unit at `position` of the `side` list of `tab`, in `language`, with the
// number written as the result field writes it (15 significant digits, decimal comma, correctly
// rounded) and its whole part grouped by threes: "1 Gallon Us = 3,785411784 Litre",
// "1 Curie = 37 000 000 000 Becquerel", "x Fahrenheit = (x + 459,67) × 5/9 Kelvin",
// "1 Tasse = 125,178961111111 g". Empty for a heading or blank line of the kitchen tab and for
// no such tab or position.
std::string UnitDefinition(int tab, int position, Language language,
                           ListSide side = ListSide::From);

// A number as FormatNumber writes it, with the digits of its whole part grouped by threes and a
// blank between groups ("37000000000" -> "37 000 000 000", "-1234,5" -> "-1 234,5"). A number in
// exponent notation is left as it is.
std::string GroupedDigits(std::string_view number);

}  // namespace vaneko::catalogue
