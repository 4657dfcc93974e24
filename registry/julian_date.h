// Julian dates and the runtime's date-time serial. A date-time serial counts days from
// 30 December 1899; its fraction is the time of day (before that day the serial is negative
// and the time of day is subtracted: 29 December 1899 at 06:00 is -1.25). A Julian date counts
// days from noon, so a Julian date ending in .5 is a midnight. The date part goes through the
// Gregorian calendar, which the date-time serial covers for the years 1 to 9999.
#pragma once

namespace vaneko::registry {

// Throws EConvertError "%f Julian cannot be represented as a DateTime" for a Julian date whose
// calendar date falls outside the years 1 to 9999.
double JulianDateToDateTime(double julianDate);
// Throws EConvertError "%f is not a valid DateTime" for a serial outside the years 1 to 9999.
double DateTimeToJulianDate(double dateTime);

// The modified Julian date is the Julian date minus 2400000.5 (it starts at midnight).
double ModifiedJulianDateToDateTime(double modifiedJulianDate);
double DateTimeToModifiedJulianDate(double dateTime);

}  // namespace vaneko::registry
