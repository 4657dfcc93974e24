// Tab 17, plane angles, sized in degrees; the radian is 180/π of them.
// Names are shown exactly as written here; the position of a row is the unit's position in both
// lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in degrees, no registry type, symbol; in list order.
inline constexpr UnitRow kAngleUnits[] = {
    {{"Degré", "Degree"}, kDegree / kDegree, {}, "°"},
    {{"Minute", "Minute"}, kArcMinute / kDegree, {}, "′"},
    {{"Seconde", "Second"}, kArcSecond / kDegree, {}, "″"},
    {{"Grad", "Grad"}, kGrad / kDegree, {}, "grad"},
    {{"Radian", "Radian"}, kRadian / kDegree, {}, "rad"},
};

}  // namespace vaneko::catalogue::unit_tables
