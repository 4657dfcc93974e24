// The calculator half of the main window as plain data, with one operation per key.
// (Skeleton: the calculator's keys are filled in by the calculator work.)
#pragma once

#include <functional>
#include <string>

#include "convert/converter_model.h"

namespace vaneko::calculator {

enum class AngleMode { Degrees, Radians, Grads };

class CalculatorModel {
 public:
  explicit CalculatorModel(convert::ConverterModel& converter) : converter_(converter) {}

  // Field texts.
  std::string Calc;
  std::string mem = "0";
  std::string X1 = "0";
  std::string Y1 = "0";
  std::string Z1 = "0";

  double Accumulator = 0;
  int AccumulatorState = 0;  // 0 empty, 1 holding a value, 2 a division by zero was refused
  int PendingOperation = 0;  // operation code, 0 none
  double PowerBase = 0;
  bool CalcFreshEntry = true;
  AngleMode Angle = AngleMode::Degrees;

  // Shows the calculator's own notice ("Division par 0") in a modal box; the key goes on.
  std::function<void(const std::string&)> ShowNotice;

  void Calcul();
  void Button6Click();   // "="
  void Button15Click();  // "*"
  void Button16Click();  // "/"
  void Button17Click();  // "-"
  void Button18Click();  // "+"

 private:
  convert::ConverterModel& converter_;
};

}  // namespace vaneko::calculator
