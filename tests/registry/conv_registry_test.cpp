// The registry's own rules: the error messages and that a failed call changes nothing, list
// growth, unregistration, conversion of a unit to itself, the 16-bit handle limit and
// conversions running on several threads while another thread registers and unregisters.
#include "registry/conv_registry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "core/errors.h"
#include "registry/conv_registry_testing.h"
#include "registry/std_units.h"
#include "registry_test_helpers.h"

namespace vaneko::registry {
namespace {

using testing::MessageOf;
using testing::UniqueName;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

class ConvRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureStandardUnits(); }

  static TConvType Meters() { return StdType(StdUnit::Meters); }
  static TConvType Grams() { return StdType(StdUnit::Grams); }
  static TConvFamily Distance() { return StdFamilyHandle(StdFamily::Distance); }
};

double Twice(double value) {
  return value * 2;
}
double Half(double value) {
  return value / 2;
}

struct ErrorCase {
  std::string name;
  std::function<void()> action;
  std::string message;
};

TEST_F(ConvRegistryTest, ConversionErrorsCarryTheirMessages) {
  const ErrorCase cases[] = {
      {"family description differing only in case", [] { RegisterConversionFamily("dISTANCE"); },
       "Conversion family (dISTANCE) already registered"},
      {"unit description differing only in case",
       [] { RegisterConversionType(Distance(), "meTERS", 2.0); },
       "Conversion type (meTERS) already registered in Distance"},
      {"function unit with a taken description",
       [] { RegisterConversionType(Distance(), "FEET", Twice, Half); },
       "Conversion type (FEET) already registered in Distance"},
      {"unit of an unknown family", [] { RegisterConversionType(200, "Spans", 0.2286); },
       "Unknown conversion family [$000000C8]"},
      {"function unit of family 0", [] { RegisterConversionType(0, "Spans", Twice, Half); },
       "Unknown conversion family [$00000000]"},
      {"from the illegal type", [] { Convert(1, IllegalConvType, Meters()); },
       "Incompatible conversion types [Illegal type, Meters]"},
      {"to the illegal type", [] { Convert(1, Meters(), IllegalConvType); },
       "Incompatible conversion types [Meters, Illegal type]"},
      {"units of two families", [] { Convert(1, Meters(), Grams()); },
       "Incompatible conversion types [Meters, Grams]"},
      {"a handle beyond the last", [] { Convert(1, 60000, Meters()); },
       "Incompatible conversion types [[$0000EA60], Meters]"},
      {"the largest handle", [] { Convert(1, Meters(), 0xFFFF); },
       "Incompatible conversion types [Meters, [$0000FFFF]]"},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(MessageOf<EConversionError>(c.action), c.message) << c.name;
  }
}

TEST_F(ConvRegistryTest, DescriptionsOfHandles) {
  EXPECT_EQ(ConvTypeToDescription(IllegalConvType), "Illegal type");
  EXPECT_EQ(ConvFamilyToDescription(IllegalConvFamily), "Illegal family");
  EXPECT_EQ(ConvFamilyToDescription(200), "[$000000C8]");
  EXPECT_EQ(ConvTypeToDescription(0xABCD), "[$0000ABCD]");
}

TEST_F(ConvRegistryTest, ZeroOrNaNFactorIsADivisionByZero) {
  const TConvFamily family = RegisterConversionFamily(UniqueName("Test zero factors"));
  EXPECT_EQ(MessageOf<EZeroDivide>([&] { RegisterConversionType(family, "Nothing", 0.0); }),
            "Nothing has a factor of zero");
  EXPECT_EQ(MessageOf<EZeroDivide>([&] { RegisterConversionType(family, "Minus nothing", -0.0); }),
            "Minus nothing has a factor of zero");
  EXPECT_EQ(MessageOf<EZeroDivide>([&] {
              RegisterConversionType(family, "Not a number",
                                     std::numeric_limits<double>::quiet_NaN());
            }),
            "Not a number has a factor of zero");
  // None of them was registered.
  TConvType found = 0;
  EXPECT_FALSE(DescriptionToConvType(family, "Nothing", found));
  EXPECT_FALSE(DescriptionToConvType(family, "Not a number", found));
}

