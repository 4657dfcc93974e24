// Force (15 units, sized in newtons) and torque (11 units, sized in newton metres). Every pair
// converts by the ratio of the sizes. The gram-, kilogram- and tonne-force units use the
// standard gravity 9.80665 m/s²; the pound-force is 4.4482216152605 N; the torque sizes are the
// force sizes times the lever arm.
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

constexpr std::array<UnitSize, 15> kForceUnits = {{
    {0, 0.00001L},              // Dyne
    {1, 1000000000.0L},         // Giganewton
    {2, 0.00980665L},           // Gramme Force
    {3, 1.0L},                  // Joule par Mètre
    {4, 9.80665L},              // Kilogramme Force
    {5, 1000.0L},               // Kilonewton
    {6, 1000000.0L},            // Meganewton
    {7, 0.001L},                // Milinewton
    {8, 1.0L},                  // Newton
    {9, 0.27801385095378125L},  // Once Force: a sixteenth of the pound-force
    {10, 0.138254954376L},      // Poundals
    {11, 4.4482216152605L},     // Livre Force
    {12, 9806.65L},             // Tonne Métrique force
    {13, 9964.0164181834953L},  // Tonne UK Force: 2240 pound-force
    {14, 8896.443230521L},      // Tonne US Force: 2000 pound-force
}};
static_assert(PositionsInListOrder(kForceUnits));

constexpr std::array<UnitSize, 11> kTorqueUnits = {{
    {0, 0.0000001L},              // Dyne Centimètre
    {1, 0.0000980665L},           // Gramme Centimètre
    {2, 9.80665L},                // Kilogramme Mètre
    {3, 1.0L},                    // Newton Mètre
    {4, 0.0070615518142260404L},  // Once Pouce
    {5, 1.3558179483313998L},     // Livre Pied
    {6, 0.11298482902761665L},    // Livre Pouce
    {7, 0.04214011009380478L},    // Poundal Pied
    {8, 2711.6358966627995L},     // Ton (short) Pied: 2000 pound-force
    {9, 3037.0322042623355L},     // Ton Pied: 2240 pound-force
    {10, 9806.65L},               // Tonne Mètre
}};
static_assert(PositionsInListOrder(kTorqueUnits));

}  // namespace

std::optional<Extended> ConvertForce(int i, int j, double value) {
  return ConvertBySizes(kForceUnits, i, j, value);
}

std::optional<Extended> ConvertTorque(int i, int j, double value) {
  return ConvertBySizes(kTorqueUnits, i, j, value);
}

}  // namespace vaneko::convert
