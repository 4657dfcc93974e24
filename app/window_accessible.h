// What a screen reader sees of the category tabs (tab_control_accessible.h), of the windows, and
// of the controls that Qt's own interfaces describe short of what a person needs:
// - the main window, the circle window and the tape are frames named by their titles (a
//   scroll area or a plain widget would be a nameless filler);
// - a unit list names its "DE"/"À" label as the label names the list, and its rows are read
//   by their names without the blanks some names end with, blank rows not at all;
// - the logo drawn twice on the about panel is named once, its shadow copy hidden.
#pragma once

#include <QString>

namespace vaneko::app {

// The property, set true, of a picture drawn only for looks, which assistive technology skips.
inline constexpr char kDecorationProperty[] = "vanekoDecoration";

// Registers these accessible interfaces with Qt; idempotent.
void InstallWindowAccessibility();

}  // namespace vaneko::app
