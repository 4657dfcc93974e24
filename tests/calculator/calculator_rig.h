// Drives the calculator the way the window does: keys are pressed by caption through the key
// table, an error ends only its own key (the window shows it in a box and goes on), and the
// calculator's notices are recorded instead of shown. The rig stands in for the converter's two
// fields, so that "Saisir Résultat" can put any text into the entry.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/calculator_model.h"
#include "calculator/key_table.h"
#include "core/errors.h"

namespace vaneko::calculator::testing_support {

class CalculatorRig {
 public:
  CalculatorRig() {
    model.ShowNotice = [this](const std::string& text) { notices.push_back(text); };
  }
  CalculatorRig(const CalculatorRig&) = delete;
  CalculatorRig& operator=(const CalculatorRig&) = delete;

  // Presses each caption in turn. Besides the keys, a caption may name an angle-mode radio
  // button ("Deg", "Rad", "Grad") or be a number such as "27", pressed digit by digit.
  void Press(const std::vector<std::string>& captions) {
    for (const std::string& caption : captions) PressOne(caption);
  }

  // The text of a calculator field ("Calc", "mem", "X1", "Y1", "Z1") or of the converter's
  // "Nombre1" and "Result".
  std::string& Text(std::string_view field) {
    if (field == "Nombre1") return nombre1;
    if (field == "Result") return result;
    if (field == "Calc") return model.Calc;
    if (field == "mem") return model.mem;
    if (field == "X1") return model.X1;
    if (field == "Y1") return model.Y1;
    if (field == "Z1") return model.Z1;
    ADD_FAILURE() << "no field " << field;
    static std::string none;
    return none;
  }

  std::string nombre1;  // the converter's number and result fields
  std::string result;
  CalculatorModel model;
  std::vector<std::string> notices;
  std::vector<std::string> errors;

 private:
  // The exchanges are the session's; here they copy to and from the rig's converter fields.
  void Execute(const Command& command) {
    if (command.kind != Command::Kind::kExchange) return model.Execute(command);
    if (command.exchange == Exchange::kTakeResult) {
      model.Calc = result;
      model.EntryEdited();  // a taken text reads as its digits, as in the session
    }
    if (command.exchange == Exchange::kGiveEntry) nombre1 = model.Calc;
  }

  void PressOne(std::string_view caption) {
    if (const KeyRow* key = FindKey(caption)) {
      try {
        Execute(key->command);
      } catch (const VanekoError& error) {
        errors.emplace_back(error.what());
      }
      return;
    }
    for (const AngleRow& button : AngleButtons()) {
      if (button.name == caption) {
        model.SelectAngleMode(button.mode);
        return;
      }
    }
    if (caption.size() > 1 && caption.find_first_not_of("0123456789,") == std::string_view::npos) {
      for (char c : caption) PressOne(std::string_view(&c, 1));
      return;
    }
    ADD_FAILURE() << "no key captioned '" << caption << "'";
  }
};

// One table row: a key sequence and what it leaves behind.
struct KeyCase {
  std::string name;
  std::vector<std::string> keys;
  std::vector<std::pair<std::string, std::string>> fields;  // field name, expected text
  std::vector<std::string> notices = {};
  std::vector<std::string> errors = {};
  std::string converterResult = {};  // the converter's Result before the keys
};

inline void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

// Runs a row and checks every expectation of it.
inline void RunKeyCase(const KeyCase& c) {
  CalculatorRig rig;
  rig.result = c.converterResult;
  rig.Press(c.keys);
  for (const auto& [field, expected] : c.fields) EXPECT_EQ(rig.Text(field), expected) << field;
  EXPECT_EQ(rig.notices, c.notices);
  EXPECT_EQ(rig.errors, c.errors);
}

// A test name made of the row's name.
inline std::string CaseName(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      out += c;
    } else if (c == '+') {
      out += "plus";
    } else if (c == '-') {
      out += "minus";
    } else if (c == '*') {
      out += "times";
    } else if (c == '/') {
      out += "over";
    } else {
      out += '_';
    }
  }
  return out;
}

struct CaseNamer {
  template <class P>
  std::string operator()(const ::testing::TestParamInfo<P>& info) const {
    return CaseName(info.param.name);
  }
};

// The texts of the errors and the notice.
inline const std::string kNotANumberEmpty = "'' is not a valid floating point value";
inline const std::string kInvalidOp = "Invalid floating point operation";
inline const std::string kZeroDivide = "Floating point division by zero";
inline const std::string kOverflow = "Floating point overflow";
inline const std::string kDivisionNotice = "Division par 0";

inline std::string NotAFloat(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid floating point value";
}
inline std::string NotAnInteger(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

}  // namespace vaneko::calculator::testing_support
