// Velocity (23 units, sized in metres per hour) and acceleration (5 units, sized in metres per
// second squared). Every pair converts by the ratio of the sizes; the per-minute and per-second
// units are 60 and 3600 times their per-hour unit of the same length.
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

constexpr std::array<UnitSize, 23> kVelocityUnits = {{
    {0, 0.01L},              // Centimetre par Heure
    {1, 0.6L},               // Centimetre par Minute
    {2, 36.0L},              // Centimetre par Seconde
    {3, 0.3048L},            // Pied par Heure
    {4, 18.288L},            // Pied par Minute
    {5, 1097.28L},           // Pied par Seconde
    {6, 0.0254L},            // Pouce par Heure
    {7, 1.524L},             // Pouce par Minute
    {8, 91.44L},             // Pouce par Seconde
    {9, 1000.0L},            // Kilomètre par Heure
    {10, 60000.0L},          // Kilomètre par Minute
    {11, 3600000.0L},        // Kilomètre par Seconde
    {12, 1853.994768L},      // Neaud(UK)
    {13, 1852.001376L},      // Neaud(US)
    {14, 1229000.0L},        // Mach: 1229 km/h
    {15, 1.0L},              // Mètre par Heure
    {16, 60.0L},             // Mètre par Minute
    {17, 3600.0L},           // Mètre par Seconde
    {18, 1609.344L},         // Mile par Heure
    {19, 96560.64L},         // Mile par Minute
    {20, 5793638.4L},        // Mile par Seconde
    {21, 1079252848800.0L},  // Vitesse de la Lumière: 299792458 m/s
    {22, 1229000.0L},        // Vitesse du Son: the same speed as Mach
}};
static_assert(PositionsInListOrder(kVelocityUnits));

constexpr std::array<UnitSize, 5> kAccelerationUnits = {{
    {0, 0.01L},     // Centimetre par Seconde Carré
    {1, 0.3048L},   // Pied par Seconde Carré
    {2, 9.80665L},  // Gravité: the standard gravity
    {3, 0.0254L},   // Pouce par Seconde Carré
    {4, 1.0L},      // Mètre par Seconde Carré
}};
static_assert(PositionsInListOrder(kAccelerationUnits));

}  // namespace

std::optional<Extended> ConvertVelocity(int i, int j, double value) {
  return ConvertBySizes(kVelocityUnits, i, j, value);
}

std::optional<Extended> ConvertAcceleration(int i, int j, double value) {
  return ConvertBySizes(kAccelerationUnits, i, j, value);
}

}  // namespace vaneko::convert