TEST_F(ConvRegistryTest, FailedRegistrationsLeaveTheCountersAlone) {
  const std::string name = UniqueName("Test counters");
  const TConvFamily family = RegisterConversionFamily(name);
  const TConvType first = RegisterConversionType(family, "First", 2.0);
  const std::size_t typeLength = TypeListLength();
  const std::size_t familyLength = FamilyListLength();

  EXPECT_THROW(RegisterConversionType(family, "Zero", 0.0), EZeroDivide);
  EXPECT_THROW(RegisterConversionType(family, "FIRST", 3.0), EConversionError);
  EXPECT_THROW(RegisterConversionType(family, "first", Twice, Half), EConversionError);
  EXPECT_THROW(RegisterConversionType(200, "Orphan", 3.0), EConversionError);
  EXPECT_THROW(RegisterConversionFamily(Upper(name)), EConversionError);

  EXPECT_EQ(TypeListLength(), typeLength);
  EXPECT_EQ(FamilyListLength(), familyLength);
  EXPECT_EQ(RegisterConversionType(family, "Second", 4.0), first + 1);
  EXPECT_EQ(RegisterConversionFamily(name + ", next"), family + 1);
  // The first unit still converts as before.
  EXPECT_EQ(Convert(1, first, first + 1), 0.5);
}

TEST_F(ConvRegistryTest, SameDescriptionMayExistOncePerFamily) {
  const TConvFamily family = RegisterConversionFamily(UniqueName("Test survey distance"));
  const TConvType surveyMeters = RegisterConversionType(family, "Meters", 1.0);
  const TConvType surveyFeet = RegisterConversionType(family, "Feet", 1200.0 / 3937.0);
  TConvType found = 0;
  ASSERT_TRUE(DescriptionToConvType(family, "meters", found));
  EXPECT_EQ(found, surveyMeters);
  ASSERT_TRUE(DescriptionToConvType(Distance(), "meters", found));
  EXPECT_EQ(found, Meters());
  // A survey foot is 1200/3937 m; it cannot convert to the Distance family's units.
  EXPECT_DOUBLE_EQ(Convert(3937, surveyFeet, surveyMeters), 1200);
  EXPECT_THROW(Convert(1, surveyFeet, Meters()), EConversionError);
}

TEST_F(ConvRegistryTest, FunctionUnitsConvertThroughTheBase) {
  const TConvFamily family = RegisterConversionFamily(UniqueName("Test doubling"));
  const TConvType base = RegisterConversionType(family, "Base", 1.0);
  const TConvType doubled = RegisterConversionType(family, "Doubled", Twice, Half);
  const TConvType tenfold = RegisterConversionType(family, "Tenfold", 10.0);
  EXPECT_EQ(Convert(3, doubled, base), 6);
  EXPECT_EQ(Convert(6, base, doubled), 3);
  EXPECT_EQ(Convert(5, doubled, tenfold), 1);
}

TEST_F(ConvRegistryTest, FactorUnitToItselfRoundsEachStep) {
  // x * factor / factor, each step rounded to double, for a spread of values.
  const TConvFamily family = RegisterConversionFamily(UniqueName("Test round trips"));
  const double factor = 0.1;
  const TConvType tenth = RegisterConversionType(family, "Tenth", factor);
  int changed = 0;
  for (int i = 1; i <= 1000; ++i) {
    const double x = 1.0 + i / 1024.0 + i * 1e-9;
    const double inBase = static_cast<double>(static_cast<long double>(x) * factor);
    const double expected = static_cast<double>(static_cast<long double>(inBase) / factor);
    const double result = Convert(x, tenth, tenth);
    EXPECT_EQ(result, expected) << x;
    EXPECT_LE(std::fabs(result - x), std::fabs(x) * 2 * std::numeric_limits<double>::epsilon());
    if (result != x) ++changed;
  }
  // No shortcut when both units are the same: some values come back in a different last bit.
  EXPECT_GT(changed, 0);
}

