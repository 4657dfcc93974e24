// vaneko-cli categories | units CATEGORY [--lang fr|en] [--definitions]
#include <optional>
#include <ostream>
#include <string>

#include "catalogue/unit_definition.h"
#include "cli/cli.h"

namespace vaneko::cli {

namespace {

// Which definitions a list prints in its last column.
struct UnitDefinitions {
  int tab;
  catalogue::Language language;
  catalogue::ListSide side;
};

// POSITION<TAB>NAME<TAB>SYMBOL, the symbol empty when the unit has none; with `definitions`, a
// last column holds the unit's definition (empty for a heading or blank line).
template <typename SymbolOf>
void PrintList(std::ostream& out, std::span<const std::string_view> list, SymbolOf symbolOf,
               const std::optional<UnitDefinitions>& definitions) {
  for (std::size_t position = 0; position < list.size(); ++position) {
    const int at = static_cast<int>(position);
    out << position << '\t' << list[position] << '\t' << symbolOf(at);
    if (definitions)
      out << '\t'
          << catalogue::UnitDefinition(definitions->tab, at, definitions->language,
                                       definitions->side);
    out << '\n';
  }
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
  bool withDefinitions = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (args[k] == "--definitions") {
      withDefinitions = true;
      continue;
    }
    if (category) throw UsageError{"units takes one category"};
    category = args[k];
  }
  if (!category) throw UsageError{"units needs a category"};
  const int tab = FindCategory(*category, language);
  const auto definitions = [&](catalogue::ListSide side) {
    return withDefinitions ? std::optional<UnitDefinitions>({tab, language, side}) : std::nullopt;
  };
  PrintList(
      io.out, catalogue::FromList(tab, language),
      [tab](int position) { return catalogue::UnitSymbol(tab, position); },
      definitions(catalogue::ListSide::From));
  if (tab == catalogue::kKitchenTab) {
    io.out << "--\n";
    PrintList(
        io.out, catalogue::ToList(tab, language),
        [tab](int position) { return catalogue::ToListSymbol(tab, position); },
        definitions(catalogue::ListSide::To));
  }
  return kExitOk;
}

}  // namespace vaneko::cli
