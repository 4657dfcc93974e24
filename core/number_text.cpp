#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "core/errors.h"
#include "core/powers_of_ten.h"

namespace vaneko {

namespace {

constexpr int kMaxExponent = 500;  // exponent digits are read while the value stays below this
constexpr int kSignificantDigits = 15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads `text` into its sign, significant digits and power of ten. Returns false when the text
// is not a number.
bool ParseDecimal(std::string_view text, DecimalNumber& number) {
  std::size_t pos = 0;
  const std::size_t n = text.size();
  while (pos < n && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < n && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  std::string digits;
  long exponent = 0;
  bool sawComma = false;
  bool sawDigit = false;
  for (; pos < n; ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      sawDigit = true;
      if (c == '0' && digits.empty()) {
        if (sawComma) --exponent;  // a leading zero after the comma: one decade smaller
        continue;
      }
      digits += c;
      if (sawComma) --exponent;
    } else if (c == ',' && !sawComma) {
      sawComma = true;
    } else {
      break;
    }
  }
  if (!sawDigit && !sawComma) return false;  // "," alone reads as 0
  int written = 0;
  bool negativeExponent = false;
  if (pos < n && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) negativeExponent = text[pos++] == '-';
    while (pos < n && IsDigit(text[pos]) && written * 10 + (text[pos] - '0') < kMaxExponent) {
      written = written * 10 + (text[pos] - '0');
      ++pos;
    }
  }
  while (pos < n && text[pos] == ' ') ++pos;
  if (pos != n) return false;
  std::size_t kept = digits.size();
  while (kept > 0 && digits[kept - 1] == '0') --kept;
  exponent += static_cast<long>(digits.size() - kept);
  digits.resize(kept);
  number.negative = negative;
  number.digits = std::move(digits);
  number.exponent = number.digits.empty() ? 0 : exponent + (negativeExponent ? -written : written);
  return true;
}

// The extended value of a parsed decimal, or false when it lies beyond the extended range.
// Whether it does is decided from the digits and the exponent: a value whose leading digit
// stands above the decade of the largest extended number overflows; one far below the
// smallest reads as zero, as an underflow passes silently everywhere else.
bool ToExtendedValue(const DecimalNumber& number, Extended& value) {
  if (number.digits.empty()) {
    value = number.negative ? -0.0L : 0.0L;
    return true;
  }
  const long decades = static_cast<long>(number.digits.size()) + number.exponent;
  constexpr long kLargestDecades = std::numeric_limits<Extended>::max_exponent10 + 1;
  if (decades > kLargestDecades) return false;
  // Between 1E-400 and 1E1000 every point halfway between two extended values has fewer than
  // kReadDigits significant digits, so beyond them only whether the rest is zero can change the
  // nearest value; the rest is not zero (the digits end in a non-zero one), and a 1 after the
  // kept digits says so. (Further out, a text that long would have to match a halfway point
  // to a thousand digits to be read one unit off.) C libraries then read a pasted page of
  // digits as fast as a short number, and MinGW-w64's strtold, which refuses very long texts,
  // reads it at all.
  constexpr std::size_t kReadDigits = 1000;
  const bool shortened = number.digits.size() > kReadDigits;
  const std::size_t kept = shortened ? kReadDigits : number.digits.size();
  const long exponent =
      number.exponent + static_cast<long>(number.digits.size() - kept) - (shortened ? 1 : 0);
  std::string ascii;
  ascii.reserve(kept + 24);
  if (number.negative) ascii += '-';
  ascii.append(number.digits, 0, kept);
  if (shortened) ascii += '1';
  ascii += 'e';
  ascii += std::to_string(exponent);
  Extended parsed = 0;
  bool outOfRange = false;
  if (!ReadAsciiExtended(ascii, parsed, outOfRange)) return false;
  if (outOfRange) {
    if (decades > 0) return false;  // in the largest decade, beyond the largest value
    parsed = 0;
  }
  value = parsed;
  return true;
}

// Rounds `magnitude` (> 0) to 15 significant digits, a half away from zero, from its exact
// decimal expansion: slow, but right for every value.
void RoundExactly(Extended magnitude, std::string& kept, int& e) {
  // 41 significant digits are exact enough to round to 15 with a half away from zero.
  std::array<char, 96> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                 std::chars_format::scientific, 40);
  const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos))
    if (IsDigit(c)) digits += c;
  e = std::atoi(std::string(sci.substr(ePos + 1)).c_str()) + 1;
  kept = digits.substr(0, kSignificantDigits);
  if (digits[kSignificantDigits] >= '5') {
    int i = kSignificantDigits - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
      kept[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
      kept.pop_back();
      ++e;
    } else {
      ++kept[static_cast<std::size_t>(i)];
    }
  }
}

