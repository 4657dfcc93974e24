// Fuzzes the number reader and writer: neither may crash; every text the reader accepts is
// written in a form that reads back and is written again identically; every text it refuses
// raises the conversion error naming that very text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vaneko::Extended value = 0;
  if (!vaneko::TryReadNumber(text, value)) {
    try {
      vaneko::ReadNumber(text);
      std::abort();  // TryReadNumber and ReadNumber disagree
    } catch (const vaneko::EConvertError& e) {
      // Compared as C strings: a text holding a NUL shows up to it, as in a message box.
      const std::string expected =
          "'" + std::string(text) + "' is not a valid floating point value";
      if (std::strcmp(e.what(), expected.c_str()) != 0) std::abort();
    }
    return 0;
  }
  const std::string written = vaneko::FormatNumber(value);
  vaneko::Extended reread = 0;
  if (!vaneko::TryReadNumber(written, reread)) std::abort();
  if (vaneko::FormatNumber(reread) != written) std::abort();
  // 15 significant digits: the value read back is within half a unit of the 15th digit.
  if (value != 0 && std::fabs(static_cast<double>((reread - value) / value)) > 5.1e-15)
    std::abort();
  return 0;
}
