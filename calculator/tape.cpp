#include "calculator/tape.h"

#include <array>
#include <exception>
#include <string_view>
#include <utility>

#include "calculator/operation_codes.h"
#include "core/number_text.h"

namespace vaneko::calculator {

namespace {

// A field's text as a number in the calculator's notation ("05" is 5), or as typed when it is
// not a number, "''" for an empty one, so that the line shows what the error speaks of.
std::string Shown(const std::string& text) {
  Extended value = 0;
  if (TryReadNumber(text, value)) return FormatNumber(value);
  return text.empty() ? std::string("''") : text;
}

std::string_view AngleUnit(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees:
      return "°";
    case AngleMode::Radians:
      return " rad";
    case AngleMode::Grads:
      break;
  }
  return " grad";
}

std::string_view OperatorSymbol(Op op) {
  switch (op) {
    case Op::kMultiply:
      return "*";
    case Op::kDivide:
      return "/";
    case Op::kSubtract:
      return "-";
    case Op::kAdd:
      return "+";
    case Op::kPercentOf:
      return "% de";  // the key reads "x % de y" in both languages
    case Op::kPower:
      return "^";
    default:  // the root
      return "^ 1/";
  }
}

// How a function's line reads: its argument in place of "#", an angle argument with the
// angle mode's unit, an inverse circular function's result with it.
enum class Angle { kNone, kIn, kOut };
struct FunctionForm {
  Op op;
  std::string_view form;
  Angle angle;
  bool wrapNegative;  // "(-2)²" rather than "-2²"
};

constexpr std::array kFunctionForms{
    FunctionForm{Op::kSquare, "#²", Angle::kNone, true},
    FunctionForm{Op::kCube, "#³", Angle::kNone, true},
    FunctionForm{Op::kReciprocal, "1/#", Angle::kNone, true},
    FunctionForm{Op::kLog10, "Log(#)", Angle::kNone, false},
    FunctionForm{Op::kLn, "Ln(#)", Angle::kNone, false},
    FunctionForm{Op::kSin, "Sin(#)", Angle::kIn, false},
    FunctionForm{Op::kCos, "Cos(#)", Angle::kIn, false},
    FunctionForm{Op::kTan, "Tan(#)", Angle::kIn, false},
    FunctionForm{Op::kArcSin, "ArcSin(#)", Angle::kOut, false},
    FunctionForm{Op::kArcCos, "ArcCos(#)", Angle::kOut, false},
    FunctionForm{Op::kArcTan, "ArcTan(#)", Angle::kOut, false},
    FunctionForm{Op::kExp, "e^#", Angle::kNone, true},
    FunctionForm{Op::kExp10, "10^#", Angle::kNone, true},
    FunctionForm{Op::kCoTan, "CoTan(#)", Angle::kIn, false},
    FunctionForm{Op::kArcCoTan, "ArcCoTan(#)", Angle::kOut, false},
    FunctionForm{Op::kSinh, "Sinh(#)", Angle::kNone, false},
    FunctionForm{Op::kArcSinh, "ArcSinh(#)", Angle::kNone, false},
    FunctionForm{Op::kCosh, "Cosh(#)", Angle::kNone, false},
    FunctionForm{Op::kArcCosh, "ArcCosh(#)", Angle::kNone, false},
    FunctionForm{Op::kTanh, "Tanh(#)", Angle::kNone, false},
    FunctionForm{Op::kArcTanh, "ArcTanh(#)", Angle::kNone, false},
    FunctionForm{Op::kSec, "Sec(#)", Angle::kIn, false},
    FunctionForm{Op::kCoSec, "CoSec(#)", Angle::kIn, false},
    FunctionForm{Op::kArcSec, "ArcSec(#)", Angle::kOut, false},
    FunctionForm{Op::kArcCoSec, "ArcCoSec(#)", Angle::kOut, false},
    FunctionForm{Op::kFactorial, "#!", Angle::kNone, true},
    FunctionForm{Op::kGamma, "Gamma(#)", Angle::kNone, false},
};

// How a formula's line reads: what it computes, then the registers it reads with their values
// ("X", "Y", "Z"), those read only as angles with the angle mode's unit.
struct FormulaForm {
  Op op;
  std::string_view form;
  std::string_view reads;   // of "XYZ", in the order shown
  std::string_view angles;  // those of `reads` read only as angles
  bool angleResult;
};

constexpr std::array kFormulaForms{
    FormulaForm{Op::kNormXY, "√(X² + Y²)", "XY", "", false},
    FormulaForm{Op::kPolarAngleXY, "ArcTan(X / Y)", "XY", "", true},
    FormulaForm{Op::kDifferenceOfSquaresXY, "|X - Y²|", "XY", "", false},
    FormulaForm{Op::kXOverSinY, "X / Sin(Y)", "XY", "Y", false},
    FormulaForm{Op::kXOverCosY, "X / Cos(Y)", "XY", "Y", false},
    FormulaForm{Op::kXTimesSinY, "X * Sin(Y)", "XY", "Y", false},
    FormulaForm{Op::kXTimesCosY, "X * Cos(Y)", "XY", "Y", false},
    FormulaForm{Op::kArcSinXOverY, "ArcSin(X / Y)", "XY", "", true},
    FormulaForm{Op::kArcCosXOverY, "ArcCos(X / Y)", "XY", "", true},
    FormulaForm{Op::kXTimesTanY, "X * Tan(Y)", "XY", "Y", false},
    FormulaForm{Op::kXTimesCoTanY, "X * CoTan(Y)", "XY", "Y", false},
    FormulaForm{Op::kArcCoTanXOverY, "ArcCoTan(X / Y)", "XY", "", true},
    FormulaForm{Op::kCosFromSinX, "√(1 - Sin²(X))", "X", "X", false},
    FormulaForm{Op::kSinFromCosX, "√(1 - Cos²(X))", "X", "X", false},
    FormulaForm{Op::kTanFromSecX, "√(Sec²(X) - 1)", "X", "X", false},
    FormulaForm{Op::kSecFromTanX, "√(1 + Tan²(X))", "X", "X", false},
    FormulaForm{Op::kCoTanFromCoSecX, "√(CoSec²(X) - 1)", "X", "X", false},
    FormulaForm{Op::kCoSecFromCoTanX, "√(1 + CoTan²(X))", "X", "X", false},
    FormulaForm{Op::kSineRuleX, "X * Sin(Y) / Sin(X)", "XY", "Y", false},
    FormulaForm{Op::kSineRuleY, "Y * Sin(X) / Sin(Y)", "XY", "", false},
    FormulaForm{Op::kInverseNormXY, "1 / √(X² + Y²)", "XY", "", false},
    FormulaForm{Op::kNormXYZ, "√(X² + Y² + Z²)", "XYZ", "", false},
    FormulaForm{Op::kDifferenceOfSquaresXYZ, "√(X² - Y² - Z²)", "XYZ", "", false},
    FormulaForm{Op::kArcCosOfNormalisedX, "ArcCos(X) / √(X² + Y²)", "XY", "", false},
    FormulaForm{Op::kArcSinOfNormalisedY, "ArcSin(X) / √(X² + Y²)", "XY", "", false},
    FormulaForm{Op::kArcTanOfZOverNormXY, "ArcTan(X) / √(X² + Y²)", "XY", "", false},
    FormulaForm{Op::kCosineRule, "√(X² + Y² - 2XY Cos(Z))", "XYZ", "Z", false},
    FormulaForm{Op::kSinXCosY, "[Sin(X + Y) + Sin(X - Y)] / 2", "XY", "XY", false},
    FormulaForm{Op::kCosXCosY, "[Cos(X + Y) + Cos(X - Y)] / 2", "XY", "XY", false},
    FormulaForm{Op::kSinXSinY, "[Cos(X - Y) - Cos(X + Y)] / 2", "XY", "XY", false},
    FormulaForm{Op::kXCosYCosZ, "X * Cos(Y) * Cos(Z)", "XYZ", "YZ", false},
    FormulaForm{Op::kXCosYSinZ, "X * Cos(Y) * Sin(Z)", "XYZ", "YZ", false},
    FormulaForm{Op::kNormalDensity, "e^(-X² / 2) / √(2π)", "X", "", false},
    FormulaForm{Op::kBinomial, "Binomial(X, Y)", "XY", "", false},
};
static_assert(kFormulaForms.size() == 34, "one form per formula key");

template <std::size_t N, typename Form>
const Form* FindForm(const std::array<Form, N>& forms, Op op) {
  for (const Form& form : forms)
    if (form.op == op) return &form;
  return nullptr;
}

std::string Substituted(std::string_view form, const std::string& argument) {
  std::string text;
  for (char c : form) {
    if (c == '#') {
      text += argument;
    } else {
      text += c;
    }
  }
  return text;
}

std::string_view FieldName(Register target) {
  switch (target) {
    case Register::kM:
      return "mem";
    case Register::kX:
      return "X";
    case Register::kY:
      return "Y";
    case Register::kZ:
      break;
  }
  return "Z";
}

// The key's caption: "M", "MR", "MC", "M+", "M-" and the same for X, Y and Z.
std::string KeyCaption(Register target, std::string_view suffix) {
  std::string caption(target == Register::kM ? "M" : FieldName(target));
  caption += suffix;
  return caption;
}

// A field's number as Calc would show it, empty when the field holds no number.
std::string ResultOf(const std::string& text) {
  Extended value = 0;
  return TryReadNumber(text, value) ? FormatNumber(value) : std::string();
}

// What one command is about to do, noted before the model carries it out.
struct Step {
  enum class Kind { kNone, kEvaluation, kFieldUpdate };
  Kind kind = Kind::kNone;
  std::string expression;  // "2 + 3", "Sin(30°)", "M+ 5"
  std::string suffix;      // after the result: an angle unit, register values
  std::string target;      // a field update's field, "mem", "X", "Calc"
  Register field = Register::kM;
  bool fieldIsCalc = false;
};

Step EvaluationOf(const CalculatorModel& model) {
  Step step;
  const Op pending = model.PendingOperation;
  if (model.AccumulatorState == AccumulatorState::kEmpty || !IsTwoOperand(pending)) return step;
  const Number& left = IsPower(pending) ? model.PowerBase : model.Accumulator;
  // An empty entry is read as "0" by the evaluation.
  const std::string operand = Shown(model.Calc.empty() ? std::string("0") : model.Calc);
  std::string_view symbol = OperatorSymbol(pending);
  step.kind = Step::Kind::kEvaluation;
  step.expression = left.Text() + " " + std::string(symbol);
  if (pending != Op::kRoot) step.expression += ' ';  // "27 ^ 1/3"
  step.expression += operand;
  return step;
}

std::string Wrapped(const std::string& argument) {
  return !argument.empty() && argument.front() == '-' ? "(" + argument + ")" : argument;
}

Step FunctionOf(const CalculatorModel& model, const FunctionForm& form) {
  std::string argument = Shown(model.Calc);
  Extended value = 0;
  const bool readable = TryReadNumber(model.Calc, value);
  if (form.wrapNegative) argument = Wrapped(argument);
  if (form.angle == Angle::kIn && readable) argument += AngleUnit(model.Angle);
  Step step;
  step.kind = Step::Kind::kEvaluation;
  step.expression = Substituted(form.form, argument);
  if (form.angle == Angle::kOut) step.suffix = AngleUnit(model.Angle);
  return step;
}

Step FormulaOf(const CalculatorModel& model, const FormulaForm& form) {
  Step step;
  step.kind = Step::Kind::kEvaluation;
  step.expression = form.form;
  for (char name : form.reads) {
    const std::string* text = &model.X1;
    if (name == 'Y') text = &model.Y1;
    if (name == 'Z') text = &model.Z1;
    step.expression += ", ";
    step.expression += name;
    step.expression += " = " + Shown(*text);
    Extended value = 0;
    if (form.angles.find(name) != std::string_view::npos && TryReadNumber(*text, value))
      step.expression += AngleUnit(model.Angle);
  }
  if (form.angleResult) step.suffix = AngleUnit(model.Angle);
  return step;
}

Step FieldUpdateOf(CalculatorModel& model, const Command& command) {
  using Kind = Command::Kind;
  Step step;
  step.kind = Step::Kind::kFieldUpdate;
  step.field = command.target;
  step.target = FieldName(command.target);
  switch (command.kind) {
    case Kind::kStoreIn:
      step.expression = KeyCaption(command.target, "") + " " + Shown(model.Calc);
      break;
    case Kind::kRecallFrom:
      step.expression = KeyCaption(command.target, "R");
      step.target = "Calc";
      step.fieldIsCalc = true;
      break;
    case Kind::kClear:
      step.expression = KeyCaption(command.target, "C");
      break;
    default: {
      const bool add = command.kind == Kind::kAddTo;
      // The memory and register X read an empty entry as 0; Y and Z refuse it.
      const bool emptyIsZero = command.target == Register::kM || command.target == Register::kX;
      const std::string entry =
          model.Calc.empty() && emptyIsZero ? std::string("0") : Shown(model.Calc);
      step.expression = KeyCaption(command.target, add ? "+" : "-") + " " + entry;
      break;
    }
  }
  return step;
}

Step StepOf(CalculatorModel& model, const Command& command) {
  using Kind = Command::Kind;
  switch (command.kind) {
    case Kind::kEquals:
      return EvaluationOf(model);
    case Kind::kPress:
      if (IsTwoOperand(command.op)) return EvaluationOf(model);
      if (const auto* form = FindForm(kFunctionForms, command.op)) return FunctionOf(model, *form);
      if (const auto* form = FindForm(kFormulaForms, command.op)) return FormulaOf(model, *form);
      return {};
    case Kind::kStoreIn:
    case Kind::kRecallFrom:
    case Kind::kClear:
    case Kind::kAddTo:
    case Kind::kSubtractFrom:
      return FieldUpdateOf(model, command);
    default:
      return {};
  }
}

// Lets the tape hear the calculator's notice while the notice still reaches the window.
class NoticeListener {
 public:
  explicit NoticeListener(CalculatorModel& model)
      : model_(model), original_(std::move(model.ShowNotice)) {
    model_.ShowNotice = [this](const std::string& text) {
      heard = text;
      if (original_) original_(text);
    };
  }
  ~NoticeListener() { model_.ShowNotice = std::move(original_); }
  NoticeListener(const NoticeListener&) = delete;
  NoticeListener& operator=(const NoticeListener&) = delete;