// The same in a few extended operations, for magnitudes within 27 decades of the 15 digits:
// one exactly held power of ten scales the value with a single rounding (an error below 1E-4
// of the last digit), so only a value that close to a half needs the exact expansion.
bool RoundQuickly(Extended magnitude, std::string& kept, int& e) {
  e = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  Extended scaled = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int shift = kSignificantDigits - e;
    if (shift < -27 || shift > 27) return false;
    scaled = shift >= 0 ? magnitude * kExactPowersOfTen[static_cast<std::size_t>(shift)]
                        : magnitude / kExactPowersOfTen[static_cast<std::size_t>(-shift)];
    if (scaled >= 1e15L) {
      ++e;
    } else if (scaled < 1e14L) {
      --e;
    } else {
      break;
    }
  }
  if (scaled < 1e14L || scaled >= 1e15L) return false;
  const Extended whole = std::floor(scaled);
  const Extended fraction = scaled - whole;
  if (std::fabs(fraction - 0.5L) < 1e-3L) return false;
  auto digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
  if (digits == 1'000'000'000'000'000ULL) {
    digits /= 10;
    ++e;
  }
  kept = std::to_string(digits);
  return true;
}

}  // namespace

bool ReadAsciiExtended(std::string_view ascii, Extended& value, bool& outOfRange) {
#ifdef __MINGW32__
  // MinGW-w64's std::from_chars reads a long double through a double: 0,1 would lose its last
  // eleven bits and 1E-499 would read as 0. Its strtold is MinGW-w64's own, correctly rounded in
  // the extended format. It reads the C locale's point, which we never change.
  const std::string text(ascii);
  char* end = nullptr;
  errno = 0;
  value = std::strtold(text.c_str(), &end);
  outOfRange = errno == ERANGE;
  return end == text.c_str() + text.size();
#else
  const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  outOfRange = ec == std::errc::result_out_of_range;
  return end == ascii.data() + ascii.size() && (ec == std::errc() || outOfRange);
#endif
}

bool TryReadDecimal(std::string_view text, DecimalNumber& number) {
  return ParseDecimal(text, number) && ToExtendedValue(number, number.value);
}

DecimalNumber ReadDecimal(std::string_view text) {
  DecimalNumber number;
  if (!TryReadDecimal(text, number)) throw InvalidFloat(text);
  return number;
}

bool TryReadNumber(std::string_view text, Extended& value) {
  DecimalNumber number;
  if (!TryReadDecimal(text, number)) return false;
  value = number.value;
  return true;
}

Extended ReadNumber(std::string_view text) {
  Extended value = 0;
  if (!TryReadNumber(text, value)) throw InvalidFloat(text);
  return value;
}

std::int32_t ReadInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size()) throw InvalidInteger(text);
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    if (!IsDigit(text[pos])) throw InvalidInteger(text);
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > std::int64_t{1} << 31) throw InvalidInteger(text);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) throw InvalidInteger(text);
  return static_cast<std::int32_t>(value);
}

std::string FormatNumber(Extended value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  std::string kept;
  int e = 0;  // value = 0.d1d2.. * 10^e
  if (!RoundQuickly(std::abs(value), kept, e)) RoundExactly(std::abs(value), kept, e);
  while (kept.size() > 1 && kept.back() == '0') kept.pop_back();

  std::string out;
  if (value < 0) out += '-';
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      out += "0,";
      out.append(static_cast<std::size_t>(-e), '0');
      out += kept;
    } else if (kept.size() <= static_cast<std::size_t>(e)) {
      out += kept;
      out.append(static_cast<std::size_t>(e) - kept.size(), '0');
    } else {
      out += kept.substr(0, static_cast<std::size_t>(e));
      out += ',';
      out += kept.substr(static_cast<std::size_t>(e));
    }
  } else if (e - 1 >= kMaxExponent) {
    // Beyond the exponents the reader takes: move the comma so that the exponent is the largest
    // it reads, and the text still reads back ("1E600" is written 1 and 101 zeros, "E499").
    const std::size_t integerDigits = static_cast<std::size_t>(e - kMaxExponent + 1);
    out += kept.substr(0, std::min(integerDigits, kept.size()));
    if (kept.size() < integerDigits) out.append(integerDigits - kept.size(), '0');
    if (kept.size() > integerDigits) out += ',' + kept.substr(integerDigits);
    out += "E" + std::to_string(kMaxExponent - 1);
  } else if (e - 1 <= -kMaxExponent) {
    // Below them: leading zeros after the comma, with the smallest exponent the reader takes.
    out += "0,";
    out.append(static_cast<std::size_t>(-(kMaxExponent - 1) - e), '0');
    out += kept + "E-" + std::to_string(kMaxExponent - 1);
  } else {
    out += kept[0];
    if (kept.size() > 1) {
      out += ',';
      out += kept.substr(1);
    }
    out += 'E';
    out += std::to_string(e - 1);
  }
  return out;
}

}  // namespace vaneko
