// TEMPORARY STAND-IN for the catalogue's unit symbols: a handful of real symbols, "" for the
// rest. Delete with unit_symbols_stub.h when the catalogue provides them.
#include "cli/unit_symbols_stub.h"

#include <array>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {

namespace {

struct KnownSymbol {
  int tab;
  int position;
  std::string_view symbol;
};

constexpr std::array kFromSymbols{
    KnownSymbol{0, 0, "°C"},  KnownSymbol{0, 1, "°F"},   KnownSymbol{0, 2, "K"},
    KnownSymbol{0, 3, "°R"},  KnownSymbol{1, 0, "in"},   KnownSymbol{1, 2, "ft"},
    KnownSymbol{1, 5, "yd"},  KnownSymbol{1, 9, "mi"},   KnownSymbol{1, 10, "nmi"},
    KnownSymbol{1, 11, "km"}, KnownSymbol{1, 12, "m"},   KnownSymbol{1, 13, "cm"},
    KnownSymbol{6, 1, "bar"}, KnownSymbol{6, 13, "kPa"}, KnownSymbol{6, 14, "Pa"},
    KnownSymbol{6, 18, "psi"}};

constexpr KnownSymbol kKitchenMillilitre{5, 0, "mL"};

}  // namespace

std::string_view UnitSymbol(int tab, int position) {
  for (const KnownSymbol& known : kFromSymbols)
    if (known.tab == tab && known.position == position) return known.symbol;
  return "";
}

std::string_view ToListSymbol(int tab, int position) {
  if (tab != kKitchenTab) return UnitSymbol(tab, position);
  return position == kKitchenMillilitre.position ? kKitchenMillilitre.symbol : "";
}

}  // namespace vaneko::catalogue
