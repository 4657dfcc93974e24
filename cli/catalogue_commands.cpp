// vaneko-cli categories | units CATEGORY [--lang fr|en]
#include <ostream>

#include "cli/cli.h"

namespace vaneko::cli {

namespace {

void PrintList(std::ostream& out, std::span<const std::string_view> list) {
  for (std::size_t position = 0; position < list.size(); ++position)
    out << position << '\t' << list[position] << '\n';
}

}  // namespace

int RunCategories(const Args& args, Streams io) {
  if (!args.empty()) throw UsageError{"categories takes no arguments"};
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    io.out << tab << '\t' << catalogue::TabCaption(tab, catalogue::Language::French) << '\t'
           << catalogue::TabCaption(tab, catalogue::Language::English) << '\n';
  return kExitOk;
}

int RunUnits(const Args& args, Streams io) {
  auto language = catalogue::Language::French;
  std::optional<int> tab;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--lang") {
      if (k + 1 >= args.size()) throw UsageError{"--lang needs fr or en"};
      language = ParseLanguage(args[++k]);
    } else if (!tab) {
      tab = FindCategory(args[k]);
    } else {
      throw UsageError{"units takes one category"};
    }
  }
  if (!tab) throw UsageError{"units needs a category"};
  PrintList(io.out, catalogue::FromList(*tab, language));
  if (*tab == catalogue::kKitchenTab) {
    io.out << "--\n";
    PrintList(io.out, catalogue::ToList(*tab, language));
  }
  return kExitOk;
}

}  // namespace vaneko::cli
