#include "session/session.h"

#include "core/errors.h"

namespace vaneko {

Session::Session() : calculator(converter) {
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    captions.Tabs[static_cast<std::size_t>(tab)] =
        catalogue::TabCaption(tab, catalogue::Language::French);
  FormCreate();
}

void Session::FormCreate() {
  converter.Nombre1.clear();
  converter.DisplayLanguage = 0;
  EntryHasComma = false;
  calculator.AccumulatorState = 0;
  calculator.CalcFreshEntry = true;
  converter.NumberFreshEntry = true;
  calculator.PendingOperation = 0;
}

std::string& Session::Text(Field field) {
  switch (field) {
    case Field::Nombre1:
      return converter.Nombre1;
    case Field::Result:
      return converter.Result;
    case Field::Calc:
      return calculator.Calc;
    case Field::mem:
      return calculator.mem;
    case Field::X1:
      return calculator.X1;
    case Field::Y1:
      return calculator.Y1;
    case Field::Z1:
      break;
  }
  return calculator.Z1;
}

}  // namespace vaneko
