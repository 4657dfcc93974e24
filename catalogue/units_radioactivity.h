// Tab 16, radioactivity: the becquerels and the curies, sized in becquerels.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in becquerels, no registry type, symbol; in list order.
inline constexpr UnitRow kRadioactivityUnits[] = {
    {{"Becquerel", "Becquerel"}, kBecquerel, {}, "Bq"},
    {{"Curie", "Curie"}, kCurie, {}, "Ci"},
    {{"Gigabecquerel", "Gigabecquerel"}, kGiga* kBecquerel, {}, "GBq"},
    {{"Kilobecquerel", "Kilobecquerel"}, kKilo* kBecquerel, {}, "kBq"},
    {{"Megabecquerel", "Megabecquerel"}, kMega* kBecquerel, {}, "MBq"},
    {{"Milicurie", "Milicurie"}, kMilli* kCurie, {}, "mCi"},
};

}  // namespace vaneko::catalogue::unit_tables
