// Fuzzes the window model with sequences of user events: only the system's own errors may
// escape a handler, and the model's texts, flags and selections stay valid after every event.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/model_events.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vaneko::Session session;
  session.ShowNoticeWith([](const std::string&) {});
  vaneko::fuzzing::ByteReader bytes(data, size);
  while (!bytes.AtEnd()) {
    const std::string broken = vaneko::fuzzing::PlayOneEvent(session, bytes);
    if (!broken.empty()) {
      std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
      std::abort();
    }
  }
  return 0;
}
