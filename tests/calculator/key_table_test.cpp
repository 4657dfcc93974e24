// The panel's key table: what every row must satisfy, and finding keys by caption.
#include <set>
#include <string>

#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

TEST(FindKey, FindsCaptionsExactly) {
  for (const KeyRow& key : CalculatorKeys()) {
    const KeyRow* found = FindKey(key.caption);
    ASSERT_NE(found, nullptr) << key.caption;
    EXPECT_EQ(found->caption, key.caption);
  }
}

TEST(FindKey, FindsACaptionGivenWithoutItsTrailingBlank) {
  EXPECT_EQ(FindKey("Gamma"), FindKey("Gamma "));
  EXPECT_EQ(FindKey("Sqrt(1 + CoTan^ 2 X"), nullptr);  // only a trailing blank may be left off
}

TEST(FindKey, KnowsNoOtherCaption) {
  EXPECT_EQ(FindKey(""), nullptr);
  EXPECT_EQ(FindKey("Calculer"), nullptr);  // the converter's key
  EXPECT_EQ(FindKey("Gamm"), nullptr);
  EXPECT_EQ(FindKey("gamma"), nullptr);
}

TEST(KeyTable, CaptionsAreUnique) {
  std::set<std::string_view> captions;
  for (const KeyRow& key : CalculatorKeys())
    EXPECT_TRUE(captions.insert(key.caption).second) << key.caption;
}

TEST(KeyTable, ControlsAreUniqueAndEachHasOneHandler) {
  std::set<std::string_view> controls;
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.control.empty()) continue;
    EXPECT_TRUE(controls.insert(key.control).second) << key.control;
    // The window's slots are named after a control and its click.
    EXPECT_TRUE(key.handler.starts_with("Button") && key.handler.ends_with("Click")) << key.caption;
  }
}

// A handler serves several keys only when they do the same thing: the digit keys share one,
// which tells them apart by the key's digit.
TEST(KeyTable, KeysSharingAHandlerAreDigitKeys) {
  std::multiset<std::string_view> handlers;
  for (const KeyRow& key : CalculatorKeys()) handlers.insert(key.handler);
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.handler.empty() || handlers.count(key.handler) == 1) continue;
    EXPECT_EQ(key.command.kind, Command::Kind::kDigit) << key.caption;
  }
  // "0" to "9" and ",".
  int digits = 0;
  for (const KeyRow& key : CalculatorKeys()) digits += key.command.kind == Command::Kind::kDigit;
  EXPECT_EQ(digits, 11);
}

TEST(KeyTable, OnlyPpHasNoAction) {
  for (const KeyRow& key : CalculatorKeys()) {
    const bool inert = key.command.kind == Command::Kind::kNone;
    EXPECT_EQ(inert, key.caption == "Pp") << key.caption;
    EXPECT_EQ(key.handler.empty(), inert) << key.caption;
  }
}

// Each operation has exactly one key, and a key's operation is one the evaluation knows.
TEST(KeyTable, EveryOperationHasOneKey) {
  std::set<int> codes;
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.command.kind != Command::Kind::kPress) continue;
    const Op op = key.command.op;
    EXPECT_TRUE(IsTwoOperand(op) || IsFunction(op) || IsFormula(op)) << key.caption;
    EXPECT_TRUE(codes.insert(CodeOf(op)).second) << key.caption;
  }
  // Codes 1 to 69 but 10, which is not assigned.
  EXPECT_EQ(codes.size(), 68u);
  EXPECT_EQ(codes.count(10), 0u);
  EXPECT_EQ(*codes.begin(), 1);
  EXPECT_EQ(*codes.rbegin(), kLastCode);
}

// Every register has its five keys: store, recall, clear, add, subtract.
TEST(KeyTable, EveryRegisterHasItsFiveKeys) {
  using Kind = Command::Kind;
  for (const Register target : {Register::kM, Register::kX, Register::kY, Register::kZ}) {
    std::set<Kind> kinds;
    for (const KeyRow& key : CalculatorKeys()) {
      const Kind kind = key.command.kind;
      const bool registerKey = kind == Kind::kStoreIn || kind == Kind::kRecallFrom ||
                               kind == Kind::kClear || kind == Kind::kAddTo ||
                               kind == Kind::kSubtractFrom;
      if (registerKey && key.command.target == target) {
        EXPECT_TRUE(kinds.insert(kind).second) << key.caption;
      }
    }
    EXPECT_EQ(kinds.size(), 5u);
  }
}

TEST(KeyTable, ConstantKeysNameAConstant) {
  int constants = 0;
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.command.kind != Command::Kind::kEnter) continue;
    ++constants;
    ASSERT_NE(key.command.constant, nullptr) << key.caption;
    if (key.command.constant->kind == Constant::Kind::kText) {
      EXPECT_FALSE(key.command.constant->text.empty()) << key.caption;
    } else {
      EXPECT_GT(key.command.constant->value, 0) << key.caption;
    }
  }
  EXPECT_EQ(constants, 38);  // 39 constant keys, "Pp" without action
}

