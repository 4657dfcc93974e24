// The calculator panel as data: one row per key with everything the key is, apart from how it
// is drawn (the window places and styles each row). Adding a key is one row here and, when it
// does something new, its operation. The command line finds keys by caption; the window lays
// the keys out from these rows, each at the place of the same row in its layout, and connects
// each key with an action to its row.
#pragma once

#include <span>
#include <string_view>

#include "calculator/calculator_model.h"
#include "calculator/command.h"
#include "core/field.h"

namespace vaneko::calculator {

// A text a screen reader speaks, in each interface language.
struct Spoken {
  std::string_view french;
  std::string_view english;
};

struct KeyRow {
  std::string_view caption;  // exact, trailing blanks included
  Command command;
  std::string_view control;  // the button's name; empty when the layout gives it none
  // The name of the key's click handler, for reference: the window connects a key to its row,
  // not to this name. Empty for a key without action.
  std::string_view handler;
  Spoken name;         // the accessible name
  Spoken description;  // the accessible description: what the key does
  std::string_view tooltip = {};
};

// The entry field, the memory and register fields.
struct FieldRow {
  std::string_view name;
  Field field;
  Spoken accessibleName;
  Spoken description;
};

// The angle-mode radio buttons; the name is also the caption.
struct AngleRow {
  std::string_view name;
  AngleMode mode;
  bool checkedAtStart;
  Spoken accessibleName;
  Spoken description;
};

}  // namespace vaneko::calculator

#include "calculator/key_rows.h"

namespace vaneko::calculator {

// Every key of the calculator panel (the converter's keypad is not among them).
constexpr std::span<const KeyRow> CalculatorKeys() {
  return key_rows::kRows;
}
std::span<const FieldRow> PanelFields();
std::span<const AngleRow> AngleButtons();

// The key with this caption. A caption given without the key's trailing blank finds it too
// ("Gamma" finds "Gamma "). nullptr when there is none.
const KeyRow* FindKey(std::string_view caption);

}  // namespace vaneko::calculator