  std::string heard;

 private:
  CalculatorModel& model_;
  std::function<void(const std::string&)> original_;
};

}  // namespace

void Tape::Run(CalculatorModel& model, const Command& command) {
  const Step step = StepOf(model, command);
  if (step.kind == Step::Kind::kNone) {
    model.Execute(command);
    return;
  }
  NoticeListener listener(model);
  try {
    model.Execute(command);
  } catch (const std::exception& error) {
    Append({step.expression + ": " + error.what(), {}});
    throw;
  }
  if (!listener.heard.empty()) {
    Append({step.expression + ": " + listener.heard, {}});
  } else if (step.kind == Step::Kind::kEvaluation) {
    Append({step.expression + " = " + model.Calc + step.suffix, model.Calc});
  } else {
    const std::string& after = step.fieldIsCalc ? model.Calc : model.Text(step.field);
    Append({step.expression + " → " + step.target + " " + Shown(after), ResultOf(after)});
  }
}

void Tape::Append(TapeLine line) {
  lines_.push_back(std::move(line));
  while (lines_.size() > kCapacity) lines_.pop_front();
  if (Changed) Changed();
}

void Tape::Clear() {
  lines_.clear();
  if (Changed) Changed();
}

std::string Tape::Text() const {
  std::string text;
  for (const TapeLine& line : lines_) text += line.text + '\n';
  return text;
}

bool Tape::PutResult(std::size_t index, CalculatorModel& model) const {
  if (index >= lines_.size() || lines_[index].result.empty()) return false;
  model.Calc = lines_[index].result;
  model.CalcFreshEntry = true;
  return true;
}

}  // namespace vaneko::calculator
