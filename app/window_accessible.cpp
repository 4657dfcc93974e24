#include "app/window_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "app/tape_window.h"
#include "app/tform1.h"
#include "app/tform2.h"

namespace vaneko::app {

namespace {

// A top-level window: a frame named by its title.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A picture drawn only for looks: invisible to assistive technology.
class DecorationAccessible : public QAccessibleWidget {
 public:
  explicit DecorationAccessible(QWidget* picture)
      : QAccessibleWidget(picture, QAccessible::Graphic) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (className == QLatin1String(TForm1::staticMetaObject.className()) ||
      className == QLatin1String(TForm2::staticMetaObject.className()) ||
      className == QLatin1String(TapeWindow::staticMetaObject.className()))
    return new WindowAccessible(widget);
  if (className == QLatin1String("QLabel") && widget->property(kDecorationProperty).toBool())
    return new DecorationAccessible(widget);
  return nullptr;
}

}  // namespace

void InstallWindowAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace vaneko::app
