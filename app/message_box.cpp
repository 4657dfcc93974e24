#include "app/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "core/message_text.h"

namespace vaneko::app {

namespace {

// Room the window frame takes beside the title: its icon and its buttons.
constexpr int kTitleBarExtras = 160;

}  // namespace

QString BoxText(const QString& message) {
  return QString::fromStdString(vaneko::BoxText(message.toStdString()));
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, bool critical) {
  auto box = std::make_unique<QMessageBox>(critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                                           title, BoxText(text), QMessageBox::Ok, parent);
  // The box sizes itself to its text; a short text would leave too little room for the title
  // in the frame, which would then show "...". A spacer across the grid keeps it wide enough.
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarExtras;
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text,
                         bool critical) {
  MakeMessageBox(parent, title, text, critical)->exec();
}

}  // namespace vaneko::app
