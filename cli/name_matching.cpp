#include "cli/name_matching.h"

#include <algorithm>
#include <array>
#include <utility>

#include "cli/cli.h"
#include "core/message_text.h"

namespace vaneko::cli {

namespace {

using catalogue::SingularName;

// Unknown names longer than this get no suggestion: the distance costs length times length.
constexpr std::size_t kLongestSuggested = 64;
// Names that start with or hold what was typed are all listed up to this many.
constexpr std::size_t kMostSuggestions = 6;
// Near spellings are listed up to this many.
constexpr std::size_t kMostNear = 3;

// The texts of one line compared at one level of the match.
enum class Text { kPreferredName, kOtherName, kSymbol };

std::string_view TextOf(const NamedLine& line, Text which, catalogue::Language preferred) {
  const auto other = preferred == catalogue::Language::French ? catalogue::Language::English
                                                              : catalogue::Language::French;
  switch (which) {
    case Text::kPreferredName:
      return line.Name(preferred);
    case Text::kOtherName:
      return line.Name(other);
    case Text::kSymbol:
      break;
  }
  return line.symbol;
}

// Every text of a line: names, symbol, aliases.
std::vector<std::string_view> AllTexts(const NamedLine& line) {
  std::vector<std::string_view> texts{line.french, line.english, line.symbol};
  texts.insert(texts.end(), line.aliases.begin(), line.aliases.end());
  return texts;
}

// The closest lines by edit distance over their folded texts, if any is close enough to be
// worth suggesting: at most a third of the name wrong, and at least two edits.
std::vector<int> Closest(const std::u32string& query, std::span<const NamedLine> lines) {
  if (query.empty() || query.size() > kLongestSuggested) return {};
  const std::size_t allowed = std::max<std::size_t>(2, query.size() / 3);
  std::size_t best = allowed + 1;
  std::vector<int> closest;
  for (std::size_t position = 0; position < lines.size(); ++position) {
    const NamedLine& line = lines[position];
    if (!line.matchable) continue;
    std::size_t distance = best + 1;
    for (const std::string_view text : AllTexts(line)) {
      if (!text.empty()) distance = std::min(distance, EditDistance(query, FoldName(text)));
    }
    if (distance < best) {
      best = distance;
      closest.clear();
    }
    if (distance == best) closest.push_back(static_cast<int>(position));
  }
  if (closest.size() > kMostNear) closest.resize(kMostNear);
  return closest;
}

// Whether `name` (folded) is `singular` in the singular or plural. Making a singular only drops
// letters at the ends of words ("feet" becomes "foot"), so the test is skipped where the first
// letters differ or the lengths cannot match: most names of most lists.
bool SameSingular(const std::u32string& name, const std::u32string& singular) {
  if (name.empty() || singular.empty() || name.front() != singular.front()) return false;
  const auto words = static_cast<std::size_t>(1 + std::count(name.begin(), name.end(), U' '));
  if (name.size() < singular.size() || name.size() > singular.size() + 2 * words) return false;
  return SingularName(name) == singular;
}

// `text` folded, or nothing when its folded form cannot start with `first` and so can match
// neither the folded query nor its singular (which starts as it does): most texts of most lists
// are then never folded whole.
std::u32string FoldedIfStartingWith(std::string_view text, char32_t first) {
  if (catalogue::FirstFolded(text) != first) return {};
  return FoldName(text);
}

LineMatch Decide(const std::vector<int>& found, Fit fit) {
  if (found.size() == 1) return {fit, found.front(), {}};
  return {Fit::kAmbiguous, -1, found};
}

}  // namespace

std::string Describe(const NamedLine& line, catalogue::Language language) {
  std::string text = "'" + std::string(line.Name(language)) + "'";
  if (!line.symbol.empty()) text += " (" + std::string(line.symbol) + ")";
  return text;
}

std::string JoinNames(const std::vector<std::string>& parts, std::string_view last) {
  std::string text;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) text += k + 1 == parts.size() ? last : std::string_view(", ");
    text += parts[k];
  }
  return text;
}

