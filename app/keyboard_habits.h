// Desktop keyboard habits that Qt leaves to the program outside dialogs.
#pragma once

#include <QList>

class QRadioButton;
class QWidget;

namespace vaneko::app {

// Enter and the keypad's Enter press a focused push button under `root`, as Space does. Only
// the focused button acts: there is no default button that Enter presses from elsewhere.
void PressButtonsOnEnter(QWidget* root);

// Tab into the group `buttons` (exclusive radio buttons) lands on the checked one and Tab out
// of it leaves the group; the arrow keys move the choice inside the group.
void KeepTabOnCheckedRadio(const QList<QRadioButton*>& buttons);

}  // namespace vaneko::app