TEST_F(ConvRegistryTest, UnregisteringRemovesEveryUnitOfTheFamily) {
  const std::string name = UniqueName("Test leagues");
  const TConvFamily family = RegisterConversionFamily(name);
  const TConvType league = RegisterConversionType(family, "League", 3.0);
  const TConvType mile = RegisterConversionType(family, "Mile", 1.0);
  ASSERT_EQ(Convert(1, league, mile), 3);

  UnregisterConversionFamily(family);
  UnregisterConversionFamily(family);  // a second time: nothing to do

  EXPECT_EQ(MessageOf<EConversionError>([&] { Convert(1, league, mile); }),
            "Incompatible conversion types [" + ConvTypeToDescription(league) + ", " +
                ConvTypeToDescription(mile) + "]");
  char handleText[16];
  std::snprintf(handleText, sizeof handleText, "[$%08X]", static_cast<unsigned>(league));
  EXPECT_EQ(ConvTypeToDescription(league), handleText);
  std::snprintf(handleText, sizeof handleText, "[$%08X]", static_cast<unsigned>(family));
  EXPECT_EQ(ConvFamilyToDescription(family), handleText);
  TConvFamily foundFamily = 0;
  EXPECT_FALSE(DescriptionToConvFamily(name, foundFamily));
  TConvType foundType = 0;
  EXPECT_FALSE(DescriptionToConvType(family, "League", foundType));
  EXPECT_THROW(RegisterConversionType(family, "Furlong", 0.125), EConversionError);

  // The same descriptions again: new, higher handles; the old ones stay unknown.
  const TConvFamily again = RegisterConversionFamily(name);
  EXPECT_GT(again, family);
  const TConvType leagueAgain = RegisterConversionType(again, "League", 3.0);
  EXPECT_GT(leagueAgain, mile);
  EXPECT_THROW(Convert(1, league, leagueAgain), EConversionError);
  // Other families keep their units.
  EXPECT_EQ(Convert(1, StdType(StdUnit::Feet), Meters()), 0.3048);
}

// Registers through `registerNext` until the list has grown twice: while new handles fit, the
// length stays; a handle that does not fit makes it handle + 16 slots long.
template <class Register, class Length>
void ExpectGrowthBySixteen(Register registerNext, Length length) {
  int grown = 0;
  while (grown < 2) {
    const std::size_t before = length();
    const std::size_t handle = registerNext();
    if (handle < before) {
      EXPECT_EQ(length(), before) << "after handle " << handle;
    } else {
      EXPECT_EQ(length(), handle + 16) << "after handle " << handle;
      if (handle == 17) {
        EXPECT_EQ(length(), 33u);
      }
      ++grown;
    }
  }
}

TEST_F(ConvRegistryTest, ListsGrowBySixteenWhenAHandleDoesNotFit) {
  int n = 0;
  ExpectGrowthBySixteen([&] { return RegisterConversionFamily(UniqueName("Test growth")); },
                        FamilyListLength);
  const TConvFamily family = RegisterConversionFamily(UniqueName("Test growth of units"));
  ExpectGrowthBySixteen(
      [&] {
        ++n;
        return RegisterConversionType(family, "Unit " + std::to_string(n), 1.0 + n);
      },
      TypeListLength);
}

// The 16-bit limit, in a child process: handles are never given out again, so the parent's
// registry must not reach it.
std::string RegisterBeyondTheLastHandle() {
  AdvanceHandleCountersForTesting(65533, 65533);
  const TConvFamily last = RegisterConversionFamily("Test family 65534");
  if (last != 65534) return "family handle " + std::to_string(last);
  if (RegisterConversionFamily("Test family 65535") != 65535) return "family 65535";
  const std::size_t familyLength = FamilyListLength();
  if (MessageOf<EConversionError>([] { RegisterConversionFamily("Test family 0"); }) !=
      "Too many conversion families") {
    return "no family error";
  }
  TConvFamily found = 0;
  if (DescriptionToConvFamily("Test family 0", found)) return "family registered";
  if (FamilyListLength() != familyLength) return "family list changed";
  if (ConvFamilyToDescription(65535) != "Test family 65535") return "family 65535 overwritten";

  const TConvType one = RegisterConversionType(65535, "One", 1.0);
  const TConvType three = RegisterConversionType(65535, "Three", Twice, Half);
  if (one != 65534 || three != 65535) return "type handles";
  const std::size_t typeLength = TypeListLength();
  for (int i = 0; i < 2; ++i) {
    if (MessageOf<EConversionError>([] { RegisterConversionType(65535, "Four", 4.0); }) !=
        "Too many conversion types") {
      return "no type error";
    }
  }
  TConvType foundType = 0;
  if (DescriptionToConvType(65535, "Four", foundType)) return "type registered";
  if (TypeListLength() != typeLength) return "type list changed";
  if (ConvTypeToDescription(IllegalConvType) != "Illegal type") return "type 0 given out";
  if (Convert(3, three, one) != 6) return "type 65535 overwritten";
  // A duplicate is still reported as such.
  if (MessageOf<EConversionError>([] { RegisterConversionType(65535, "ONE", 1.0); }) !=
      "Conversion type (ONE) already registered in Test family 65535") {
    return "duplicate";
  }
  return "";
}

