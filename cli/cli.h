// vaneko-cli: the command-line front end, on the same window model as the program.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vaneko::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// A usage error: printed on stderr, exit code 2.
struct UsageError {
  std::string message;
};

using Args = std::vector<std::string>;

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

// The tab whose index or caption (French or English) is `text`.
int FindCategory(std::string_view text);
// The list position named by `text` (a position or an exact name) in `list`.
int FindPosition(std::string_view text, std::span<const std::string_view> list, const char* which);
catalogue::Language ParseLanguage(std::string_view text);

int RunCategories(const Args& args, Streams io);
int RunUnits(const Args& args, Streams io);
int RunConvert(const Args& args, Streams io);
int RunKeys(const Args& args, Streams io);

}  // namespace vaneko::cli
