// TEMPORARY STAND-IN, to be deleted when the unit rows with their symbols land in the catalogue
// (catalogue/catalogue.h will then declare these two functions). Delete this file, its .cpp
// and the one include of it in cli/lookup.cpp.
#pragma once

#include <string_view>

namespace vaneko::catalogue {

// The symbol of the unit at `position` of the from-list of `tab`; "" when it has none.
std::string_view UnitSymbol(int tab, int position);
// The same for the to-list; it differs from UnitSymbol only on tab 5.
std::string_view ToListSymbol(int tab, int position);

}  // namespace vaneko::catalogue
