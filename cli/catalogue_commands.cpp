// vaneko-cli categories [--names] | units CATEGORY [--lang fr|en] [--definitions | --names]
// --names lists every name the command line reads for the categories or the units, one per
// line (the captions or names in both languages, the symbols and the other names people type),
// for the shell's completion.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

#include "catalogue/unit_definition.h"
#include "cli/cli.h"
#include "cli/name_matching.h"

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

// Each name once, in the order first seen, without trailing blanks.
class NameList {
 public:
  void Add(std::string_view name) {
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (name.empty() || std::find(names_.begin(), names_.end(), name) != names_.end()) return;
    names_.push_back(name);
  }
  void Print(std::ostream& out) const {
    for (const std::string_view name : names_) out << name << '\n';
  }

 private:
  std::vector<std::string_view> names_;
};

void PrintNames(std::ostream& out, int tab, catalogue::UnitList list) {
  NameList names;
  for (const NamedLine& line : ListLines(tab, list)) {
    if (!line.matchable) continue;
    names.Add(line.french);
    names.Add(line.english);
    names.Add(line.symbol);
    for (const std::string_view alias : line.aliases) names.Add(alias);
  }
  names.Print(out);
}

}  // namespace

int RunCategories(const Args& args, const Options&, Streams io) {
  bool onlyNames = false;
  auto language = catalogue::Language::French;  // read, as everywhere; the lines hold both
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (args[k] != "--names" || onlyNames) throw UsageError{"categories takes no arguments"};
    onlyNames = true;
  }
  if (onlyNames) {
    NameList names;
    for (int tab = 0; tab < catalogue::kCategoryCount; ++tab) {
      names.Add(catalogue::TabCaption(tab, catalogue::Language::French));
      names.Add(catalogue::TabCaption(tab, catalogue::Language::English));
      for (const std::string_view alias : catalogue::CategoryAliases(tab)) names.Add(alias);
    }
    names.Print(io.out);
    return kExitOk;
  }
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    io.out << tab << '\t' << catalogue::TabCaption(tab, catalogue::Language::French) << '\t'
           << catalogue::TabCaption(tab, catalogue::Language::English) << '\n';
  return kExitOk;
}

int RunUnits(const Args& args, const Options&, Streams io) {
  auto language = catalogue::Language::French;
  std::optional<std::string> category;
  bool withDefinitions = false;
  bool onlyNames = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (args[k] == "--definitions") {
      withDefinitions = true;
      continue;
    }
    if (args[k] == "--names") {
      onlyNames = true;
      continue;
    }
    if (category) throw UsageError{"units takes one category"};
    category = args[k];
  }
  if (!category) throw UsageError{"units needs a category"};
  const int tab = FindCategory(*category, language);
  if (onlyNames) {
    if (withDefinitions) throw UsageError{"units takes --definitions or --names, not both"};
    PrintNames(io.out, tab, catalogue::UnitList::From);
    if (tab == catalogue::kKitchenTab) {
      io.out << "--\n";
      PrintNames(io.out, tab, catalogue::UnitList::To);
    }
    return kExitOk;
  }
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
