#include "calculator/key_table.h"

namespace vaneko::calculator {

namespace {

constexpr FieldRow kFields[] = {
    {"Calc",
     Field::Calc,
     {"Entrée de la calculatrice", "Calculator entry"},
     {"Le nombre saisi ou le dernier résultat", "The number keyed in or the last result"}},
    {"mem",
     Field::mem,
     {"Mémoire", "Memory"},
     {"Le nombre gardé en mémoire", "The number kept in memory"}},
    {"X1",
     Field::X1,
     {"Registre X", "Register X"},
     {"Le registre X, opérande des formules", "Register X, an operand of the formulas"}},
    {"Y1",
     Field::Y1,
     {"Registre Y", "Register Y"},
     {"Le registre Y, opérande des formules", "Register Y, an operand of the formulas"}},
    {"Z1",
     Field::Z1,
     {"Registre Z", "Register Z"},
     {"Le registre Z, opérande des formules", "Register Z, an operand of the formulas"}},
};

constexpr AngleRow kAngleButtons[] = {
    {"Rad",
     AngleMode::Radians,
     false,
     {"Angles en radians", "Angles in radians"},
     {"Les fonctions circulaires lisent et donnent des radians",
      "Circular functions read and give radians"}},
    {"Grad",
     AngleMode::Grads,
     false,
     {"Angles en grades", "Angles in grads"},
     {"Les fonctions circulaires lisent et donnent des grades",
      "Circular functions read and give grads"}},
    {"Deg",
     AngleMode::Degrees,
     true,
     {"Angles en degrés", "Angles in degrees"},
     {"Les fonctions circulaires lisent et donnent des degrés",
      "Circular functions read and give degrees"}},
};

}  // namespace

std::span<const FieldRow> PanelFields() {
  return kFields;
}
std::span<const AngleRow> AngleButtons() {
  return kAngleButtons;
}

const KeyRow* FindKey(std::string_view caption) {
  for (const KeyRow& key : CalculatorKeys())
    if (key.caption == caption) return &key;
  for (const KeyRow& key : CalculatorKeys()) {
    const std::string_view shown = key.caption;
    if (shown.size() == caption.size() + 1 && shown.back() == ' ' && shown.starts_with(caption))
      return &key;
  }
  return nullptr;
}

}  // namespace vaneko::calculator
