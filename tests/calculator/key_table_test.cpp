// The panel's key table: finding keys by caption, the layout's places and caption styles.
#include <set>

#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

TEST(FindKey, FindsCaptionsExactly) {
  const CalcKey* gamma = FindKey("Gamma ");
  ASSERT_NE(gamma, nullptr);
  EXPECT_EQ(gamma->handler, "Button168Click");
  const CalcKey* cosecant = FindKey("Sqrt(1 + CoTan^ 2 X )");
  ASSERT_NE(cosecant, nullptr);
  EXPECT_EQ(cosecant->handler, "Button144Click");
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
  for (const CalcKey& key : CalculatorKeys())
    EXPECT_TRUE(captions.insert(key.caption).second) << key.caption;
}

TEST(KeyTable, HandlersAreUniqueButForTheDigitKeys) {
  std::set<std::string_view> handlers;
  int digitKeys = 0;
  for (const CalcKey& key : CalculatorKeys()) {
    if (key.handler == "Button40Click") {
      ++digitKeys;
      continue;
    }
    if (key.handler.empty()) continue;
    EXPECT_TRUE(handlers.insert(key.handler).second) << key.handler;
  }
  EXPECT_EQ(digitKeys, 11);  // "0" to "9" and ","
}

TEST(KeyTable, OnlyPpHasNoAction) {
  for (const CalcKey& key : CalculatorKeys()) {
    if (key.caption == "Pp") {
      EXPECT_EQ(key.action, nullptr);
      EXPECT_TRUE(key.handler.empty());
    } else {
      EXPECT_NE(key.action, nullptr) << key.caption;
    }
  }
}

// Whether two keys cover each other by more than the one-pixel seam the layout has in places
// (between "Inv Ln2" and "Inv Ln10", and between "lp(12)" and "tp(40)").
bool Overlap(const Place& a, const Place& b) {
  constexpr int kSeam = 1;
  return a.left + kSeam < b.left + b.width && b.left + kSeam < a.left + a.width &&
         a.top + kSeam < b.top + b.height && b.top + kSeam < a.top + a.height;
}

TEST(KeyTable, KeysLieInsideThePanelWithoutOverlapping) {
  const auto keys = CalculatorKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const Place& p = keys[i].place;
    EXPECT_GT(p.width, 0) << keys[i].caption;
    EXPECT_GT(p.height, 0) << keys[i].caption;
    EXPECT_LE(p.left + p.width, kPanelPlace.width) << keys[i].caption;
    EXPECT_LE(p.top + p.height, kPanelPlace.height) << keys[i].caption;
    for (std::size_t j = i + 1; j < keys.size(); ++j)
      EXPECT_FALSE(Overlap(p, keys[j].place)) << keys[i].caption << " / " << keys[j].caption;
  }
}

// Places, handlers and styles of a sample of keys, as the panel's layout gives them.
struct LayoutCase {
  std::string caption;
  std::string handler;
  Place place;
  CaptionStyle style;
};
void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << c.caption;
}

const LayoutCase kLayout[] = {
    {"0", "Button40Click", {53, 199, 33, 25}, {CaptionColour::Aqua, false, 12}},
    {"7", "Button40Click", {54, 102, 33, 25}, {}},
    {",", "Button40Click", {93, 199, 32, 25}, {CaptionColour::Default, false, 16}},
    {"<<", "Button46Click", {93, 70, 32, 25}, {CaptionColour::Default, false, 15}},
    {"=", "Button6Click", {132, 200, 32, 25}, {}},
    {"x % de y", "Button43Click", {6, 264, 65, 25}, {}},
    {"M", "Button37Click", {4, 71, 32, 25}, {CaptionColour::Default, true, 12}},
    {"X", "Button28Click", {81, 263, 32, 25}, {CaptionColour::Default, true, 16}},
    {"Y", "Button103Click", {121, 263, 32, 25}, {CaptionColour::Default, true, 16}},
    {"Z", "Button104Click", {161, 263, 32, 25}, {CaptionColour::Default, true, 16}},
    {"Saisir Résultat", "Button22Click", {26, 9, 81, 25}, {}},
    {"Coller", "Button23Click", {114, 9, 57, 25}, {}},
    {"Ln", "Button31Click", {4, 103, 33, 25}, {CaptionColour::Fuchsia, false, 12}},
    {"ArcSin", "Button60Click", {9, 324, 44, 25}, {CaptionColour::Aqua, false, 12}},
    {"ArcCos", "Button61Click", {53, 324, 44, 25}, {CaptionColour::Aqua, false, 12}},
    {"ArcTan", "Button62Click", {97, 324, 44, 25}, {CaptionColour::Aqua, false, 12}},
    {"ArcCoTan", "Button67Click", {142, 324, 60, 25}, {CaptionColour::Aqua, false, 12}},
    {"Gamma ", "Button168Click", {253, 187, 52, 25}, {}},
    {"Binomial (N,K)", "Button161Click", {597, 348, 102, 25}, {}},
    {"Pi", "Button32Click", {222, 124, 30, 25}, {CaptionColour::MenuText, false, 12}},
    {"Pp", "", {653, 280, 45, 25}, {}},
};

class KeyLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(KeyLayout, MatchesThePanel) {
  const LayoutCase& c = GetParam();
  const CalcKey* key = FindKey(c.caption);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->caption, c.caption);
  EXPECT_EQ(key->handler, c.handler);
  EXPECT_EQ(key->place.left, c.place.left);
  EXPECT_EQ(key->place.top, c.place.top);
  EXPECT_EQ(key->place.width, c.place.width);
  EXPECT_EQ(key->place.height, c.place.height);
  EXPECT_EQ(key->style.colour, c.style.colour);
  EXPECT_EQ(key->style.bold, c.style.bold);
  EXPECT_EQ(key->style.pixelSize, c.style.pixelSize);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyLayout, ::testing::ValuesIn(kLayout),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                           return CaseName(info.param.caption) + "_" + std::to_string(info.index);
                         });

TEST(KeyTable, OnlyYAndCCarryTooltips) {
  for (const CalcKey& key : CalculatorKeys()) {
    if (key.caption == "y") {
      EXPECT_EQ(key.tooltip, "Gamma");
    } else if (key.caption == "c") {
      EXPECT_EQ(key.tooltip, "Vitesse Lumière");
    } else {
      EXPECT_TRUE(key.tooltip.empty()) << key.caption;
    }
  }
}

TEST(PanelTables, LabelsFieldsAndAngleButtons) {
  std::vector<std::string_view> labels;
  for (const PanelLabel& label : PanelLabels()) {
    labels.push_back(label.caption);
    EXPECT_EQ(label.style.colour, CaptionColour::DesktopBackground) << label.caption;
  }
  EXPECT_EQ(labels, (std::vector<std::string_view>{"Const", "Planck", "Fonctions", "Mem", "X", "Y",
                                                   "Z", "N=X", "K=Y"}));

  std::vector<std::string_view> fields;
  for (const PanelField& field : PanelFields()) fields.push_back(field.name);
  EXPECT_EQ(fields, (std::vector<std::string_view>{"Calc", "mem", "X1", "Y1", "Z1"}));

  int checked = 0;
  for (const AngleButton& button : AngleButtons()) {
    EXPECT_EQ(button.place.width, 49);
    EXPECT_EQ(button.place.height, 17);
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
