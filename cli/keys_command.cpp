// vaneko-cli keys [--state] KEY...: presses calculator keys on a freshly started window.
// A KEY is a key's caption as the panel shows it, "Deg", "Rad" or "Grad" (the angle mode),
// "type:TEXT" (types each character of TEXT into Calc through the key filter) or "Enter"
// (types the Enter key there). Message boxes are printed on stderr and the keys go on.
#include <exception>
#include <ostream>
#include <variant>

#include "calculator/key_table.h"
#include "cli/cli.h"
#include "core/errors.h"
#include "session/session.h"

namespace vaneko::cli {

namespace {

using calculator::AngleMode;
using calculator::CalcKey;

struct TypeText {
  std::u32string characters;
};
using Step = std::variant<const CalcKey*, AngleMode, TypeText>;

// Decodes UTF-8; a malformed byte stands for itself as a code point, so it is refused like
// any other unexpected character.
std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || k + static_cast<std::size_t>(length) > text.size()) {
      out += static_cast<char32_t>(lead);
      ++k;
      continue;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int extra = 1; extra < length; ++extra)
      code = (code << 6) |
             (static_cast<unsigned char>(text[k + static_cast<std::size_t>(extra)]) & 0x3F);
    out += code;
    k += static_cast<std::size_t>(length);
  }
  return out;
}

Step ParseStep(const std::string& key) {
  if (key == "Deg") return AngleMode::Degrees;
  if (key == "Rad") return AngleMode::Radians;
  if (key == "Grad") return AngleMode::Grads;
  if (key == "Enter") return TypeText{std::u32string(1, U'\r')};
  if (key.rfind("type:", 0) == 0) return TypeText{DecodeUtf8(std::string_view(key).substr(5))};
  if (const CalcKey* found = calculator::FindKey(key)) return found;
  throw UsageError{"no calculator key '" + key + "'"};
}

}  // namespace

int RunKeys(const Args& args, Streams io) {
  bool printState = false;
  std::vector<Step> steps;
  for (const std::string& arg : args) {
    if (arg == "--state" && steps.empty() && !printState) {
      printState = true;
    } else {
      steps.push_back(ParseStep(arg));
    }
  }

  Session session;
  session.calculator.ShowNotice = [&](const std::string& notice) { io.err << notice << '\n'; };
  for (const Step& step : steps) {
    try {
      if (const auto* key = std::get_if<const CalcKey*>(&step)) {
        calculator::PressKey(**key, session.calculator);
      } else if (const auto* mode = std::get_if<AngleMode>(&step)) {
        session.calculator.Angle = *mode;
      } else {
        for (char32_t character : std::get<TypeText>(step).characters)
          session.TypeChar(Field::Calc, character);
      }
    } catch (const std::exception& e) {
      io.err << ErrorBoxText(e.what()) << '\n';
    }
  }

  const calculator::CalculatorModel& calc = session.calculator;
  if (printState) {
    io.out << "Calc: " << calc.Calc << "\nmem: " << calc.mem << "\nX1: " << calc.X1
           << "\nY1: " << calc.Y1 << "\nZ1: " << calc.Z1 << '\n';
  } else {
    io.out << calc.Calc << '\n';
  }
  return kExitOk;
}

}  // namespace vaneko::cli
