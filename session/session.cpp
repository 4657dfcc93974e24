#include "session/session.h"

#include "core/errors.h"

namespace vaneko {

Session::Session() {
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    captions.Tabs[static_cast<std::size_t>(tab)] =
        catalogue::TabCaption(tab, catalogue::Language::French);
  tape.Listen(calculator);
  FormCreate();
}

void Session::FormCreate() {
  converter.Nombre1.clear();
  converter.DisplayLanguage = catalogue::Language::French;
  calculator.AccumulatorState = calculator::AccumulatorState::kEmpty;
  calculator.CalcFreshEntry = true;
  converter.NumberFreshEntry = true;
  calculator.PendingOperation = calculator::Op::kNone;
}

void Session::Execute(const calculator::Command& command) {
  if (command.kind != calculator::Command::Kind::kExchange) {
    calculator.Execute(command);
    return;
  }
  switch (command.exchange) {
    case calculator::Exchange::kTakeResult:
      TakeResult();
      break;
    case calculator::Exchange::kGiveEntry:
      GiveEntry();
      break;
  }
}

// Plain text copies: neither reads a number, neither touches the fresh-entry marks. The taken
// text reads as its digits, like a pasted one.
void Session::TakeResult() {
  calculator.Calc = converter.Result;
  calculator.EntryEdited();
}

void Session::GiveEntry() {
  converter.Nombre1 = calculator.Calc;
}

void Session::FieldEdited(Field field) {
  if (field == Field::Calc) return calculator.EntryEdited();
  if (const auto shown = calculator::RegisterShownIn(field)) calculator.Edited(*shown);
}

std::string& Session::Text(Field field) {
  if (field == Field::Nombre1) return converter.Nombre1;
  if (field == Field::Result) return converter.Result;
  if (const auto shown = calculator::RegisterShownIn(field)) return calculator.Text(*shown);
  return calculator.Calc;
}

}  // namespace vaneko