TEST(ConvRegistryDeathTest, HandlesDoNotWrapAroundAtTheSixteenBitLimit) {
  EnsureStandardUnits();
  EXPECT_EXIT(
      {
        const std::string failure = RegisterBeyondTheLastHandle();
        std::fputs(failure.empty() ? "ok" : failure.c_str(), stderr);
        std::_Exit(failure.empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "ok");
}

TEST_F(ConvRegistryTest, ConversionsOnSeveralThreadsWhileAnotherRegisters) {
  constexpr int kRounds = 200;
  const std::string prefix = UniqueName("Test threads") + " round ";
  std::atomic<bool> done{false};
  std::atomic<int> wrongResults{0};
  std::atomic<TConvFamily> latestFamily{0};

  // Registers a family with two units, converts between them and unregisters it, over and over.
  std::thread registrar([&] {
    for (int round = 0; round < kRounds; ++round) {
      const TConvFamily family = RegisterConversionFamily(prefix + std::to_string(round));
      latestFamily = family;
      const TConvType big = RegisterConversionType(family, "Big", 8.0);
      const TConvType small = RegisterConversionType(family, "Small", Half, Twice);
      if (Convert(1, big, small) != 16) ++wrongResults;
      UnregisterConversionFamily(family);
    }
    done = true;
  });
  // Adds units to whichever family the registrar made last; it may vanish at any moment.
  std::thread intruder([&] {
    TConvFamily tried = 0;
    while (!done) {
      const TConvFamily family = latestFamily;
      if (family == tried) {
        std::this_thread::yield();
        continue;
      }
      tried = family;
      try {
        RegisterConversionType(family, "Intruder", 5.0);
      } catch (const EConversionError&) {
        // the family is already gone
      }
    }
  });
  std::vector<std::thread> converters;
  for (int t = 0; t < 3; ++t) {
    converters.emplace_back([&] {
      do {
        for (int i = 0; i < 100; ++i) {
          if (Convert(1, StdType(StdUnit::Feet), Meters()) != 0.3048) ++wrongResults;
          if (Convert(100, StdType(StdUnit::Celsius), StdType(StdUnit::Fahrenheit)) != 212) {
            ++wrongResults;
          }
          if (Convert(2451544.5, StdType(StdUnit::JulianDate), StdType(StdUnit::DateTime)) !=
              36526) {
            ++wrongResults;
          }
          TConvType found = 0;
          if (!DescriptionToConvType(Distance(), "Miles", found) || found != 17) ++wrongResults;
          if (ConvTypeToDescription(Grams()) != "Grams") ++wrongResults;
        }
      } while (!done);
    });
  }
  registrar.join();
  intruder.join();
  for (std::thread& converter : converters) converter.join();

  EXPECT_EQ(wrongResults, 0);
  // No unit outlived its family.
  for (int round = 0; round < kRounds; ++round) {
    TConvFamily family = 0;
    EXPECT_FALSE(DescriptionToConvFamily(prefix + std::to_string(round), family));
  }
  for (TConvFamily family = 1; family <= latestFamily; ++family) {
    if (ConvFamilyToDescription(family).starts_with("[$")) {
      TConvType found = 0;
      EXPECT_FALSE(DescriptionToConvType(family, "Intruder", found)) << family;
    }
  }
}

}  // namespace
}  // namespace vaneko::registry
