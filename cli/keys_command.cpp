// vaneko-cli keys [--state] [--tape] KEY...: presses calculator keys on a freshly started window.
// A KEY is a key's caption as the panel shows it, "Deg", "Rad" or "Grad" (the angle mode),
// "type:TEXT" (types each character of TEXT into Calc through the key filter) or "Enter"
// (types the Enter key there). Message boxes are printed on stderr and the keys go on.
// Typed text goes through the field's key filter one character at a time, appended at the end,
// so a long text costs time in proportion to its length. With --tape, the lines of the tape
// follow the usual output, each prefixed by "tape: ".
#include <exception>
#include <ostream>
#include <variant>

#include "calculator/key_table.h"
#include "cli/cli.h"
#include "core/errors.h"
#include "core/utf8_text.h"
#include "session/session.h"

namespace vaneko::cli {

namespace {

using calculator::AngleMode;
using calculator::KeyRow;

struct TypeText {
  std::u32string characters;
};
using Step = std::variant<const KeyRow*, AngleMode, TypeText>;

Step ParseStep(const std::string& key) {
  if (key == "Deg") return AngleMode::Degrees;
  if (key == "Rad") return AngleMode::Radians;
  if (key == "Grad") return AngleMode::Grads;
  if (key == "Enter") return TypeText{std::u32string(1, U'\r')};
  if (key.rfind("type:", 0) == 0) return TypeText{DecodeUtf8(std::string_view(key).substr(5))};
  if (const KeyRow* found = calculator::FindKey(key)) return found;
  throw UsageError{"no calculator key '" + key + "'"};
}

}  // namespace

int RunKeys(const Args& args, const Options& options, Streams io) {
  bool printState = false;
  bool printTape = false;
  std::vector<Step> steps;
  for (const std::string& arg : args) {
    if (arg == "--state" && steps.empty() && !printState) {
      printState = true;
    } else if (arg == "--tape" && steps.empty() && !printTape) {
      printTape = true;
    } else {
      steps.push_back(ParseStep(arg));
    }
  }

  Session session;
  session.calculator.ShowNotice = [&](const std::string& notice) {
    io.err << Shown(notice, options) << '\n';
  };
  for (const Step& step : steps) {
    try {
      if (const auto* key = std::get_if<const KeyRow*>(&step)) {
        session.Press(**key);
      } else if (const auto* mode = std::get_if<AngleMode>(&step)) {
        session.calculator.Angle = *mode;
      } else {
        for (char32_t character : std::get<TypeText>(step).characters)
          session.TypeChar(Field::Calc, character);
      }
    } catch (const std::exception& e) {
      io.err << Shown(ErrorBoxText(e.what()), options) << '\n';
    }
  }

  const calculator::CalculatorModel& calc = session.calculator;
  if (printState) {
    io.out << "Calc: " << Shown(calc.Calc, options) << "\nmem: " << Shown(calc.mem, options)
           << "\nX1: " << Shown(calc.X1, options) << "\nY1: " << Shown(calc.Y1, options)
           << "\nZ1: " << Shown(calc.Z1, options) << '\n';
  } else {
    io.out << Shown(calc.Calc, options) << '\n';
  }
  if (printTape) {
    for (const calculator::TapeLine& line : session.tape.Lines())
      io.out << "tape: " << Shown(line.text, options) << '\n';
  }
  return kExitOk;
}

}  // namespace vaneko::cli
