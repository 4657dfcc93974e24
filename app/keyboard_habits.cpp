#include "app/keyboard_habits.h"

#include <QPushButton>
#include <QRadioButton>

namespace vaneko::app {

void PressButtonsOnEnter(QWidget* root) {
  // A push button presses itself on Enter when it is an "auto default" button; outside a
  // dialog that makes no other button a default one.
  for (QPushButton* button : root->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void KeepTabOnCheckedRadio(const QList<QRadioButton*>& buttons) {
  // Only the checked button takes the focus by Tab; the others still take it by a click and by
  // the arrow keys, which Qt moves between the exclusive buttons of one parent.
  const auto update = [buttons] {
    for (QRadioButton* button : buttons)
      button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  };
  update();
  for (QRadioButton* button : buttons)
    QObject::connect(button, &QRadioButton::toggled, button, [update](bool) { update(); });
}

}  // namespace vaneko::app
