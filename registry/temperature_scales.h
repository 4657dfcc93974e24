// The temperature scales other than Celsius, as pairs of conversion functions to and from
// degrees Celsius. Each computes in extended precision and rounds its result once to double;
// where one calls another, it passes and receives doubles.
#pragma once

namespace vaneko::registry {

double KelvinToCelsius(double kelvin);
double CelsiusToKelvin(double celsius);
double FahrenheitToCelsius(double fahrenheit);
double CelsiusToFahrenheit(double celsius);
double RankineToCelsius(double rankine);
double CelsiusToRankine(double celsius);
double ReaumurToCelsius(double reaumur);
double CelsiusToReaumur(double celsius);

}  // namespace vaneko::registry
