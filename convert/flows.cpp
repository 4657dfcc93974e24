// Volume flow (36 units, sized in cubic metres per second) and mass flow (15 units, sized in
// kilograms per second). The units come in groups of three consecutive positions: one volume or
// mass per hour, per minute and per second. Every pair converts by the ratio of the sizes.
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

// The fluid ounces and gallons are the same sizes as everywhere else in the program: UK fluid
// ounce 28.4130625 mL, US fluid ounce 29.5735295625 mL, UK gallon 4.54609 L, US gallon
// 3.785411784 L.
constexpr std::array<UnitSize, 36> kVolumeFlowUnits = {{
    {0, 0.000001L / 3600},             // Centimetre Cube per Hour
    {1, 0.000001L / 60},               // Centimetre Cube per Minute
    {2, 0.000001L},                    // Centimetre Cube per Second
    {3, 0.028316846592L / 3600},       // Peid Cube per Hour
    {4, 0.028316846592L / 60},         // Peid Cube per Minute
    {5, 0.028316846592L},              // Peid Cube per Second
    {6, 0.000016387064L / 3600},       // Pouce Cube per Hour
    {7, 0.000016387064L / 60},         // Pouce Cube per Minute
    {8, 0.000016387064L},              // Pouce Cube per Second
    {9, 1.0L / 3600},                  // Metre Cube per Hour
    {10, 1.0L / 60},                   // Metre Cube per Minute
    {11, 1.0L},                        // Metre Cube per Second
    {12, 0.764554857984L / 3600},      // Verge Cube per Hour
    {13, 0.764554857984L / 60},        // Verge Cube per Minute
    {14, 0.764554857984L},             // Verge Cube per Second
    {15, 0.0000284130625L / 3600},     // Once liquide (UK) per Hour
    {16, 0.0000284130625L / 60},       // Once liquide (UK) per Minute
    {17, 0.0000284130625L},            // Once liquide (UK) per Second
    {18, 0.0000295735295625L / 3600},  // Once liquide (US) per Hour
    {19, 0.0000295735295625L / 60},    // Once liquide (US) per Minute
    {20, 0.0000295735295625L},         // Once liquide (US) per Second
    {21, 0.00454609L / 3600},          // Gallons (UK) per Hour
    {22, 0.00454609L / 60},            // Gallons (UK) per Minute
    {23, 0.00454609L},                 // Gallons (UK) per Second
    {24, 0.003785411784L / 3600},      // Gallons (US) per Hour
    {25, 0.003785411784L / 60},        // Gallons (US) per Minute
    {26, 0.003785411784L},             // Gallons (US) per Second
    {27, 1.0L / 3600},                 // Kilolitres per Hour
    {28, 1.0L / 60},                   // Kilolitres per Minute
    {29, 1.0L},                        // Kilolitres per Second
    {30, 0.001L / 3600},               // Litres per Hour
    {31, 0.001L / 60},                 // Litres per Minute
    {32, 0.001L},                      // Litres per Second
    {33, 0.000001L / 3600},            // Mililitres per Hour
    {34, 0.000001L / 60},              // Mililitres per Minute
    {35, 0.000001L},                   // Mililitres per Second
}};
static_assert(PositionsInListOrder(kVolumeFlowUnits));

// The ounce is 28.349523125 g, the pound 453.59237 g, the slug 14.5939035919985 kg.
constexpr std::array<UnitSize, 15> kMassFlowUnits = {{
    {0, 0.001L / 3600},              // Grammes per Hour
    {1, 0.001L / 60},                // Grammes per Minute
    {2, 0.001L},                     // Grammes per Second
    {3, 1.0L / 3600},                // Kilogrammes per Hour
    {4, 1.0L / 60},                  // Kilogrammes per Minute
    {5, 1.0L},                       // Kilogrammes per Second
    {6, 0.028349523125L / 3600},     // Onces per Hour
    {7, 0.028349523125L / 60},       // Onces per Minute
    {8, 0.028349523125L},            // Onces per Second
    {9, 0.45359237L / 3600},         // Livres per Hour
    {10, 0.45359237L / 60},          // Livres per Minute
    {11, 0.45359237L},               // Livres per Second
    {12, 14.5939035919985L / 3600},  // Slugs per Hour
    {13, 14.5939035919985L / 60},    // Slugs per Minute
    {14, 14.5939035919985L},         // Slugs per Second
}};
static_assert(PositionsInListOrder(kMassFlowUnits));

}  // namespace

std::optional<Extended> ConvertVolumeFlow(int i, int j, double value) {
  return ConvertBySizes(kVolumeFlowUnits, i, j, value);
}

std::optional<Extended> ConvertMassFlow(int i, int j, double value) {
  return ConvertBySizes(kMassFlowUnits, i, j, value);
}

}  // namespace vaneko::convert
