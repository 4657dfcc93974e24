// The calculator half of the main window as plain data, with one operation per key.
//
// An immediate-execution calculator without operator precedence: each operator key applies
// the operation already pending (Calcul) and then becomes the pending operation itself. The
// entry field Calc is its only display. Function and formula keys evaluate at once through
// the same routine with their own operation code.
#pragma once

#include <functional>
#include <string>

#include "convert/converter_model.h"
#include "core/fp_faults.h"

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
  // Without a window attached the notice goes nowhere and the key goes on.
  std::function<void(const std::string&)> ShowNotice = [](const std::string&) {};

  // The evaluation routine: applies the pending operation to the accumulator and the entry
  // and shows the accumulator in Calc.
  void Calcul();

  // The angle-mode radio buttons "Deg", "Rad" and "Grad".
  void SelectAngleMode(AngleMode mode) { Angle = mode; }

  // Entry keys.
  void Button40Click(char digitOrComma);  // "0" to "9" and ","
  void Button41Click();                   // "C"
  void Button46Click();                   // "<<"
  void Button42Click();                   // "+/-"

  // Operator keys and "=".
  void Button6Click();   // "="
  void Button15Click();  // "*"
  void Button16Click();  // "/"
  void Button17Click();  // "-"
  void Button18Click();  // "+"
  void Button43Click();  // "x % de y"
  void Button26Click();  // "x^Y"
  void Button29Click();  // "x^1/y"

  // Memory M and registers X, Y, Z: store, recall, clear, add, subtract.
  void Button37Click();   // "M"
  void Button21Click();   // "MR"
  void Button10Click();   // "MC"
  void Button38Click();   // "M+"
  void Button39Click();   // "M-"
  void Button28Click();   // "X"
  void Button105Click();  // "XR"
  void Button108Click();  // "XC"
  void Button106Click();  // "X+"
  void Button107Click();  // "X-"
  void Button103Click();  // "Y"
  void Button111Click();  // "YR"
  void Button114Click();  // "YC"
  void Button112Click();  // "Y+"
  void Button113Click();  // "Y-"
  void Button104Click();  // "Z"
  void Button115Click();  // "ZR"
  void Button118Click();  // "ZC"
  void Button116Click();  // "Z+"
  void Button117Click();  // "Z-"
  // Exchange with the converter.
  void Button22Click();  // "Saisir Résultat": Calc := the converter's Result
  void Button23Click();  // "Coller": the converter's Nombre1 := Calc

  // Function keys: one argument, the entry.
  void Button24Click();   // "x^2"
  void Button25Click();   // "x^3"
  void Button27Click();   // "1/x"
  void Button30Click();   // "Log"
  void Button31Click();   // "Ln"
  void Button34Click();   // "Sin"
  void Button35Click();   // "Cos"
  void Button36Click();   // "Tan"
  void Button60Click();   // "ArcSin"
  void Button61Click();   // "ArcCos"
  void Button62Click();   // "ArcTan"
  void Button63Click();   // "e^x"
  void Button64Click();   // "10^x"
  void Button66Click();   // "CoTan"
  void Button67Click();   // "ArcCoTan"
  void Button109Click();  // "Sin h"
  void Button110Click();  // "ArcSin h"
  void Button119Click();  // "Cos h"
  void Button120Click();  // "ArcCos h"
  void Button122Click();  // "Tan h"
  void Button121Click();  // "ArcTan h"
  void Button123Click();  // "Sec"
  void Button124Click();  // "CoSec"
  void Button125Click();  // "ArcSec"
  void Button126Click();  // "ArcCoSec"
  void Button167Click();  // "N !"
  void Button168Click();  // "Gamma "

  // Formula keys over the registers X, Y and Z.
  void Button127Click();  // "Sqrt(x^2 + y^ 2)"
  void Button128Click();  // "ArcTan X / Y"
  void Button129Click();  // "Sqrt(x^2 - y^ 2)"
  void Button130Click();  // "X / Sin Y"
  void Button131Click();  // "X / Cos Y"
  void Button132Click();  // "X * Sin Y"
  void Button133Click();  // "X * CosY"
  void Button134Click();  // "ArcSin X / Y"
  void Button135Click();  // "ArcCos X / Y"
  void Button136Click();  // "X * Tan Y"
  void Button137Click();  // "X * CoTan Y"
  void Button138Click();  // "ArcCoTan X/Y"
  void Button139Click();  // "Sqrt(1 - Sin^ 2 X)"
  void Button140Click();  // "Sqrt(1 - Cos^ 2 X)"
  void Button141Click();  // "Sqrt(Sec^ 2 X - 1)"
  void Button142Click();  // "Sqrt(1 + Tan^ 2 X)"
  void Button143Click();  // "Sqrt(CoSec^ 2 X - 1)"
  void Button144Click();  // "Sqrt(1 + CoTan^ 2 X )"
  void Button145Click();  // "X * Sin Y / Sin X"
  void Button147Click();  // "Y * Sin X / Sin Y"
  void Button151Click();  // "1 / Sqrt(x^2 + y^ 2)"
  void Button148Click();  // "Sqrt(x^2 + y^ 2 + z^2)"
  void Button149Click();  // "Sqrt(x^2 - y^ 2 - z^2)"
  void Button152Click();  // "ArcCos X / Sqrt(x^2 + y^ 2)"
  void Button153Click();  // "ArcSin Y / Sqrt(x^2 + y^ 2)"
  void Button150Click();  // "ArcTan Z / Sqrt(x^2 + y^ 2)"
  void Button146Click();  // "Sqrt[X^2 + Y^2 - 2XYcosZ]"
  void Button154Click();  // "1/ 2 [Sin (X + Y) + Sin (X - Y)]"
  void Button155Click();  // "1/ 2 [Cos (X + Y) + Cos (X - Y)]"
  void Button156Click();  // "1/ 2 [Cos (X - Y) - Cos (X + Y)]"
  void Button158Click();  // "X * Cos Y * Cos Z"
  void Button159Click();  // "X * Cos Y * Sin Z"
  void Button160Click();  // "1 / sqrt(2Pi) - e ^ (-X^2 / 2)"
  void Button161Click();  // "Binomial (N,K)"

  // Value constant keys: the constant in the number notation.
  void Button32Click();  // "Pi"
  void Button72Click();  // "2Pi"
  void Button76Click();  // "Pi / 2"
  void Button77Click();  // "Sqrt Pi"
  void Button79Click();  // "Sqrt 2Pi"
  void Button78Click();  // "1 / Sqrt2Pi"
  void Button74Click();  // "Ln Sqrt2Pi"
  void Button82Click();  // "Ln 2Pi / 2"
  void Button70Click();  // "Ln Pi"
  void Button68Click();  // "Ln2"
  void Button69Click();  // "Ln10"
  void Button71Click();  // "Inv Ln2"
  void Button73Click();  // "Inv Ln10"
  void Button81Click();  // "Sqrt2"
  void Button80Click();  // "Sqrt2 / 2"
  void Button65Click();  // "Gold"
  void Button75Click();  // "CGold"
  // Text constant keys: a fixed text, character for character.
  void Button33Click();   // "e"
  void Button5Click();    // "y"
  void Button88Click();   // "Euler"
  void Button90Click();   // "Sqrt3"
  void Button86Click();   // "Omega"
  void Button87Click();   // "Gauss"
  void Button89Click();   // "Laplace"
  void Button91Click();   // "Plastique"
  void Button92Click();   // "Fibonacci"
  void Button83Click();   // "c"
  void Button84Click();   // "g0"
  void Button85Click();   // "G(80)"
  void Button93Click();   // "h (11)"
  void Button94Click();   // "h / 2pi (18)"
  void Button95Click();   // "mp(16)"
  void Button96Click();   // "lp(12)"
  void Button97Click();   // "tp(40)"
  void Button98Click();   // "Tp(11)"
  void Button99Click();   // "Q"
  void Button101Click();  // "Ep"
  void Button100Click();  // "Fp"

 private:
  // An operator key: evaluate, then make `code` the pending operation.
  void OperatorKey(int code);
  // A power key: evaluate, take the shown value as the base, make `code` pending.
  void PowerKey(int code);
  // A function or formula key: load the entry, evaluate `code` at once, leave nothing pending.
  void EvaluateAtOnce(int code);

  // Step 4 of Calcul, one routine per kind of operation. Each stores its result in
  // Accumulator or refuses a division by zero.
  void ApplyTwoOperand(int code);
  void ApplyFunction(int code);
  void ApplyFormula(int code);
  // A division by zero that is refused rather than faulted: the notice, the accumulator shown
  // again and the state that lets the user key another divisor.
  void RefuseDivisionByZero();

  // Add to or subtract from a memory or register field.
  enum class FieldArithmetic { Add, Subtract };
  void UpdateField(std::string& target, FieldArithmetic arithmetic);

  // The constant keys.
  void EnterValueConstant(Extended value);
  void EnterTextConstant(const char* text);

  // The entry's value. While Calc still holds the text a value constant key wrote, that is the
  // constant in full extended precision rather than its 15 shown digits.
  Extended ReadEntry() const;

  convert::ConverterModel& converter_;
  std::string constantText_;  // the text the last value constant key wrote, empty when none
  Extended constantValue_ = 0;
};

}  // namespace vaneko::calculator
