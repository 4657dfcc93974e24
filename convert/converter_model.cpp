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
  FromItems.assign(units.begin(), units.end());
  ToItems = FromItems;
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
  const int i = FromSelected;
  const int j = ToSelected;
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
  FromItems.assign(from.begin(), from.end());
  if (TabIndex == catalogue::kKitchenTab) {
    const auto to = catalogue::ToList(TabIndex, CurrentLanguage());
    ToItems.assign(to.begin(), to.end());
  } else {
    ToItems = FromItems;
  }
  FromSelected = -1;
  ToSelected = -1;
}

void ConverterModel::SelectTab(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return;
  TabIndex = tab;
  TabControl1Change();
}

void ConverterModel::SelectFrom(int position) {
  if (position < -1 || position >= static_cast<int>(FromItems.size())) return;
  FromSelected = position;
  DoConvert();
}

void ConverterModel::SelectTo(int position) {
  if (position < -1 || position >= static_cast<int>(ToItems.size())) return;
  ToSelected = position;
  DoConvert();
}

void ConverterModel::Swap() {
  std::swap(FromSelected, ToSelected);
  if (TabIndex == catalogue::kKitchenTab) {
    // Each selection moves with its list: the food chosen stays chosen, now in Index2.
    std::swap(FromItems, ToItems);
    KitchenReversed = !KitchenReversed;
  }
  if (FromSelected >= 0 && ToSelected >= 0) DoConvert();
}

}  // namespace vaneko::convert
