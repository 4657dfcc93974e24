// The session's operations for the converter's lists and for the tape, as the window and the
// command line use them: a selection shown converts nothing, a click in the to-list converts,
// and a tape line's result comes back into Calc as a fresh entry.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "calculator/key_table.h"
#include "session/session.h"

namespace vaneko {
namespace {

constexpr int kDistanceTab = 1;  // Pouce, Main, Pied, ...
constexpr int kInch = 0;
constexpr int kFoot = 2;

struct ListCase {
  const char* name;
  bool clickTo;  // SelectTo (a click) rather than ShowTo (the selection copied in)
  bool swap;     // the swap key afterwards
  std::string result;
  int from;  // the selections afterwards
  int to;
};

void PrintTo(const ListCase& c, std::ostream* os) {
  *os << c.name;
}

class ConverterDoor : public ::testing::TestWithParam<ListCase> {};

TEST_P(ConverterDoor, ConvertsOnAClickOnly) {
  const ListCase& c = GetParam();
  Session session;
  session.SelectTab(kDistanceTab);
  session.Text(Field::Nombre1) = "24";
  session.ShowFrom(kInch);
  if (c.clickTo) {
    session.SelectTo(kFoot);
  } else {
    session.ShowTo(kFoot);
  }
  if (c.swap) session.Swap();
  EXPECT_EQ(session.Text(Field::Result), c.result);
  EXPECT_EQ(session.converter.FromSelected, c.from);
  EXPECT_EQ(session.converter.ToSelected, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ConverterDoor,
    ::testing::Values(ListCase{"shown", false, false, "", kInch, kFoot},
                      ListCase{"clicked", true, false, "2", kInch, kFoot},
                      ListCase{"shown then swapped", false, true, "288", kFoot, kInch},
                      ListCase{"clicked then swapped", true, true, "288", kFoot, kInch}));

TEST(ConverterDoor, ShownTabRefillsNothing) {
  Session session;
  session.SelectTab(kDistanceTab);
  const std::vector<std::string_view> distance = session.converter.FromItems;
  session.ShowTab(2);
  EXPECT_EQ(session.converter.TabIndex, 2);
  EXPECT_EQ(session.converter.FromItems, distance);
  session.TabControl1Change();
  EXPECT_NE(session.converter.FromItems, distance);
}

// Presses keys by caption.
void Press(Session& session, const std::vector<const char*>& captions) {
  for (const char* caption : captions) {
    const calculator::KeyRow* key = calculator::FindKey(caption);
    ASSERT_NE(key, nullptr) << caption;
    session.Press(*key);
  }
}

struct TapeCase {
  const char* name;
  std::size_t line;
  bool put;
  std::string calc;  // after the line is put back and "7" is pressed
};

void PrintTo(const TapeCase& c, std::ostream* os) {
  *os << c.name;
}

class TapeDoor : public ::testing::TestWithParam<TapeCase> {};

TEST_P(TapeDoor, PutsALinesResultBackAsAFreshEntry) {
  const TapeCase& c = GetParam();
  Session session;
  Press(session, {"2", "+", "3", "=", "1", "2"});  // "2 + 3 = 5", then 12 typed
  ASSERT_EQ(session.tape.Lines().size(), 1u);
  EXPECT_EQ(session.PutTapeResult(c.line), c.put);
  Press(session, {"7"});
  EXPECT_EQ(session.Text(Field::Calc), c.calc);
}

INSTANTIATE_TEST_SUITE_P(Lines, TapeDoor,
                         ::testing::Values(TapeCase{"the line", 0, true, "7"},
                                           TapeCase{"past the lines", 1, false, "127"}));

TEST(TapeDoor, ThePutResultIsWhatCalcShows) {
  Session session;
  Press(session, {"2", "+", "3", "=", "C"});
  ASSERT_TRUE(session.PutTapeResult(0));
  EXPECT_EQ(session.Text(Field::Calc), "5");
}

TEST(NoticeDoor, TheCalculatorsNoticeGoesWhereTheSessionSays) {
  Session session;
  std::vector<std::string> notices;
  session.ShowNoticeWith([&](const std::string& text) { notices.push_back(text); });
  Press(session, {"1", "/", "0", "="});
  EXPECT_EQ(notices, std::vector<std::string>{"Division par 0"});
}

}  // namespace
}  // namespace vaneko
