// What a screen reader sees of the category tab control: a page tab list whose first children
// are its tabs, in tab order, each a page tab named by its caption and marked selected when it
// is the current one; the controls placed on the page follow the tabs as further children. A
// tab's press action selects it as a click does.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace vaneko::app {

// The accessible interface of a MultiRowTabControl, for the factory InstallWindowAccessibility
// registers (window_accessible.h); null for any other object.
QAccessibleInterface* TabControlAccessible(const QString& className, QObject* object);

}  // namespace vaneko::app
