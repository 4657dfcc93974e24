// A value keeps its full precision exactly as long as it stands unedited, wherever it goes
// (entry, accumulator, memory, registers); a text that was typed, edited or taken reads as its
// digits. Every value constant, taken from the key table, cancels with itself.
#include <string>
#include <vector>

#include "calculator/constants.h"
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

// The captions of the keys that enter a value constant, found through the key table so that a
// value constant added later is covered too.
std::vector<std::string> ValueConstantCaptions() {
  std::vector<std::string> captions;
  for (const KeyRow& key : CalculatorKeys()) {
    const Command& command = key.command;
    if (command.kind == Command::Kind::kEnter && command.constant != nullptr &&
        command.constant->kind == Constant::Kind::kValue)
      captions.emplace_back(key.caption);
  }
  return captions;
}

// The panel's value keys: Pi, 2Pi, Pi / 2, Sqrt Pi, Sqrt 2Pi, 1 / Sqrt2Pi, Ln Sqrt2Pi,
// Ln 2Pi / 2, Ln Pi, Ln2, Ln10, Inv Ln2, Inv Ln10, Sqrt2, Sqrt2 / 2, Gold, CGold.
TEST(ValueConstantKeys, AreAllFound) {
  EXPECT_EQ(ValueConstantCaptions().size(), 17U);
}

// A sequence over one constant `c` and the fields it must leave.
struct CancelCase {
  std::string name;
  std::vector<std::string> keys;  // "c" stands for the constant's key
  std::vector<std::pair<std::string, std::string>> fields;
};

const CancelCase kCancelling[] = {
    {"difference is zero", {"c", "-", "c", "="}, {{"Calc", "0"}}},
    {"quotient is one", {"c", "/", "c", "="}, {{"Calc", "1"}}},
    {"negated constant added", {"c", "+/-", "+", "c", "="}, {{"Calc", "0"}}},
    {"memory minus itself", {"c", "M", "c", "M-"}, {{"mem", "0"}}},
    {"X minus itself", {"c", "X", "c", "X-"}, {{"X1", "0"}}},
    {"Y minus itself", {"c", "Y", "c", "Y-"}, {{"Y1", "0"}}},
    {"Z minus itself", {"c", "Z", "c", "Z-"}, {{"Z1", "0"}}},
    {"memory sum keeps its full value", {"MC", "c", "M+", "M+", "c", "M-", "M-"}, {{"mem", "0"}}},
    {"shown again by equals, still full", {"c", "=", "-", "c", "="}, {{"Calc", "0"}}},
    {"recalled memory is the constant", {"c", "M", "C", "MR", "-", "c", "="}, {{"Calc", "0"}}},
    {"recalled register is the constant", {"c", "Z", "C", "ZR", "/", "c", "="}, {{"Calc", "1"}}},
    {"register sum recalled and divided",
     {"XC", "c", "X+", "X+", "XR", "/", "c", "="},
     {{"Calc", "2"}}},
};

struct CancelParam {
  std::string caption;
  CancelCase sequence;
};
void PrintTo(const CancelParam& p, std::ostream* os) {
  *os << p.caption << ": " << p.sequence.name;
}

std::vector<CancelParam> EveryConstantAndSequence() {
  std::vector<CancelParam> params;
  for (const std::string& caption : ValueConstantCaptions())
    for (const CancelCase& sequence : kCancelling) params.push_back({caption, sequence});
  return params;
}

class ValueConstantsCancel : public ::testing::TestWithParam<CancelParam> {};

TEST_P(ValueConstantsCancel, Exactly) {
  const CancelParam& p = GetParam();
  std::vector<std::string> keys;
  for (const std::string& key : p.sequence.keys) keys.push_back(key == "c" ? p.caption : key);
  CalculatorRig rig;
  rig.Press(keys);
  for (const auto& [field, expected] : p.sequence.fields) EXPECT_EQ(rig.Text(field), expected);
  EXPECT_TRUE(rig.errors.empty());
  EXPECT_TRUE(rig.notices.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, ValueConstantsCancel,
                         ::testing::ValuesIn(EveryConstantAndSequence()),
                         [](const ::testing::TestParamInfo<CancelParam>& info) {
                           return CaseName(info.param.caption + " " + info.param.sequence.name) +
                                  "_" + std::to_string(info.index);
                         });

// Once the text is edited it reads as its digits, even where the edit restores the very text
// the constant showed: each row edits the entry (or a register) and then takes the constant
// away from it. The shown 15 digits are not the constant, so a difference of 0 would mean the
// hidden value leaked back.
struct EditCase {
  std::string name;
  std::vector<std::string> before;  // keys before the edit; "c" is the constant
  std::string field;                // the field edited
  std::vector<std::string> after;   // keys after it
  std::string read;                 // the field whose value decides: nonzero expected
};

const EditCase kEdits[] = {
    {"backspace then last digit put back", {"c", "<<"}, "Calc", {"-", "c", "="}, "Calc"},
    {"stored then the stored text edited", {"c", "M"}, "mem", {"c", "M-"}, "mem"},
    {"register text edited", {"c", "X"}, "X1", {"c", "X-"}, "X1"},
};

class EditedText : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditedText, ReadsAsItsDigits) {
  const EditCase& c = GetParam();
  for (const std::string& caption : ValueConstantCaptions()) {
    SCOPED_TRACE(caption);
    auto withConstant = [&](const std::vector<std::string>& keys) {
      std::vector<std::string> out;
      for (const std::string& key : keys) out.push_back(key == "c" ? caption : key);
      return out;
    };
    CalculatorRig rig;
    rig.Press({caption});
    const std::string shown = rig.model.Calc;
    rig.Press(withConstant(c.before));
    // The edit, as a paste at the caret makes it: the field ends up showing the constant's
    // text again, character for character.
    std::string& text = rig.Text(c.field);
    if (c.field == "Calc") {
      text += shown.back();
    } else {
      text = shown;
      if (c.field == "mem") rig.model.Edited(Register::kM);
      if (c.field == "X1") rig.model.Edited(Register::kX);
    }
    ASSERT_EQ(text, shown);
    rig.Press(withConstant(c.after));
    EXPECT_NE(rig.Text(c.read), "0");
    EXPECT_TRUE(rig.errors.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Table, EditedText, ::testing::ValuesIn(kEdits), CaseNamer{});

// A text that was never a constant's reads as its digits, whatever constant was shown before.
const KeyCase kDigits[] = {
    {.name = "typed digits of pi times two",
     .keys = {"Pi", "C", "3,14159265358979", "*", "2", "="},
     .fields = {{"Calc", "6,28318530717958"}}},
    {.name = "result then typed digits of pi",
     .keys = {"Pi", "+", "1", "=", "3,14159265358979", "*", "2", "="},
     .fields = {{"Calc", "6,28318530717958"}}},
    {.name = "taken result with the text of pi",
     .keys = {"Pi", "Saisir Résultat", "*", "2", "="},
     .fields = {{"Calc", "6,28318530717958"}},
     .converterResult = "3,14159265358979"},
};

class TypedDigits : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TypedDigits, ReadAsDigits) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, TypedDigits, ::testing::ValuesIn(kDigits), CaseNamer{});

}  // namespace
}  // namespace vaneko::calculator::testing_support
