// Finding categories, units and languages named on the command line.
#include <charconv>
#include <optional>

#include "cli/cli.h"
#include "cli/name_matching.h"
#include "core/message_text.h"

namespace vaneko::cli {

namespace {

using catalogue::Language;

std::optional<int> ParseIndex(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

enum class List { kFrom, kTo };

std::vector<NamedLine> Lines(int tab, List list) {
  return ListLines(tab, list == List::kFrom ? catalogue::UnitList::From : catalogue::UnitList::To);
}

int FindInList(int tab, List list, std::string_view text, Language preferred) {
  const auto lines = Lines(tab, list);
  const bool kitchen = tab == catalogue::kKitchenTab;
  const std::string_view kind = !kitchen ? "unit" : list == List::kFrom ? "food" : "measure";
  if (const auto index = ParseIndex(text)) {
    if (*index >= 0 && *index < static_cast<int>(lines.size())) return *index;
    throw UsageError{"no " + std::string(kind) + " at position " + std::string(text) + " in " +
                     std::string(catalogue::TabCaption(tab, preferred)) + " (0 to " +
                     std::to_string(lines.size() - 1) + ")"};
  }
  LookupContext context{kind, " in " + std::string(catalogue::TabCaption(tab, preferred)),
                        "vaneko-cli units " + std::to_string(tab)};
  context.elsewhere = [&] { return UnitsElsewhere(text, tab, preferred); };
  return MatchName(text, lines, preferred, context);
}

}  // namespace

std::vector<std::string> UnitsElsewhere(std::string_view text, int tab, Language preferred) {
  std::vector<std::string> names;
  for (const catalogue::UnitHit& hit : catalogue::SearchUnits(text)) {
    if (hit.tab == tab) continue;
    const auto lines = ListLines(hit.tab, hit.list);
    names.push_back(Describe(lines[static_cast<std::size_t>(hit.position)], preferred) + " in " +
                    std::string(catalogue::TabCaption(hit.tab, preferred)));
    if (names.size() >= 6) break;
  }
  return names;
}

std::vector<NamedLine> ListLines(int tab, catalogue::UnitList list) {
  const bool from = list == catalogue::UnitList::From;
  const auto french =
      from ? catalogue::FromList(tab, Language::French) : catalogue::ToList(tab, Language::French);
  const auto english = from ? catalogue::FromList(tab, Language::English)
                            : catalogue::ToList(tab, Language::English);
  std::vector<NamedLine> lines;
  for (std::size_t position = 0; position < french.size(); ++position) {
    const int at = static_cast<int>(position);
    NamedLine line{french[position], english[position],
                   from ? catalogue::UnitSymbol(tab, at) : catalogue::ToListSymbol(tab, at)};
    // The food list opens with its heading "En Gramme "; its separators are blank lines.
    const bool kitchenHeading = tab == catalogue::kKitchenTab && from && position == 0;
    line.matchable = !kitchenHeading && !catalogue::FoldsToNothing(line.french);
    line.aliases = catalogue::UnitAliases(tab, list, at);
    lines.push_back(line);
  }
  return lines;
}

int FindCategory(std::string_view text, Language preferred) {
  if (const auto index = ParseIndex(text)) {
    if (*index >= 0 && *index < catalogue::kCategoryCount) return *index;
    throw UsageError{"no category " + std::string(text) + " (0 to 17)"};
  }
  std::vector<NamedLine> captions;
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    captions.push_back({catalogue::TabCaption(tab, Language::French),
                        catalogue::TabCaption(tab, Language::English), "", true,
                        catalogue::CategoryAliases(tab)});
  return MatchName(text, captions, preferred, {"category", "", "vaneko-cli categories"});
}

int FindFrom(int tab, std::string_view text, Language preferred) {
  return FindInList(tab, List::kFrom, text, preferred);
}

int FindTo(int tab, std::string_view text, Language preferred) {
  return FindInList(tab, List::kTo, text, preferred);
}

Language ParseLanguage(std::string_view text) {
  if (text == "fr") return Language::French;
  if (text == "en") return Language::English;
  throw UsageError{"--lang takes fr or en, not " + QuotedText(text)};
}

bool TakeLanguage(const Args& args, std::size_t& k, Language& language) {
  constexpr std::string_view kJoined = "--lang=";
  if (args[k].rfind(kJoined, 0) == 0) {
    language = ParseLanguage(std::string_view(args[k]).substr(kJoined.size()));
    return true;
  }
  if (args[k] != "--lang") return false;
  if (k + 1 >= args.size()) throw UsageError{"--lang needs fr or en"};
  language = ParseLanguage(args[++k]);
  return true;
}

bool AsksForHelp(const Args& args) {
  for (const std::string& arg : args)
    if (arg == "-h" || arg == "--help") return true;
  return false;
}

std::string Shown(std::string text, const Options& options) {
  if (options.format == NumberFormat::kPlain)
    for (char& c : text)
      if (c == ',') c = '.';
  return text;
}

}  // namespace vaneko::cli