// What a screen reader says of a key exists in both languages, and no two keys of the panel
// sound alike in one language.
TEST(KeyTable, EveryKeyIsSpokenInBothLanguages) {
  std::set<std::string_view> french, english;
  for (const KeyRow& key : CalculatorKeys()) {
    EXPECT_FALSE(key.name.french.empty()) << key.caption;
    EXPECT_FALSE(key.name.english.empty()) << key.caption;
    EXPECT_FALSE(key.description.french.empty()) << key.caption;
    EXPECT_FALSE(key.description.english.empty()) << key.caption;
    EXPECT_TRUE(french.insert(key.name.french).second) << key.name.french;
    EXPECT_TRUE(english.insert(key.name.english).second) << key.name.english;
  }
}

TEST(PanelTables, FieldsAndAngleButtonsAreSpokenInBothLanguages) {
  for (const FieldRow& field : PanelFields()) {
    EXPECT_FALSE(field.accessibleName.french.empty()) << field.name;
    EXPECT_FALSE(field.accessibleName.english.empty()) << field.name;
    EXPECT_FALSE(field.description.french.empty()) << field.name;
    EXPECT_FALSE(field.description.english.empty()) << field.name;
  }
  for (const AngleRow& button : AngleButtons()) {
    EXPECT_FALSE(button.accessibleName.french.empty()) << button.name;
    EXPECT_FALSE(button.accessibleName.english.empty()) << button.name;
  }
}

// Descriptions of the mended formulas say what is computed now, not what the captions suggest
// the old formulas computed.
struct DescriptionCase {
  const char* caption;
  const char* english;
};
void PrintTo(const DescriptionCase& c, std::ostream* os) {
  *os << c.caption;
}

const DescriptionCase kMendedDescriptions[] = {
    {"Sqrt(x^2 - y^ 2)", "square root of X² − Y²"},
    {"Sqrt(CoSec^ 2 X - 1)", "X being register X"},
    {"ArcCos X / Sqrt(x^2 + y^ 2)", "arc cosine of the quotient X / √(X² + Y²)"},
    {"ArcSin Y / Sqrt(x^2 + y^ 2)", "arc sine of the quotient Y / √(X² + Y²)"},
    {"ArcTan Z / Sqrt(x^2 + y^ 2)", "arc tangent of the quotient Z / √(X² + Y²)"},
    {"Log", "that of 0 is a division by zero"},
    {"Ln", "that of 0 is a division by zero"},
};

class MendedDescription : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(MendedDescription, SaysWhatIsComputed) {
  const KeyRow* key = FindKey(GetParam().caption);
  ASSERT_NE(key, nullptr);
  EXPECT_NE(key->description.english.find(GetParam().english), std::string_view::npos)
      << key->description.english;
}

INSTANTIATE_TEST_SUITE_P(Table, MendedDescription, ::testing::ValuesIn(kMendedDescriptions),
                         [](const ::testing::TestParamInfo<DescriptionCase>& info) {
                           return CaseName(info.param.caption);
                         });

TEST(KeyTable, OnlyYAndCCarryTooltips) {
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.caption == "y") {
      EXPECT_EQ(key.tooltip, "Gamma");
    } else if (key.caption == "c") {
      EXPECT_EQ(key.tooltip, "Vitesse Lumière");
    } else {
      EXPECT_TRUE(key.tooltip.empty()) << key.caption;
    }
  }
}

TEST(PanelTables, FieldsAndAngleButtons) {
  std::vector<std::string_view> fields;
  for (const FieldRow& field : PanelFields()) fields.push_back(field.name);
  EXPECT_EQ(fields, (std::vector<std::string_view>{"Calc", "mem", "X1", "Y1", "Z1"}));

  int checked = 0;
  for (const AngleRow& button : AngleButtons()) {
    if (button.checkedAtStart) {
      ++checked;
      EXPECT_EQ(button.name, "Deg");
      EXPECT_EQ(button.mode, AngleMode::Degrees);
    }
  }
  EXPECT_EQ(checked, 1);
}

// The model's start-up state agrees with the panel: an empty entry, fields holding "0".
TEST(PanelTables, FieldsStartAsThePanelShowsThem) {
  CalculatorRig rig;
  EXPECT_EQ(rig.Text("Calc"), "");
  for (const char* name : {"mem", "X1", "Y1", "Z1"}) EXPECT_EQ(rig.Text(name), "0") << name;
  EXPECT_EQ(rig.model.Angle, AngleMode::Degrees);
  EXPECT_TRUE(rig.model.CalcFreshEntry);
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
