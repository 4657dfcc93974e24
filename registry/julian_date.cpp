#include "registry/julian_date.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/errors.h"
#include "core/fp_faults.h"

namespace vaneko::registry {

namespace {

struct CalendarDate {
  std::int64_t year;
  std::int64_t month;
  std::int64_t day;
};

constexpr std::int64_t kFirstYear = 1;
constexpr std::int64_t kLastYear = 9999;
constexpr Extended kModifiedJulianDateOffset = 2400000.5L;

// The Julian day number (the day that begins at noon of the given date) of a Gregorian date,
// by the Fliegel-Van Flandern formula. The divisions truncate; valid from the year -4800.
constexpr std::int64_t JulianDayNumber(const CalendarDate& date) {
  const std::int64_t a = (date.month - 14) / 12;
  return (1461 * (date.year + 4800 + a)) / 4 + (367 * (date.month - 2 - 12 * a)) / 12 -
         (3 * ((date.year + 4900 + a) / 100)) / 4 + date.day - 32075;
}

// The Gregorian date of a Julian day number, by the Fliegel-Van Flandern inverse; valid for
// day numbers from 0 upwards.
constexpr CalendarDate CalendarDateOf(std::int64_t dayNumber) {
  std::int64_t l = dayNumber + 68569;
  const std::int64_t n = (4 * l) / 146097;
  l = l - (146097 * n + 3) / 4;
  const std::int64_t i = (4000 * (l + 1)) / 1461001;
  l = l - (1461 * i) / 4 + 31;
  const std::int64_t j = (80 * l) / 2447;
  const std::int64_t day = l - (2447 * j) / 80;
  l = j / 11;
  const std::int64_t month = j + 2 - 12 * l;
  const std::int64_t year = 100 * (n - 49) + i + l;
  return {year, month, day};
}

// Day 0 of the date-time serial.
constexpr std::int64_t kSerialEpochDayNumber = JulianDayNumber({1899, 12, 30});
constexpr std::int64_t kFirstDayNumber = JulianDayNumber({kFirstYear, 1, 1});
constexpr std::int64_t kLastDayNumber = JulianDayNumber({kLastYear, 12, 31});
static_assert(kSerialEpochDayNumber == 2415019);
static_assert(CalendarDateOf(kLastDayNumber).year == kLastYear);

bool Representable(const CalendarDate& date) {
  return date.year >= kFirstYear && date.year <= kLastYear;
}

// printf's "%f" with the decimal comma of every number text in the process.
std::string FixedText(double value) {
  char text[400];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
  std::string fixed(text, result.ptr);
  for (char& c : fixed) {
    if (c == '.') c = ',';
  }
  return fixed;
}

// A serial from its day count and time of day (0 <= time < 1).
double DateTimeSerial(std::int64_t days, Extended timeOfDay) {
  const Extended whole = static_cast<Extended>(days);
  return NarrowToDouble(days >= 0 ? whole + timeOfDay : whole - timeOfDay);
}

}  // namespace

double JulianDateToDateTime(double julianDate) {
  const auto unrepresentable = [julianDate] {
    return EConvertError(FixedText(julianDate) + " Julian cannot be represented as a DateTime");
  };
  // The civil day begins half a Julian day later than the Julian day.
  const Extended shifted = static_cast<Extended>(julianDate) + 0.5L;
  if (!std::isfinite(shifted)) throw unrepresentable();
  const Extended dayStart = std::floor(shifted);
  // Keeps the day number within the calendar formulas' range before the year is checked.
  if (dayStart < 0 || dayStart > static_cast<Extended>(kLastDayNumber) + 1) {
    throw unrepresentable();
  }
  const auto dayNumber = static_cast<std::int64_t>(dayStart);
  const CalendarDate date = CalendarDateOf(dayNumber);
  if (!Representable(date)) throw unrepresentable();
  return DateTimeSerial(JulianDayNumber(date) - kSerialEpochDayNumber, shifted - dayStart);
}

double DateTimeToJulianDate(double dateTime) {
  const auto invalid = [dateTime] {
    return EConvertError(FixedText(dateTime) + " is not a valid DateTime");
  };
  if (!std::isfinite(dateTime)) throw invalid();
  const Extended days = std::trunc(static_cast<Extended>(dateTime));
  const Extended timeOfDay = std::fabs(static_cast<Extended>(dateTime) - days);
  if (days < static_cast<Extended>(kFirstDayNumber - kSerialEpochDayNumber) ||
      days > static_cast<Extended>(kLastDayNumber - kSerialEpochDayNumber)) {
    throw invalid();
  }
  const CalendarDate date = CalendarDateOf(static_cast<std::int64_t>(days) + kSerialEpochDayNumber);
  // The Julian day of the date began at the noon before its midnight.
  return NarrowToDouble(static_cast<Extended>(JulianDayNumber(date)) - 0.5L + timeOfDay);
}

double ModifiedJulianDateToDateTime(double modifiedJulianDate) {
  return JulianDateToDateTime(
      NarrowToDouble(static_cast<Extended>(modifiedJulianDate) + kModifiedJulianDateOffset));
}

double DateTimeToModifiedJulianDate(double dateTime) {
  return NarrowToDouble(static_cast<Extended>(DateTimeToJulianDate(dateTime)) -
                        kModifiedJulianDateOffset);
}

}  // namespace vaneko::registry