LineMatch FindLine(std::string_view text, std::span<const NamedLine> lines,
                   catalogue::Language preferred) {
  const std::u32string query = FoldName(text);
  if (query.empty()) return {};
  const std::u32string singular = SingularName(query);

  // Each line's texts folded once, those that could match.
  struct Folded {
    std::array<std::u32string, 3> own;  // preferred name, other name, symbol
    std::vector<std::u32string> aliases;
  };
  std::vector<Folded> folded(lines.size());
  for (std::size_t position = 0; position < lines.size(); ++position) {
    const NamedLine& line = lines[position];
    if (!line.matchable) continue;
    for (Text which : {Text::kPreferredName, Text::kOtherName, Text::kSymbol})
      folded[position].own[static_cast<std::size_t>(which)] =
          FoldedIfStartingWith(TextOf(line, which, preferred), query.front());
    for (const std::string_view alias : line.aliases)
      folded[position].aliases.push_back(FoldedIfStartingWith(alias, query.front()));
  }

  // Exact texts, then folded ones; names before the symbol at each.
  for (const bool fold : {false, true}) {
    for (Text which : {Text::kPreferredName, Text::kOtherName, Text::kSymbol}) {
      std::vector<int> found;
      for (std::size_t position = 0; position < lines.size(); ++position) {
        const NamedLine& line = lines[position];
        const std::string_view candidate = TextOf(line, which, preferred);
        if (!line.matchable || candidate.empty()) continue;
        const bool same = fold ? folded[position].own[static_cast<std::size_t>(which)] == query
                               : candidate == text;
        if (same) found.push_back(static_cast<int>(position));
      }
      if (!found.empty()) return Decide(found, Fit::kDirect);
    }
  }
  // A name in the singular or plural.
  for (Text which : {Text::kPreferredName, Text::kOtherName}) {
    std::vector<int> found;
    for (std::size_t position = 0; position < lines.size(); ++position) {
      const std::u32string& name = folded[position].own[static_cast<std::size_t>(which)];
      if (SameSingular(name, singular)) found.push_back(static_cast<int>(position));
    }
    if (!found.empty()) return Decide(found, Fit::kDirect);
  }
  // The aliases: exactly as typed, folded, in the singular or plural.
  for (int level = 0; level < 3; ++level) {
    std::vector<int> found;
    for (std::size_t position = 0; position < lines.size(); ++position) {
      const NamedLine& line = lines[position];
      for (std::size_t k = 0; k < line.aliases.size(); ++k) {
        const std::u32string& alias = folded[position].aliases[k];
        const bool same = level == 0   ? line.aliases[k] == text
                          : level == 1 ? alias == query
                                       : SameSingular(alias, singular);
        if (same) {
          found.push_back(static_cast<int>(position));
          break;
        }
      }
    }
    if (!found.empty()) return Decide(found, Fit::kAlias);
  }
  return {};
}

std::vector<int> Suggestions(std::string_view text, std::span<const NamedLine> lines,
                             std::size_t most, bool nearSpellings) {
  const std::u32string query = FoldName(text);
  if (query.empty() || query.size() > kLongestSuggested) return {};
  std::vector<int> starts;
  std::vector<int> holds;
  for (std::size_t position = 0; position < lines.size(); ++position) {
    const NamedLine& line = lines[position];
    if (!line.matchable) continue;
    bool start = false;
    bool hold = false;
    for (const std::string_view candidate : AllTexts(line)) {
      if (candidate.empty()) continue;
      const std::size_t at = FoldName(candidate).find(query);
      start |= at == 0;
      hold |= at != std::u32string::npos;
    }
    if (start) {
      starts.push_back(static_cast<int>(position));
    } else if (hold) {
      holds.push_back(static_cast<int>(position));
    }
  }
  starts.insert(starts.end(), holds.begin(), holds.end());
  if (nearSpellings)
    for (const int position : Closest(query, lines))
      if (std::find(starts.begin(), starts.end(), position) == starts.end())
        starts.push_back(position);
  if (starts.size() > most) starts.resize(most);
  return starts;
}

int MatchName(std::string_view text, std::span<const NamedLine> lines,
              catalogue::Language preferred, const LookupContext& context) {
  if (catalogue::FoldsToNothing(text))
    throw UsageError{"an empty " + std::string(context.kind) + " name" + context.where};
  const LineMatch match = FindLine(text, lines, preferred);
  if (match.fit == Fit::kDirect || match.fit == Fit::kAlias) return match.position;
  if (match.fit == Fit::kAmbiguous) {
    std::vector<std::string> names;
    for (int position : match.candidates)
      names.push_back(Describe(lines[static_cast<std::size_t>(position)], preferred));
    throw UsageError{"ambiguous " + std::string(context.kind) + " " + QuotedText(text) +
                     context.where + ": " + JoinNames(names, " or ")};
  }

  std::string message = "no " + std::string(context.kind) + " " + QuotedText(text) + context.where;
  // Names that start with or hold the text, here then elsewhere; then near spellings here.
  std::vector<std::string> names;
  const auto add = [&names](std::string name) {
    if (names.size() < kMostSuggestions &&
        std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(std::move(name));
  };
  for (int position : Suggestions(text, lines, kMostSuggestions, false))
    add(Describe(lines[static_cast<std::size_t>(position)], preferred));
  if (context.elsewhere)
    for (std::string& name : context.elsewhere()) add(std::move(name));
  for (int position : Suggestions(text, lines, kMostSuggestions, true))
    add(Describe(lines[static_cast<std::size_t>(position)], preferred));
  if (!names.empty()) {
    message += "; did you mean " + JoinNames(names, " or ") + "?";
  } else if (!context.listCommand.empty()) {
    message += "; '" + context.listCommand + "' lists them";
  }
  throw UsageError{message};
}

}  // namespace vaneko::cli
