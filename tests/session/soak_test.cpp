// One million random user events on the window model; the invariants hold after each one.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "fuzz/model_events.h"

namespace vaneko {
namespace {

TEST(Soak, AMillionRandomEventsKeepTheModelValid) {
  constexpr int kEvents = 1'000'000;
  std::mt19937 random(20261208);
  std::vector<std::uint8_t> bytes(8 * kEvents);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  Session session;
  int notices = 0;
  session.calculator.ShowNotice = [&](const std::string&) { ++notices; };
  fuzzing::ByteReader reader(bytes.data(), bytes.size());
  for (int event = 0; event < kEvents && !reader.AtEnd(); ++event) {
    const std::string broken = fuzzing::PlayOneEvent(session, reader);
    ASSERT_TRUE(broken.empty()) << "event " << event << ": " << broken;
  }
  EXPECT_GT(notices, 0);  // the sequence did reach the "Division par 0" notice
}

TEST(Soak, TheUtf8CheckerRefusesBrokenSequences) {
  EXPECT_TRUE(fuzzing::IsValidUtf8("Résultat €"));
  EXPECT_FALSE(fuzzing::IsValidUtf8("\xC3"));
  EXPECT_FALSE(fuzzing::IsValidUtf8("\xC3("));
  EXPECT_FALSE(fuzzing::IsValidUtf8("\xFF"));
}

}  // namespace
}  // namespace vaneko
