#include "app/message_box.h"

#include <QMessageBox>

namespace vaneko::app {

void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text,
                         bool critical) {
  QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vaneko::app
