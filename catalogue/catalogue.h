// The converter's catalogue: the 18 category captions and every unit name, in French and in
// English, in list order. Constant data; nothing changes it at run time.
#pragma once

#include <span>
#include <string_view>

namespace vaneko::catalogue {

inline constexpr int kCategoryCount = 18;
inline constexpr int kKitchenTab = 5;  // "Gramme-Volume": foods in grams to kitchen measures

enum class Language : int { French = 0, English = 1 };

// The caption of tab `tab` (0 to 17) in `language`.
std::string_view TabCaption(int tab, Language language);

// The from-list (Index1) of `tab` in `language`. For every tab but 5 the to-list is the same.
std::span<const std::string_view> FromList(int tab, Language language);
// The to-list (Index2) of `tab` in `language`.
std::span<const std::string_view> ToList(int tab, Language language);

}  // namespace vaneko::catalogue
