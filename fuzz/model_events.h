// Decodes a byte string into a sequence of user events on the window model and checks the
// model's invariants after each one. Shared by the model fuzzer and the random-event soak test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "session/session.h"

namespace vaneko::fuzzing {

// Reads bytes one at a time; past the end it yields zeros.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return pos_ >= size_; }
  std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Plays one event decoded from `bytes` on `session`, then checks the invariants. Returns a
// description of the first broken invariant, or an empty string.
std::string PlayOneEvent(Session& session, ByteReader& bytes);

bool IsValidUtf8(const std::string& text);

}  // namespace vaneko::fuzzing
