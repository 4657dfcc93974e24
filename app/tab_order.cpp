// The order of keyboard focus: the number, the result, "Calculer", the tab control and what
// it holds (the lists, the about panel's keys, "Quitter", the keypad in its layout order,
// "Radians / Degres"), the calculator panel in reading order, and last the sign key.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "app/form1_layout.h"
#include "app/multi_row_tab_control.h"
#include "app/tform1.h"
#include "app/unit_list_box.h"

namespace vaneko::app {

void TForm1::SetTabOrder() {
  std::vector<QWidget*> order{Nombre1, Result,  Button2, TabControl1, Index1,
                              Index2,  Button4, Button3, Button1};
  for (const KeypadKeyLayout& key : kKeypad)
    order.push_back(TabControl1->findChild<QPushButton*>(QString::fromLatin1(key.control.name)));
  order.push_back(Button157);

  std::vector<QWidget*> panel;
  for (QWidget* child : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->focusPolicy() & Qt::TabFocus) panel.push_back(child);
  std::stable_sort(panel.begin(), panel.end(), [](const QWidget* a, const QWidget* b) {
    return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
  });
  order.insert(order.end(), panel.begin(), panel.end());
  order.push_back(Button44);

  for (std::size_t index = 1; index < order.size(); ++index)
    QWidget::setTabOrder(order[index - 1], order[index]);
}

}  // namespace vaneko::app
