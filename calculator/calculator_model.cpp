#include "calculator/calculator_model.h"

namespace vaneko::calculator {

void CalculatorModel::Calcul() {}
void CalculatorModel::Button6Click() {}
void CalculatorModel::Button15Click() {}
void CalculatorModel::Button16Click() {}
void CalculatorModel::Button17Click() {}
void CalculatorModel::Button18Click() {}

}  // namespace vaneko::calculator
