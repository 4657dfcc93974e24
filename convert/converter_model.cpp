#include "convert/converter_model.h"

#include <utility>

#include "convert/dispatch.h"
#include "core/number_text.h"
#include "registry/std_units.h"

namespace vaneko::convert {

ConverterModel::ConverterModel() {
  registry::EnsureStandardUnits();
  // The layout's lists: the four French temperature units, nothing selected.
  const auto units = catalogue::FromList(0, catalogue::Language::French);
  Index1Items.assign(units.begin(), units.end());
  Index2Items = Index1Items;
}

void ConverterModel::DoConvert() {
  if (Nombre1.empty()) Nombre1 = "0";
  if (Result.empty()) Result = "0";
  NumberFreshEntry = true;
  // The typed decimal is converted exactly; its double, kept as the last parsed value, is the
  // range check: a value beyond the double range is an overflow.
  const DecimalNumber typed = ReadDecimal(Nombre1);
  ConversionValue = NarrowToDouble(typed.value);

  if (TabIndex < 0 || TabIndex >= catalogue::kCategoryCount) return;
  const int i = Index1Selected;
  const int j = Index2Selected;
  if (TabIndex != catalogue::kKitchenTab && i == j) {
    Result = FormatNumber(ApplyExactly(typed, ExactMap{}));
    return;
  }
  const auto converted = Guarded([&]() -> std::optional<Extended> {
    if (TabIndex == catalogue::kKitchenTab && KitchenReversed) {
      const auto map = MeasureToGramsMap(i, j);
      if (!map) return std::nullopt;
      return ApplyExactly(typed, *map);
    }
    return ConvertPair(TabIndex, i, j, typed);
  });
  if (converted) Result = FormatNumber(*converted);
}

void ConverterModel::TabControl1Change() {
  KitchenReversed = false;
  if (TabIndex < 0 || TabIndex >= catalogue::kCategoryCount) return;
  if (DisplayLanguage != catalogue::Language::French &&
      DisplayLanguage != catalogue::Language::English)
    return;
  const auto from = catalogue::FromList(TabIndex, CurrentLanguage());
  Index1Items.assign(from.begin(), from.end());
  if (TabIndex == catalogue::kKitchenTab) {
    const auto to = catalogue::ToList(TabIndex, CurrentLanguage());
    Index2Items.assign(to.begin(), to.end());
  } else {
    Index2Items = Index1Items;
  }
  Index1Selected = -1;
  Index2Selected = -1;
}

void ConverterModel::SelectTab(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return;
  TabIndex = tab;
  TabControl1Change();
}

void ConverterModel::SelectFrom(int position) {
  if (position < -1 || position >= static_cast<int>(Index1Items.size())) return;
  Index1Selected = position;
  DoConvert();
}

void ConverterModel::SelectTo(int position) {
  if (position < -1 || position >= static_cast<int>(Index2Items.size())) return;
  Index2Selected = position;
  DoConvert();
}

void ConverterModel::Swap() {
  std::swap(Index1Selected, Index2Selected);
  if (TabIndex == catalogue::kKitchenTab) {
    // Each selection moves with its list: the food chosen stays chosen, now in Index2.
    std::swap(Index1Items, Index2Items);
    KitchenReversed = !KitchenReversed;
  }
  if (Index1Selected >= 0 && Index2Selected >= 0) DoConvert();
}

}  // namespace vaneko::convert
