// vaneko-cli categories | units CATEGORY [--lang fr|en]
#include <optional>
#include <ostream>

#include "cli/cli.h"

namespace vaneko::cli {

namespace {

// POSITION<TAB>NAME<TAB>SYMBOL, the symbol empty when the unit has none.
template <typename SymbolOf>
void PrintList(std::ostream& out, std::span<const std::string_view> list, SymbolOf symbolOf) {
  for (std::size_t position = 0; position < list.size(); ++position)
    out << position << '\t' << list[position] << '\t' << symbolOf(static_cast<int>(position))
        << '\n';
}

}  // namespace

int RunCategories(const Args& args, const Options&, Streams io) {
  if (!args.empty()) throw UsageError{"categories takes no arguments"};
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    io.out << tab << '\t' << catalogue::TabCaption(tab, catalogue::Language::French) << '\t'
           << catalogue::TabCaption(tab, catalogue::Language::English) << '\n';
  return kExitOk;
}

int RunUnits(const Args& args, const Options&, Streams io) {
  auto language = catalogue::Language::French;
  std::optional<std::string> category;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (category) throw UsageError{"units takes one category"};
    category = args[k];
  }
  if (!category) throw UsageError{"units needs a category"};
  const int tab = FindCategory(*category, language);
  PrintList(io.out, catalogue::FromList(tab, language),
            [tab](int position) { return catalogue::UnitSymbol(tab, position); });
  if (tab == catalogue::kKitchenTab) {
    io.out << "--\n";
    PrintList(io.out, catalogue::ToList(tab, language),
              [tab](int position) { return catalogue::ToListSymbol(tab, position); });
  }
  return kExitOk;
}

}  // namespace vaneko::cli
