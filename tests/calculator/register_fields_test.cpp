// Which window field shows which register, read both ways: the field a register's keys write
// is the field whose edits make the register read as its digits.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculator/calculator_model.h"

namespace vaneko::calculator {
namespace {

struct FieldCase {
  Field field;
  std::optional<Register> shown;
  std::string CalculatorModel::*text;  // the model's text of the field; null for the converter's
};

constexpr FieldCase kFields[] = {
    {Field::Nombre1, std::nullopt, nullptr},
    {Field::Result, std::nullopt, nullptr},
    {Field::Calc, std::nullopt, &CalculatorModel::Calc},
    {Field::mem, Register::kM, &CalculatorModel::mem},
    {Field::X1, Register::kX, &CalculatorModel::X1},
    {Field::Y1, Register::kY, &CalculatorModel::Y1},
    {Field::Z1, Register::kZ, &CalculatorModel::Z1},
};

class RegisterFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(RegisterFields, TheFieldShowsItsRegister) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(RegisterShownIn(c.field), c.shown);
  if (!c.shown) return;
  CalculatorModel model;
  model.Text(*c.shown) = "42";
  EXPECT_EQ(model.*c.text, "42");
  EXPECT_EQ(&model.Text(*c.shown), &(model.*c.text));
  const CalculatorModel& constModel = model;
  EXPECT_EQ(&constModel.Text(*c.shown), &(model.*c.text));
}

INSTANTIATE_TEST_SUITE_P(Fields, RegisterFields, ::testing::ValuesIn(kFields));

// A register key writes the field the register is shown in: "5", "M" puts 5 in mem.
TEST(RegisterFields, EachRegistersStoreKeyWritesItsField) {
  for (const FieldCase& c : kFields) {
    if (!c.shown) continue;
    CalculatorModel model;
    model.Calc = "5";
    model.StoreIn(*c.shown);
    EXPECT_EQ(model.*c.text, "5") << static_cast<int>(c.field);
  }
}

}  // namespace
}  // namespace vaneko::calculator
